#include "FrmKeyAssignm.h"

namespace rv::ui {

FrmKeyAssignm::FrmKeyAssignm(AppContext& ctx, QWidget* parent) : ChildWindow(ctx, QStringLiteral("FrmKeyAssignm"), parent) {}

} // namespace rv::ui
