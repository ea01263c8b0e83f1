#pragma once

#include <functional>

class QObject;
class QString;
class QWidget;

namespace rv::ui {
class AppContext;
}

namespace rv::service {

class TestModeHost;

/// Enters test mode and shows the test mode window (the Test Mode menu entry).
void OpenTestMode(ui::AppContext& ctx, QWidget* mainWindow);
/// Reads the radio information and shows it (Tools, Radio Information).
void OpenRadioInfo(ui::AppContext& ctx, QWidget* mainWindow);
/// Shows the dialog that sets and writes the radio information (Tools, Set Radio Information).
void OpenSetRadioInfo(ui::AppContext& ctx, QWidget* mainWindow);

/// Enters test mode on a given device; the test mode window follows once the radio's test
/// channels matched. Null (after telling the user) when the port cannot be opened or test
/// mode is already running.
TestModeHost* StartTestMode(ui::AppContext& ctx, QWidget* mainWindow, const QString& portName);

/// The running test mode, or nullptr.
TestModeHost* CurrentTestMode();

/// Ends a running test mode as the test mode window's Close does (a key that is down is
/// released, then test mode is left; an open question is answered Cancel); the port closes
/// once the radio has answered or been given up on. True when there was a test mode to end.
bool LeaveRunningTestMode();

/// Ends a running test mode and runs `then` (on `context`) once it has ended; false, and
/// nothing runs, when no test mode is running.
bool LeaveTestModeThen(QObject* context, const std::function<void()>& then);

} // namespace rv::service
