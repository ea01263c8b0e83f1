#pragma once

namespace rv::ui {

/// The desktop program: options, start-up, main window, event loop. Options:
/// --service shows the service entries; --screenshot FILE saves the main window as a picture
/// and quits.
int RunApplication(int argc, char** argv);

} // namespace rv::ui
