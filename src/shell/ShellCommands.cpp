// Menu commands of the main window that open dialogs, help and the service tools.
#include "FrmAbout.h"
#include "FrmModelInfo.h"
#include "FrmSetLanguage.h"
#include "Startup.h"
#include "frmMain.h"
#include "service/ServiceEntry.h"
#include "kit/AppContext.h"
#include "kit/Prompt.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace rv::ui {

namespace {

const rv::LangText HelpMissing{"", "The help file cannot be found:", "找不到帮助文件："};

} // namespace

void frmMain::mnuModelInfo_Click() {
    FrmModelInfo dialog(ctx_, this);
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
    const QString path = HelpFilePath(ctx_.programDir, ctx_.lang());
    if (!QFileInfo::exists(path)) {
        Tell(ctx_, this, Tr(ctx_, HelpMissing) + QLatin1Char('\n') + path, rv::MsgIcon::Error);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
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
