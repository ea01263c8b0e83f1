// Program > Fleet Programming.
#include "FrmFleet.h"
#include "frmMain.h"
#include "link/PortList.h"

namespace rv::ui {

void frmMain::mnuFleet_Click() {
    if (!commitPendingEdits()) return;
    auto* window = findChild<FrmFleet*>(QStringLiteral("FrmFleet"));
    if (!window) {
        QList<rv::jobs::ProbeTarget> ports;
        for (const auto& p : rv::link::ListPorts())
            ports << rv::jobs::ProbeTarget{QString::number(p.number), p.device};
        window = new FrmFleet(ctx_, ports, this);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace rv::ui
