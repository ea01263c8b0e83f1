#include "SettingsInput.h"

#include "data/Catalogue.h"
#include "data/Conversions.h"
#include "ui/AppContext.h"
#include "ui/ChildWindow.h"
#include "ui/Prompt.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QRegularExpressionValidator>

#include <utility>
#include <vector>

namespace rv::editors {

namespace {

bool IsEnter(const QKeyEvent* e) {
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

/// Moves the focus to the next control of the same child window, as Tab would.
void FocusNext(QWidget* w) {
    // The focus stays inside the child window: the other windows of the document area
    // share the focus chain.
    QWidget* scope = w;
    while (scope->parentWidget() && !qobject_cast<ui::ChildWindow*>(scope))
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

/// The key filter of one text box.
class KeyRuleFilter : public QObject {
public:
    KeyRuleFilter(QLineEdit* box, KeyRule rule) : QObject(box), box_(box), rule_(std::move(rule)) {}

protected:
    bool eventFilter(QObject* o, QEvent* ev) override {
        if (o != box_) return false;
        switch (ev->type()) {
        case QEvent::ShortcutOverride: {
            // Keep clipboard (and channel) shortcuts from reaching any application-wide action.
            auto* k = static_cast<QKeyEvent*>(ev);
            const bool channelKey = rule_.channelKeys && IsChannelShortcut(*k);
            if (IsClipboardKey(*k) || channelKey) k->accept();
            return channelKey;
        }
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
        if (rule_.channelKeys && IsChannelShortcut(*k)) {
            if (rule_.onChannelKey) rule_.onChannelKey(*k);
            return true;
        }
        if (IsEnter(k)) {
            if (rule_.onEnter)
                rule_.onEnter();
            else
                FocusNext(box_);
            return true;
        }
        if (IsClipboardKey(*k)) return true;
        const QString t = k->text();
        if (t.isEmpty()) return false;
        const QChar c = t[0];
        if (c.unicode() > 127) return true;
        // Backspace, Delete, Tab and the editing keys held with Ctrl
        if (c.unicode() < 32 || c.unicode() == 127 || (k->modifiers() & Qt::ControlModifier))
            return false;
        // The limit holds for typing only: the program may show a longer canonical text.
        if (rule_.maxTyped > 0 &&
            box_->text().size() - box_->selectedText().size() >= rule_.maxTyped)
            return true;
        const QChar mapped = rule_.chars(c);
        if (mapped.isNull()) return true;
        if (mapped == c && t.size() == 1) return false;
        box_->insert(QString(mapped));
        return true;
    }

    QLineEdit* box_;
    KeyRule rule_;
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

bool IsClipboardKey(const QKeyEvent& e) {
    if (e.matches(QKeySequence::Copy) || e.matches(QKeySequence::Paste) ||
        e.matches(QKeySequence::Cut))
        return true;
    // Ctrl+C, Ctrl+V and Ctrl+X arrive as the control characters 3, 22 and 24.
    const QString t = e.text();
    return t.size() == 1 && (t[0] == QChar(3) || t[0] == QChar(22) || t[0] == QChar(24));
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

void InstallKeyRule(QLineEdit* box, KeyRule rule) {
    box->installEventFilter(new KeyRuleFilter(box, std::move(rule)));
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAcceptDrops(false);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
}

void InstallFrequencyRule(QLineEdit* box, std::function<void(const QKeyEvent&)> onChannelKey) {
    InstallKeyRule(box, {.chars = FreqRule,
                         .maxTyped = FrequencyTextLength,
                         .channelKeys = true,
                         .onChannelKey = std::move(onChannelKey)});
    // Whatever gets past the key rule still has to be digits and points.
    box->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), box));
}

bool IsChannelShortcut(const QKeyEvent& e) {
    return e.matches(QKeySequence::Copy) || e.matches(QKeySequence::Paste) ||
           e.matches(QKeySequence::Undo) || e.matches(QKeySequence::Redo) ||
           (e.key() == Qt::Key_Y && e.modifiers() == Qt::ControlModifier);
}

bool IsInside(const QWidget* w, const QWidget* ancestor) {
    for (; w; w = w->parentWidget())
        if (w == ancestor) return true;
    return false;
}

void InstallEnterMovesFocusOnControls(QWidget* window) {
    for (auto* box : window->findChildren<QComboBox*>())
        box->installEventFilter(new EnterFilter(box));
    for (auto* check : window->findChildren<QCheckBox*>())
        check->installEventFilter(new EnterFilter(check));
}

void TellRefused(ui::AppContext& ctx, QWidget* parent, rv::Msg m) {
    ctx.noteRefusedEdit();
    if (m != rv::Msg::InvalidData)
        ui::Ask(ctx, parent, m);
    else
        ui::Tell(ctx, parent, QString::fromStdString(rv::MsgText(m, ctx.lang())),
                 rv::MsgIcon::Error);
}

QWidget* FrameOf(QWidget* w) {
    auto* frame = qobject_cast<QMdiSubWindow*>(w->parentWidget());
    return frame ? static_cast<QWidget*>(frame) : w;
}

QStringList Entries(const rv::ChoiceList& list, int language) {
    QStringList l;
    for (const std::string& t : rv::ChoiceTexts(list, language))
        l << QString::fromStdString(t);
    return l;
}

} // namespace rv::editors
