#include "FrmEmbMsg.h"

namespace rv::ui {

FrmEmbMsg::FrmEmbMsg(AppContext& ctx, QWidget* parent) : ChildWindow(ctx, QStringLiteral("FrmEmbMsg"), parent) {}

} // namespace rv::ui
