#include "FrmOptFeatures.h"

namespace rv::ui {

FrmOptFeatures::FrmOptFeatures(AppContext& ctx, QWidget* parent) : ChildWindow(ctx, QStringLiteral("FrmOptFeatures"), parent) {}

} // namespace rv::ui
