// Read from Radio, Write to Radio and the port choice.
#include "Captions.h"
#include "FrmProgress.h"
#include "FrmSetComm.h"
#include "RadioJob.h"
#include "frmMain.h"
#include "kit/AppContext.h"
#include "kit/Prompt.h"
#include "kit/RadioPort.h"
#include "link/CloneSession.h"
#include "link/SerialPort.h"

namespace rv::ui {

void frmMain::mnuComm_Click() {
    FrmSetComm dialog(ctx_, this);
    if (dialog.exec() == QDialog::Accepted) captionStatusBar();
}

void frmMain::mnuReadFromRadio_Click() {
    if (readyToReplace()) runTransfer(rv::link::ReadRadio);
}
void frmMain::mnuWriteToRadio_Click() {
    runTransfer(rv::link::WriteRadio);
}

} // namespace rv::ui
