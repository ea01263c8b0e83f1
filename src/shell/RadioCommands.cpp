// Read from Radio, Write to Radio and the port choice.
#include "frmMain.h"

namespace rv::ui {

void frmMain::mnuComm_Click() {}
void frmMain::mnuReadFromRadio_Click() {}
void frmMain::mnuWriteToRadio_Click() {}

} // namespace rv::ui
