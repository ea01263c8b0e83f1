#include "FrmScanInfo.h"

namespace rv::ui {

FrmScanInfo::FrmScanInfo(AppContext& ctx, QWidget* parent) : ChildWindow(ctx, QStringLiteral("FrmScanInfo"), parent) {}

} // namespace rv::ui
