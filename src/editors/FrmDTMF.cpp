#include "FrmDTMF.h"

namespace rv::ui {

FrmDTMF::FrmDTMF(AppContext& ctx, QWidget* parent) : ChildWindow(ctx, QStringLiteral("FrmDTMF"), parent) {}

} // namespace rv::ui
