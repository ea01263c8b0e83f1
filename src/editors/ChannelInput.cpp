#include "ChannelInput.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpressionValidator>

namespace rv::ui {

namespace {

bool IsClipboardKey(const QKeyEvent& e) {
    if (e.matches(QKeySequence::Copy) || e.matches(QKeySequence::Paste) ||
        e.matches(QKeySequence::Cut))
        return true;
    // The control codes of Ctrl+C, Ctrl+V and Ctrl+X, however the platform spells them.
    const QString t = e.text();
    return t.size() == 1 && (t[0] == QChar(3) || t[0] == QChar(22) || t[0] == QChar(24));
}

} // namespace

bool IsChannelShortcut(const QKeyEvent& e) {
    return e.matches(QKeySequence::Copy) || e.matches(QKeySequence::Paste) ||
           e.matches(QKeySequence::Undo) || e.matches(QKeySequence::Redo) ||
           (e.key() == Qt::Key_Y && e.modifiers() == Qt::ControlModifier);
}

bool IsDiscardedFrequencyKey(const QKeyEvent& e) {
    if (IsClipboardKey(e)) return true;
    const QString t = e.text();
    if (t.isEmpty()) return false;
    const char16_t c = t[0].unicode();
    if (c > 127) return true;
    if (c < 32 || c == 127) return false; // Backspace and the other control characters
    if (e.modifiers() & Qt::ControlModifier) return false;
    return !((c >= u'0' && c <= u'9') || c == u'.');
}

FrequencyKeyFilter::FrequencyKeyFilter(QLineEdit* box, int maxLength, ShortcutHandler onShortcut)
    : QObject(box), box_(box), maxLength_(maxLength), onShortcut_(std::move(onShortcut)) {
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAcceptDrops(false);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    // Whatever gets past the key rule still has to be digits and points.
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), box));
    box->installEventFilter(this);
}

// The limit holds for typing only: the program may show a longer canonical text.
bool FrequencyKeyFilter::isTooLong(const QKeyEvent& e) const {
    const QString t = e.text();
    if (t.isEmpty() || t[0].unicode() < 32 || (e.modifiers() & Qt::ControlModifier)) return false;
    return box_->text().size() - box_->selectedText().size() >= maxLength_;
}

bool FrequencyKeyFilter::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        auto* key = static_cast<QKeyEvent*>(event);
        // Undo and redo go to the document's undo stack, not to the box's own typing.
        if (IsChannelShortcut(*key) || IsClipboardKey(*key)) {
            event->accept();
            return true;
        }
        return false;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsChannelShortcut(*key)) {
            if (onShortcut_) onShortcut_(*key);
            return true;
        }
        return IsDiscardedFrequencyKey(*key) || isTooLong(*key);
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        // X11 pastes the selection on a middle click.
        return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
    default:
        return false;
    }
}

bool IsInside(const QWidget* w, const QWidget* ancestor) {
    for (; w; w = w->parentWidget())
        if (w == ancestor) return true;
    return false;
}

} // namespace rv::ui
