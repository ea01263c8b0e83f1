#include "Application.h"

#include "PortOption.h"
#include "Splash.h"
#include "Startup.h"
#include "frmMain.h"
#include "kit/AppContext.h"
#include "kit/Prompt.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLibraryInfo>
#include <QPainter>
#include <QSplashScreen>
#include <QTimer>
#include <QTranslator>
#include <clocale>

namespace rv::ui {

namespace {

struct Options {
    bool service = false;
    QString screenshot;
    QString file;
    QString port;
};

Options ParseOptions(const QApplication& app) {
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption service(QStringLiteral("service"),
                                     QStringLiteral("Show the service entries and tools."));
    const QCommandLineOption shot(QStringLiteral("screenshot"),
                                  QStringLiteral("Save the main window as a picture and quit."),
                                  QStringLiteral("file"));
    parser.addOption(service);
    parser.addOption(shot);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("Data file to open."),
                                 QStringLiteral("[file]"));
    AddPortOption(parser);
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    return {parser.isSet(service), parser.value(shot), files.value(0),
            parser.value(QStringLiteral("port"))};
}

/// The window as a picture, with a title strip in place of the window manager's frame
/// (there is none under a bare X server).
bool SaveScreenshot(QWidget& window, const QString& path) {
    const QPixmap content = window.grab();
    const int strip = window.fontMetrics().height() + 12;
    QImage picture(content.width(), content.height() + strip, QImage::Format_RGB32);
    picture.fill(window.palette().color(QPalette::Highlight));
    QPainter p(&picture);
    p.setPen(window.palette().color(QPalette::HighlightedText));
    p.setFont(window.font());
    p.drawText(QRect(8, 0, content.width() - 16, strip), Qt::AlignVCenter | Qt::AlignLeft,
               window.windowTitle());
    p.drawPixmap(0, strip, content);
    p.end();
    return picture.save(path);
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
    // Standard buttons and dialogs (message box buttons, file dialog) speak the system's
    // language, as the platform's own do.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale::system(), QStringLiteral("qt"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    QSplashScreen* splash = ShowSplash();
    AppContext ctx;
    ctx.serviceMode = options.service;
    QWidget* messageParent = nullptr;
    ctx.session.onMessage = [&ctx, &messageParent](rv::Msg m) {
        Ask(ctx, messageParent ? messageParent : QApplication::activeWindow(), m);
    };
    StartUp(ctx, QCoreApplication::applicationDirPath(), QLocale::system());
    if (!options.port.isEmpty()) ChoosePort(ctx, options.port);

    frmMain window(ctx);
    messageParent = &window;
    if (!options.file.isEmpty()) window.openFile(options.file);
    window.show();
    splash->finish(&window);
    delete splash;
    if (!options.screenshot.isEmpty()) {
        QTimer::singleShot(500, &window, [&window, &options] {
            QApplication::exit(SaveScreenshot(window, options.screenshot) ? 0 : 1);
        });
    }
    return app.exec();
}

} // namespace rv::ui
