#include "FrmTestFre.h"

namespace rv::ui {

FrmTestFre::FrmTestFre(AppContext& ctx, QWidget* parent) : ChildWindow(ctx, QStringLiteral("FrmTestFre"), parent) {}

} // namespace rv::ui
