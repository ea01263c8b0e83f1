#pragma once

class QSplashScreen;

namespace rv::app {

/// The splash window shown while the program starts (`frmSplash`), already painted.
QSplashScreen* ShowSplash();

} // namespace rv::app
