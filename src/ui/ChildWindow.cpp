#include "ChildWindow.h"

#include <QApplication>
#include <QFocusEvent>

namespace rv::ui {

ChildWindow::ChildWindow(AppContext& ctx, const QString& formName, QWidget* parent)
    : QWidget(parent), ctx_(ctx) {
    setObjectName(formName);
    setAttribute(Qt::WA_DeleteOnClose);
    connect(&ctx_, &AppContext::documentEdited, this, &ChildWindow::onDocumentEdited);
}

void ChildWindow::onDocumentEdited(QObject* source) {
    if (source != this) reShow();
}

bool ChildWindow::commitEdit() {
    const int refused = ctx_.refusedEdits();
    QWidget* focus = focusWidget();
    if (!focus) return true;
    if (focus->hasFocus()) {
        focus->clearFocus();
    } else {
        // In a window that is not active the box has no focus to lose: it is told as if.
        QFocusEvent out(QEvent::FocusOut, Qt::OtherFocusReason);
        QApplication::sendEvent(focus, &out);
        focus->clearFocus();
    }
    return ctx_.refusedEdits() == refused;
}

ChildWindow::~ChildWindow() {
    // The derived window is gone by now, but its boxes live on until QWidget's destructor,
    // which hides the window and so takes the focus away: the editingFinished of a box being
    // typed in must not reach a slot of the window that no longer exists.
    for (QObject* child : findChildren<QObject*>())
        QObject::disconnect(child, nullptr, this, nullptr);
}

} // namespace rv::ui
