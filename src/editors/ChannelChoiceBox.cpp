#include "ChannelChoiceBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>

#include <algorithm>
#include <map>

namespace rv::editors {

ChannelChoiceBox::ChannelChoiceBox(const QString& objectName, Reader reader, QWidget* parent)
    : QComboBox(parent), reader_(std::move(reader)) {
    setObjectName(objectName);
    setEditable(false);
    setMaxVisibleItems(16);
    view()->installEventFilter(this);
}

int ChannelChoiceBox::match(const QString& typed) const {
    const int whole = reader_ ? reader_(typed) : -1;
    return whole >= 0 && whole < count() ? whole : entryStartingWith(typed);
}

int ChannelChoiceBox::entryStartingWith(const QString& typed) const {
    for (int i = 0; i < count(); ++i)
        if (itemText(i).startsWith(typed, Qt::CaseInsensitive)) return i;
    return -1;
}

void ChannelChoiceBox::showEvent(QShowEvent* e) {
    // Each opening of the cell starts a new entry.
    typed_.clear();
    QComboBox::showEvent(e);
}

void ChannelChoiceBox::focusInEvent(QFocusEvent* e) {
    // Coming back from the open list keeps what was typed there.
    if (e->reason() != Qt::PopupFocusReason) typed_.clear();
    QComboBox::focusInEvent(e);
}

void ChannelChoiceBox::keyPressEvent(QKeyEvent* e) {
    // Shift with an arrow selects; it never steps the value.
    const auto mods = e->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::NoModifier && step(e->key())) return;
    if (typeKey(*e)) return;
    // Space on an untouched box, Alt+Down and F4 open the list as usual.
    QComboBox::keyPressEvent(e);
}

bool ChannelChoiceBox::typeKey(const QKeyEvent& e) {
    const auto mods = e.modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if (mods != Qt::NoModifier) return false;
    if (e.key() == Qt::Key_Backspace) {
        typed_.chop(1);
        if (const int i = match(typed_); i >= 0) setCurrentIndex(i);
        return true;
    }
    const QString text = e.text();
    const bool printable = !text.isEmpty() && text[0].isPrint();
    if (!printable || (text == QStringLiteral(" ") && typed_.isEmpty())) return false;
    if (!type(text)) QApplication::beep();
    return true;
}

bool ChannelChoiceBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view() && event->type() == QEvent::KeyPress &&
        typeIntoList(*static_cast<QKeyEvent*>(event)))
        return true;
    return QComboBox::eventFilter(watched, event);
}

bool ChannelChoiceBox::typeIntoList(const QKeyEvent& e) {
    const bool enter = e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter;
    if (enter && !pendingText().isEmpty()) {
        // The typed text names no entry: the list closes and the owner refuses it.
        hidePopup();
        emit activated(currentIndex());
        return true;
    }
    if (!typeKey(e)) return false;
    view()->setCurrentIndex(model()->index(currentIndex(), modelColumn()));
    return true;
}

bool ChannelChoiceBox::step(int key) {
    const int i = currentIndex();
    const int last = count() - 1;
    const int page = std::max(1, maxVisibleItems() - 1);
    const std::map<int, int> to{{Qt::Key_Up, std::max(0, i - 1)},
                                {Qt::Key_Down, std::min(last, i + 1)},
                                {Qt::Key_PageUp, std::max(0, i - page)},
                                {Qt::Key_PageDown, std::min(last, std::max(0, i) + page)},
                                {Qt::Key_Home, 0},
                                {Qt::Key_End, last}};
    const auto it = to.find(key);
    if (it == to.end()) return false;
    typed_.clear();
    setCurrentIndex(it->second);
    return true;
}

QString ChannelChoiceBox::pendingText() const {
    return reader_ && !typed_.isEmpty() && reader_(typed_) < 0 ? typed_ : QString();
}

bool ChannelChoiceBox::type(const QString& text) {
    if (reader_) {
        typed_ += text;
        if (const int i = match(typed_); i >= 0) setCurrentIndex(i);
        return true;
    }
    // A key that leads nowhere from what was typed may start a new entry on its own.
    for (const QString& candidate : {typed_ + text, text}) {
        const int i = match(candidate);
        if (i < 0) continue;
        typed_ = candidate;
        setCurrentIndex(i);
        return true;
    }
    return false;
}

void ChannelChoiceBox::wheelEvent(QWheelEvent* e) {
    const int dy = e->angleDelta().y();
    if (dy != 0) step(dy > 0 ? Qt::Key_Up : Qt::Key_Down);
    e->accept();
}

} // namespace rv::editors
