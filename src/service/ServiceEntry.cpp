#include "ServiceEntry.h"

#include "FrmRadioInfoSet.h"
#include "FrmTestMode.h"
#include "kit/RadioPort.h"
#include "TestModeHost.h"
#include "kit/AppContext.h"
#include "kit/Prompt.h"

#include <QPointer>

namespace rv::ui {

namespace {
QPointer<TestModeHost> RunningTestMode;
}

TestModeHost* CurrentTestMode() {
    return RunningTestMode;
}

TestModeHost* StartTestMode(AppContext& ctx, QWidget* mainWindow, const QString& portName) {
    if (RunningTestMode) return nullptr; // one test mode at a time
    auto* host = new TestModeHost(ctx, mainWindow, mainWindow);
    QString error;
    if (portName.isEmpty() || !host->enter(portName, &error)) {
        Tell(ctx, mainWindow, error, rv::MsgIcon::Error);
        delete host;
        return nullptr;
    }
    RunningTestMode = host;
    QObject::connect(host, &TestModeHost::testWindowDue, host, [&ctx, host, mainWindow] {
        auto* w = new FrmTestMode(ctx, *host, mainWindow);
        QObject::connect(host, &TestModeHost::ended, w, &QWidget::close);
        w->show();
    });
    QObject::connect(host, &TestModeHost::ended, host, &QObject::deleteLater);
    return host;
}

void OpenTestMode(AppContext& ctx, QWidget* mainWindow) {
    const QString port = ServicePortOrTell(ctx, mainWindow);
    if (!port.isEmpty()) StartTestMode(ctx, mainWindow, port);
}

void OpenRadioInfo(AppContext& ctx, QWidget* mainWindow) {
    ReadRadioInfo(ctx, mainWindow);
}

void OpenSetRadioInfo(AppContext& ctx, QWidget* mainWindow) {
    FrmRadioInfoSet dialog(ctx, mainWindow);
    dialog.exec();
}

} // namespace rv::ui
