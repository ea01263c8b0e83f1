#pragma once

#include <functional>

namespace rv::app {

/// The desktop program: options, start-up, main window, event loop. Options (see --help):
/// --service shows the service entries; --port PORT chooses the port; --screenshot FILE
/// saves the main window (--window NAME: another window or the report) as a picture and
/// quits; --version; a data file to open.
int RunApplication(int argc, char** argv);

/// Lets the radio go before the program ends: a running transfer, or a fleet's, stops at a
/// frame with End sent; a radio in test mode has its key released and leaves test mode. `done` runs
/// once that is over, or after `deadlineMs` when the radio does not answer.
void LetGoOfTheRadioThen(const std::function<void()>& done, int deadlineMs = 5000);

} // namespace rv::app
