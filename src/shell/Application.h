#pragma once

namespace rv::ui {

/// The desktop program: options, start-up, main window, event loop. Options:
/// --service shows the service entries; --screenshot FILE saves the main window as a picture
/// and quits, --window NAME another window or the report instead.
int RunApplication(int argc, char** argv);

} // namespace rv::ui
