#include "ChildWindow.h"

namespace rv::ui {

ChildWindow::ChildWindow(AppContext& ctx, const QString& formName, QWidget* parent)
    : QWidget(parent), ctx_(ctx) {
    setObjectName(formName);
    setAttribute(Qt::WA_DeleteOnClose);
}

} // namespace rv::ui
