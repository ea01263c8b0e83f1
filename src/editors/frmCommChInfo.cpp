#include "frmCommChInfo.h"

namespace rv::ui {

frmCommChInfo::frmCommChInfo(AppContext& ctx, QWidget* parent) : ChildWindow(ctx, QStringLiteral("frmCommChInfo"), parent) {}

} // namespace rv::ui
