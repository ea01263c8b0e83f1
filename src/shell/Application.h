#pragma once

namespace rv::ui {

/// The desktop program: options, start-up, main window, event loop. Options (see --help):
/// --service shows the service entries; --port PORT chooses the port; --screenshot FILE
/// saves the main window (--window NAME: another window or the report) as a picture and
/// quits; --version; a data file to open.
int RunApplication(int argc, char** argv);

} // namespace rv::ui
