#pragma once

class QWidget;

namespace rv::ui {

class AppContext;

/// Enters test mode and shows the test mode window (the Test Mode menu entry).
void OpenTestMode(AppContext& ctx, QWidget* mainWindow);
/// Reads the radio information and shows it (Tools, Radio Information).
void OpenRadioInfo(AppContext& ctx, QWidget* mainWindow);
/// Shows the dialog that sets and writes the radio information (Tools, Set Radio Information).
void OpenSetRadioInfo(AppContext& ctx, QWidget* mainWindow);

} // namespace rv::ui
