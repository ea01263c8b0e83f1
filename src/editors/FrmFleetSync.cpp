#include "FrmFleetSync.h"

namespace rv::ui {

FrmFleetSync::FrmFleetSync(AppContext& ctx, QWidget* parent) : ChildWindow(ctx, QStringLiteral("FrmFleetSync"), parent) {}

} // namespace rv::ui
