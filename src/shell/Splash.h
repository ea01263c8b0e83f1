#pragma once

class QSplashScreen;

namespace rv::ui {

/// The splash window shown while the program starts (`frmSplash`), already painted.
QSplashScreen* ShowSplash();

} // namespace rv::ui
