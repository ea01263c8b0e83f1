#include "FrmCHInfoEdit.h"

namespace rv::ui {

FrmCHInfoEdit::FrmCHInfoEdit(AppContext& ctx, QWidget* parent) : ChildWindow(ctx, QStringLiteral("FrmCHInfoEdit"), parent) {}

} // namespace rv::ui
