#include "Application.h"

#include "FrmFleet.h"
#include "QtTranslation.h"
#include "RadioJob.h"
#include "Screenshot.h"
#include "Splash.h"
#include "Startup.h"
#include "data/Version.h"
#include "frmMain.h"
#include "link/StopSignals.h"
#include "service/ServiceEntry.h"
#include "service/TestModeHost.h"
#include "ui/AppContext.h"
#include "ui/Prompt.h"
#include "ui/RadioPort.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QIcon>
#include <QSplashScreen>
#include <QTimer>
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <utility>

namespace rv::app {

namespace {

struct Options {
    bool service = false;
    QString port;
    QString screenshot;
    QString window;
    QString file;
};

Options ParseOptions(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Reads, edits, stores and writes the configuration of the RV52N "
                       "hand-held FM radio."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption service(
        QStringLiteral("service"),
        QStringLiteral("Show the service entries: test mode, tools, DTMF, FleetSync, test "
                       "frequencies."));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("Talk to the radio on <port>: a port number 1 "
                                                 "to 8, sim for the simulated radio, or a "
                                                 "device path."),
                                  QStringLiteral("port"));
    const QCommandLineOption shot(QStringLiteral("screenshot"),
                                  QStringLiteral("Save a picture of the main window to <file> "
                                                 "and quit."),
                                  QStringLiteral("file"));
    const QCommandLineOption window(
        QStringLiteral("window"),
        QStringLiteral("With --screenshot: picture this window (a form name) or the report."),
        QStringLiteral("name"));
    parser.addOption(service);
    parser.addOption(port);
    parser.addOption(shot);
    parser.addOption(window);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("Data file to open."),
                                 QStringLiteral("[file]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    return {parser.isSet(service), parser.value(port), parser.value(shot), parser.value(window),
            files.value(0)};
}

// Help and version need no screen: without one they would fail for want of a display.
void PrintWithoutScreen(int argc, char** argv) {
    static const QByteArrayList textOnly{"-h", "--help", "--help-all", "-v", "--version"};
    for (int i = 1; i < argc; ++i) {
        if (textOnly.contains(QByteArray(argv[i])) &&
            qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

QList<FrmFleet*> FleetWindows() {
    QList<FrmFleet*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* fleet = qobject_cast<FrmFleet*>(w)) windows << fleet;
    return windows;
}

} // namespace

void LetGoOfTheRadioThen(const std::function<void()>& done, int deadlineMs) {
    if (auto* job = RunningRadioJob()) job->cancel();
    service::LeaveRunningTestMode();
    for (FrmFleet* fleet : FleetWindows())
        fleet->stopFleet();
    auto* poll = new QTimer(qApp);
    QElapsedTimer clock;
    clock.start();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, clock, done, deadlineMs] {
        const service::TestModeHost* testMode = service::CurrentTestMode();
        const auto fleets = FleetWindows();
        const bool busy =
            RunningRadioJob() || (testMode && testMode->active()) ||
            std::any_of(fleets.begin(), fleets.end(), [](FrmFleet* f) { return f->isRunning(); });
        if (busy && clock.elapsed() <= deadlineMs) return;
        poll->deleteLater();
        done();
    });
    poll->start(20);
}

int RunApplication(int argc, char** argv) {
    PrintWithoutScreen(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("RV52N"));
    QApplication::setOrganizationName(QStringLiteral("RV52N"));
    QApplication::setApplicationVersion(QString::fromLatin1(rv::Version));
    // Ties the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.rv52n.rv52n"));
    QApplication::setWindowIcon(QIcon::fromTheme(
        QStringLiteral("org.rv52n.rv52n"), QIcon(QStringLiteral(":/rv52n/org.rv52n.rv52n.png"))));
    // Numbers are read and written with a point whatever the user's locale; this touches
    // the program alone, never a system setting.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
    const Options options = ParseOptions(app);
    // Qt's own buttons speak the program's language from the first message on.
    UseQtTranslation(StartupLanguage(QLocale::system()));
    QSplashScreen* splash = ShowSplash();
    ui::AppContext ctx;
    ctx.serviceMode = options.service;
    QWidget* messageParent = nullptr;
    ctx.session.onMessage = [&ctx, &messageParent](rv::Msg m) {
        ui::Ask(ctx, messageParent ? messageParent : QApplication::activeWindow(), m);
    };
    StartUp(ctx, QCoreApplication::applicationDirPath(), QLocale::system());
    QString portError;
    if (!options.port.isEmpty() && !ui::ChoosePort(ctx, options.port, &portError)) {
        std::fprintf(stderr, "rv52n: --port %s: %s\n", qPrintable(options.port),
                     qPrintable(portError));
        delete splash;
        return 2;
    }

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
    // A stop request from the system (Ctrl+C, SIGTERM, SIGHUP) lets the radio go first.
    bool stopping = false;
    rv::link::StopSignals stop([&stop, &stopping] {
        if (std::exchange(stopping, true)) return;
        const int status = 128 + stop.received();
        LetGoOfTheRadioThen([status] { QCoreApplication::exit(status); });
    });
    return app.exec();
}

} // namespace rv::app
