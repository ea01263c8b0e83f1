#include "ServiceEntry.h"

namespace rv::ui {

// Placeholders until the service windows are built.
void OpenTestMode(AppContext&, QWidget*) {}
void OpenRadioInfo(AppContext&, QWidget*) {}
void OpenSetRadioInfo(AppContext&, QWidget*) {}

} // namespace rv::ui
