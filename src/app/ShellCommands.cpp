// Menu commands of the main window that open dialogs and windows of their own.
#include "FrmAbout.h"
#include "FrmFleet.h"
#include "FrmModelInfo.h"
#include "FrmSetComm.h"
#include "FrmSetLanguage.h"
#include "frmMain.h"
#include "link/PortList.h"
#include "ui/AppContext.h"
#include "ui/Prompt.h"

namespace rv::app {

void frmMain::mnuModelInfo_Click() {
    FrmModelInfo dialog(ctx_, this);
    // The warning comes with the choice to save unsaved changes, as for any replacement.
    dialog.setConfirm([this] { return readyToReplace(rv::Msg::FreqDataCleared); });
    dialog.exec();
    // A new model or band discards the whole document.
    if (dialog.changed()) LoadNewDoc();
}

void frmMain::mnuLanguage_Click() {
    FrmSetLanguage dialog(ctx_, this);
    dialog.exec();
    // The main window is active again once the dialog is gone; re-caption now rather than
    // rely on an activation event the window system may not send.
    applyLanguageChange();
}

void frmMain::mnuHelpAbout_Click() {
    FrmAbout dialog(ctx_, this);
    dialog.exec();
}

void frmMain::mnuComm_Click() {
    FrmSetComm dialog(ctx_, this);
    if (dialog.exec() == QDialog::Accepted) captionStatusBar();
}

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

} // namespace rv::app
