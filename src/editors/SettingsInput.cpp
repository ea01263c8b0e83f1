#include "SettingsInput.h"

#include "data/Catalogue.h"
#include "data/Conversions.h"
#include "kit/AppContext.h"
#include "kit/ChildWindow.h"
#include "kit/Prompt.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMouseEvent>

#include <utility>
#include <vector>

namespace rv::ui {

namespace {

bool IsClipboardKey(const QKeyEvent* e) {
    if (e->matches(QKeySequence::Copy) || e->matches(QKeySequence::Paste) ||
        e->matches(QKeySequence::Cut))
        return true;
    // Ctrl+C, Ctrl+V and Ctrl+X arrive as the control characters 3, 22 and 24.
    const QString t = e->text();
    return t.size() == 1 && (t[0] == QChar(3) || t[0] == QChar(22) || t[0] == QChar(24));
}

bool IsEnter(const QKeyEvent* e) {
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

/// The key filter of one text box.
class KeyRuleFilter : public QObject {
public:
    KeyRuleFilter(QLineEdit* box, CharRule rule, std::function<void()> onEnter)
        : QObject(box), box_(box), rule_(rule), onEnter_(std::move(onEnter)) {}

protected:
    bool eventFilter(QObject* o, QEvent* ev) override {
        if (o != box_) return false;
        if (ev->type() == QEvent::ShortcutOverride) {
            // Keep clipboard shortcuts from reaching any application-wide action.
            auto* k = static_cast<QKeyEvent*>(ev);
            if (IsClipboardKey(k)) k->accept();
            return false;
        }
        switch (ev->type()) {
        case QEvent::KeyPress:
            return handleKey(static_cast<QKeyEvent*>(ev));
        case QEvent::InputMethod:
            // Composed text would pass no key rule; the commit refuses it as well.
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            // X11 pastes the selection on a middle click.
            return static_cast<QMouseEvent*>(ev)->button() == Qt::MiddleButton;
        default:
            return false;
        }
    }

private:
    bool handleKey(QKeyEvent* k) {
        if (IsEnter(k)) {
            if (onEnter_)
                onEnter_();
            else
                FocusNext(box_);
            return true;
        }
        if (IsClipboardKey(k)) return true;
        const QString t = k->text();
        if (t.isEmpty()) return false;
        const QChar c = t[0];
        if (c.unicode() > 127) return true;
        if (c.unicode() < 32 || c.unicode() == 127) return false; // Backspace, Delete, Tab
        const QChar mapped = rule_(c);
        if (mapped.isNull()) return true;
        if (mapped == c && t.size() == 1) return false;
        box_->insert(QString(mapped));
        return true;
    }

    QLineEdit* box_;
    CharRule rule_;
    std::function<void()> onEnter_;
};

class EnterFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* ev) override {
        if (ev->type() != QEvent::KeyPress || !IsEnter(static_cast<QKeyEvent*>(ev))) return false;
        FocusNext(static_cast<QWidget*>(o));
        return true;
    }
};

} // namespace

SettingsCombo::SettingsCombo(const QString& objectName, QWidget* parent) : QComboBox(parent) {
    setObjectName(objectName);
    setEditable(false);
    setMaxVisibleItems(16);
    // A stored value outside the list is shown like any other value, not as a grey hint.
    QPalette p = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        p.setColor(group, QPalette::PlaceholderText, p.color(group, QPalette::Text));
    setPalette(p);
}

void SettingsCombo::showEntry(int index) {
    setPlaceholderText(QString());
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

void SettingsCombo::showText(const QString& text) {
    const int i = findText(text, Qt::MatchExactly);
    setPlaceholderText(i < 0 ? text : QString());
    setCurrentIndex(i);
}

void SettingsCombo::setEntries(const QStringList& entries) {
    clear();
    addItems(entries);
    setCurrentIndex(-1);
}

QChar FreqRule(QChar c) {
    return ((c >= u'0' && c <= u'9') || c == u'.') ? c : QChar();
}

CharRule RowKeyRule(const rv::SettingRow& row) {
    return [allowed = QString::fromStdString(row.allowed)](QChar c) {
        if (allowed.isEmpty()) return c;
        if (allowed.contains(c.toUpper())) return c.toUpper();
        return allowed.contains(c) ? c : QChar();
    };
}

void InstallKeyRule(QLineEdit* box, CharRule rule, std::function<void()> onEnter) {
    box->installEventFilter(new KeyRuleFilter(box, rule, std::move(onEnter)));
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAcceptDrops(false);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
}

void InstallEnterMovesFocus(QWidget* w) {
    w->installEventFilter(new EnterFilter(w));
}

void InstallEnterMovesFocusOnControls(QWidget* window) {
    for (auto* box : window->findChildren<QComboBox*>())
        InstallEnterMovesFocus(box);
    for (auto* check : window->findChildren<QCheckBox*>())
        InstallEnterMovesFocus(check);
}

void FocusNext(QWidget* w) {
    // The focus stays inside the child window: the other windows of the document area
    // share the focus chain.
    QWidget* scope = w;
    while (scope->parentWidget() && !qobject_cast<ChildWindow*>(scope))
        scope = scope->parentWidget();
    // Walk the focus chain instead of sending Tab, which a grid would take as its own
    // cell navigation.
    for (QWidget* next = w->nextInFocusChain(); next && next != w;
         next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isVisible() && next->isEnabled() &&
            scope->isAncestorOf(next)) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void TellRefused(AppContext& ctx, QWidget* parent, rv::Msg m) {
    ctx.noteRefusedEdit();
    if (m != rv::Msg::InvalidData)
        Ask(ctx, parent, m);
    else
        Tell(ctx, parent, QString::fromStdString(rv::MsgText(m, ctx.lang())), rv::MsgIcon::Error);
}

void CloseChildWindow(QWidget* w) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(w->parentWidget()))
        frame->close();
    else
        w->close();
}

QStringList Entries(const rv::ChoiceList& list, int language) {
    QStringList l;
    for (const std::string& t : rv::ChoiceTexts(list, language))
        l << QString::fromStdString(t);
    return l;
}

} // namespace rv::ui
