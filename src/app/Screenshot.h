#pragma once

#include <QString>

namespace rv::ui {
class AppContext;
}

namespace rv::app {

class frmMain;

/// Saves a picture of a window of the program as it shows the current document: the main
/// window (`window` empty), an editor window by its form name ("FrmScanInfo"), a dialog
/// ("FrmModelInfo", "FrmSetComm", "FrmSetLanguage", "FrmPrintList", "FrmRadioInfo",
/// "FrmRadioInfoSet", "FrmTestMode") or "report", the printed report. False when the window
/// is unknown or the file cannot be written.
bool SaveScreenshot(ui::AppContext& ctx, frmMain& main, const QString& window, const QString& path);

} // namespace rv::app
