#pragma once

namespace rv::app {

/// Puts Qt's own texts (standard buttons of message boxes, file and print dialogs) into a
/// language of the program, in place of the ones chosen before; English needs no
/// translation. False when Qt's translation for the language is not installed.
bool UseQtTranslation(int language);

} // namespace rv::app
