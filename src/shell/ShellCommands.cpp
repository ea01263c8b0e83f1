// Menu commands of the main window that open dialogs, help and the service tools.
#include "FrmAbout.h"
#include "FrmModelInfo.h"
#include "FrmSetLanguage.h"
#include "HelpWindow.h"
#include "frmMain.h"
#include "kit/AppContext.h"
#include "kit/Prompt.h"
#include "service/ServiceEntry.h"

namespace rv::ui {

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

void frmMain::mnuHelpTopic_Click() {
    OpenHelp(ctx_, this, QString());
}

void frmMain::mnuHelpAbout_Click() {
    FrmAbout dialog(ctx_, this);
    dialog.exec();
}

void frmMain::mnuTest_Click() {
    OpenTestMode(ctx_, this);
}
void frmMain::mnuRadioInfo_Click() {
    OpenRadioInfo(ctx_, this);
}
void frmMain::mnuSetRadioInfo_Click() {
    OpenSetRadioInfo(ctx_, this);
}

} // namespace rv::ui
