#include "Application.h"

#include "QtTranslation.h"
#include "Screenshot.h"
#include "Splash.h"
#include "Startup.h"
#include "frmMain.h"
#include "kit/AppContext.h"
#include "kit/Prompt.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSplashScreen>
#include <QTimer>
#include <clocale>

namespace rv::ui {

namespace {

struct Options {
    bool service = false;
    QString screenshot;
    QString window;
    QString file;
};

Options ParseOptions(const QApplication& app) {
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption service(QStringLiteral("service"),
                                     QStringLiteral("Show the service entries and tools."));
    const QCommandLineOption shot(QStringLiteral("screenshot"),
                                  QStringLiteral("Save the main window as a picture and quit."),
                                  QStringLiteral("file"));
    const QCommandLineOption window(
        QStringLiteral("window"),
        QStringLiteral("With --screenshot: picture this window (a form name) or the report."),
        QStringLiteral("name"));
    parser.addOption(service);
    parser.addOption(shot);
    parser.addOption(window);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("Data file to open."),
                                 QStringLiteral("[file]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    return {parser.isSet(service), parser.value(shot), parser.value(window), files.value(0)};
}

} // namespace

int RunApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("RV52N"));
    QApplication::setOrganizationName(QStringLiteral("RV52N"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    // Numbers are read and written with a point whatever the user's locale; this touches
    // the program alone, never a system setting.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
    const Options options = ParseOptions(app);
    // Qt's own buttons speak the program's language from the first message on.
    UseQtTranslation(StartupLanguage(QLocale::system()));
    QSplashScreen* splash = ShowSplash();
    AppContext ctx;
    ctx.serviceMode = options.service;
    QWidget* messageParent = nullptr;
    ctx.session.onMessage = [&ctx, &messageParent](rv::Msg m) {
        Ask(ctx, messageParent ? messageParent : QApplication::activeWindow(), m);
    };
    StartUp(ctx, QCoreApplication::applicationDirPath(), QLocale::system());

    frmMain window(ctx);
    messageParent = &window;
    if (!options.file.isEmpty()) window.openFile(options.file);
    window.show();
    splash->finish(&window);
    delete splash;
    if (!options.screenshot.isEmpty()) {
        QTimer::singleShot(500, &window, [&ctx, &window, &options] {
            QApplication::exit(SaveScreenshot(ctx, window, options.window, options.screenshot) ? 0
                                                                                               : 1);
        });
    }
    return app.exec();
}

} // namespace rv::ui
