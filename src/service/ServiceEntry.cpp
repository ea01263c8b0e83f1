#include "ServiceEntry.h"

#include "FrmRadioInfoSet.h"
#include "FrmTestMode.h"
#include "TestModeHost.h"
#include "ui/AppContext.h"
#include "ui/Prompt.h"
#include "ui/RadioPort.h"

#include <QPointer>

namespace rv::service {

namespace {
QPointer<TestModeHost> RunningTestMode;
QPointer<FrmTestMode> RunningWindow;
} // namespace

TestModeHost* CurrentTestMode() {
    return RunningTestMode;
}

bool LeaveRunningTestMode() {
    if (!RunningTestMode || !RunningTestMode->active()) return false;
    // With a question open the window is left alone: the host answers it and leaves.
    if (RunningWindow && RunningWindow->isVisible() && !RunningTestMode->engine().asking())
        RunningWindow->close();
    else
        RunningTestMode->leave();
    return true;
}

bool LeaveTestModeThen(QObject* context, const std::function<void()>& then) {
    TestModeHost* host = RunningTestMode;
    if (!host || !host->active()) return false;
    QObject::connect(host, &TestModeHost::ended, context, then, Qt::QueuedConnection);
    LeaveRunningTestMode();
    return true;
}

TestModeHost* StartTestMode(ui::AppContext& ctx, QWidget* mainWindow, const QString& portName) {
    if (RunningTestMode) {
        // One test mode at a time: an open test mode window comes to the front.
        if (RunningWindow && RunningWindow->isVisible()) {
            RunningWindow->raise();
            RunningWindow->activateWindow();
            return nullptr;
        }
        // A test mode without its window (still entering, or still leaving) ends here, so
        // that this entry starts clean with an empty list on a freshly opened port.
        RunningTestMode->engine().AbortTestMode();
        delete RunningTestMode.data();
    }
    auto* host = new TestModeHost(ctx, mainWindow, mainWindow);
    QString error;
    if (portName.isEmpty() || !host->enter(portName, &error)) {
        ui::Tell(ctx, mainWindow, error, rv::MsgIcon::Error);
        delete host;
        return nullptr;
    }
    RunningTestMode = host;
    QObject::connect(host, &TestModeHost::testWindowDue, host, [&ctx, host, mainWindow] {
        auto* w = new FrmTestMode(ctx, *host, mainWindow);
        RunningWindow = w;
        QObject::connect(host, &TestModeHost::ended, w, &QWidget::close);
        w->show();
    });
    QObject::connect(host, &TestModeHost::ended, host, &QObject::deleteLater);
    return host;
}

void OpenTestMode(ui::AppContext& ctx, QWidget* mainWindow) {
    const QString port = ui::ServicePortOrTell(ctx, mainWindow);
    if (!port.isEmpty()) StartTestMode(ctx, mainWindow, port);
}

void OpenRadioInfo(ui::AppContext& ctx, QWidget* mainWindow) {
    ReadRadioInfo(ctx, mainWindow);
}

void OpenSetRadioInfo(ui::AppContext& ctx, QWidget* mainWindow) {
    FrmRadioInfoSet dialog(ctx, mainWindow);
    dialog.exec();
}

} // namespace rv::service
