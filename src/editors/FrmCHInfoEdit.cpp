#include "FrmCHInfoEdit.h"

#include "ChannelChoiceBox.h"
#include "ChannelClipboard.h"
#include "ChannelTexts.h"
#include "ChannelTransaction.h"
#include "ChannelWindows.h"
#include "SettingsInput.h"
#include "data/ChannelCellText.h"
#include "data/Conversions.h"
#include "frmCommChInfo.h"
#include "ui/Prompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>

namespace rv::editors {

namespace {

using K = rv::ChannelFieldKind;

// The setting each box Combo2(i) commits, by i.
constexpr std::array<K, 9> BoxKinds{K::RxCode,      K::TxCode,  K::OptSignal,
                                    K::SpUnmute,    K::TxPower, K::WideNarrow,
                                    K::BusyLockout, K::PttId,   K::AutodialMem};
// The setting each check box Check1(i) commits.
constexpr std::array<K, 3> CheckKinds{K::BeatShift, K::ScanAddCheck, K::Compander};

constexpr int Px(int twips) {
    return twips / 15;
}

} // namespace

FrmCHInfoEdit::FrmCHInfoEdit(ui::AppContext& ctx, QWidget* parent)
    : ui::ChildWindow(ctx, QStringLiteral("FrmCHInfoEdit"), parent) {
    resize(Px(7155), Px(6675));
    buildControls();
    layOut();
    changeShowByLanguage();
    SetGridEditData(true);
    checks_[2]->hide(); // the compander is kept but not offered
}

void FrmCHInfoEdit::buildControls() {
    selector_ = new QComboBox(this);
    selector_->setObjectName(QStringLiteral("Combo1"));
    for (int n = 1; n <= 16; ++n)
        selector_->addItem(QString::number(n));
    selectorLabel_ = new QLabel(this);
    selectorLabel_->setObjectName(QStringLiteral("Label1"));
    selector_->installEventFilter(this);
    connect(selector_, &QComboBox::activated, this, [this] { SetGridEditData(false); });

    const auto onShortcut = [this](const QKeyEvent& k) { onChannelShortcut(k); };
    rxBox_ = new QLineEdit(this);
    rxBox_->setObjectName(QStringLiteral("Text1"));
    txBox_ = new QLineEdit(this);
    txBox_->setObjectName(QStringLiteral("Text2"));
    for (auto* box : {rxBox_, txBox_}) {
        InstallFrequencyRule(box, onShortcut);
        box->installEventFilter(this);
    }
    for (int i = 0; i < 9; ++i) {
        const QString name = QStringLiteral("Combo2_%1").arg(i);
        // The tone boxes take a typed tone whole, as the grid's do.
        const bool tone = BoxKinds[i] == K::RxCode || BoxKinds[i] == K::TxCode;
        boxes_[i] =
            tone ? new ChannelChoiceBox(
                       name, [](const QString& t) { return rv::ToneEntryOfText(t.toStdString()); },
                       this)
                 : new QComboBox(this);
        boxes_[i]->setObjectName(name);
        boxes_[i]->setMaxVisibleItems(16);
        boxes_[i]->installEventFilter(this);
        connect(boxes_[i], &QComboBox::activated, this, [this, i] { onComboActivated(i); });
    }
    for (int i = 0; i < 3; ++i) {
        checks_[i] = new QCheckBox(this);
        checks_[i]->setObjectName(QStringLiteral("Check1_%1").arg(i));
        checks_[i]->installEventFilter(this);
        connect(checks_[i], &QCheckBox::clicked, this, [this, i](bool on) {
            commit(CheckKinds[i], on ? QStringLiteral("1") : QStringLiteral("0"));
        });
    }
    for (int i = 0; i < 11; ++i) {
        labels_[i] = new QLabel(this);
        labels_[i]->setObjectName(QStringLiteral("Label2_%1").arg(i));
    }
    // Ctrl+Z and Ctrl+Y belong to the Edit menu; only a dialog shown on its own takes them
    // from its boxes (see eventFilter).
}

void FrmCHInfoEdit::layOut() {
    auto* grid = new QGridLayout;
    // Each label ends 100 twips left of its control.
    grid->setHorizontalSpacing(Px(100));
    const auto addRow = [grid](int row, QLabel* label, QWidget* control) {
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(control);
        grid->addWidget(label, row, 0);
        grid->addWidget(control, row, 1);
    };
    addRow(0, selectorLabel_, selector_);
    addRow(1, labels_[0], rxBox_);
    addRow(2, labels_[1], txBox_);
    for (int i = 0; i < 9; ++i)
        addRow(3 + i, labels_[2 + i], boxes_[i]);
    auto* checks = new QHBoxLayout;
    for (auto* c : checks_)
        checks->addWidget(c);
    grid->addLayout(checks, 12, 1);
    auto* buttons = new QHBoxLayout;
    buttons_ = CommandButtons(this, buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
}

void FrmCHInfoEdit::changeShowByLanguage() {
    setWindowTitle(ui::Tr(ctx_, ChannelTexts::ChannelEdit));
    selectorLabel_->setText(ui::Tr(ctx_, ChannelTexts::SelectorLabel));
    labels_[0]->setText(ui::Tr(ctx_, ChannelTexts::DialogLabel(K::RxFreq)));
    labels_[1]->setText(ui::Tr(ctx_, ChannelTexts::DialogLabel(K::TxFreq)));
    for (std::size_t i = 0; i < BoxKinds.size(); ++i)
        labels_[2 + i]->setText(ui::Tr(ctx_, ChannelTexts::DialogLabel(BoxKinds[i])));
    for (std::size_t i = 0; i < checks_.size(); ++i)
        checks_[i]->setText(ui::Tr(ctx_, ChannelTexts::FieldLabel(CheckKinds[i])));
    buttons_.caption(ctx_.lang());
    reShow();
}

frmCommChInfo* FrmCHInfoEdit::grid() const {
    return FindChannelWindow<frmCommChInfo>(ctx_, QStringLiteral("frmCommChInfo"));
}

void FrmCHInfoEdit::SetGridEditData(bool fromGrid) {
    if (fromGrid) {
        if (auto* g = grid()) channel_ = g->editRow();
    } else {
        channel_ = selector_->currentIndex() + 1;
    }
    channel_ = std::clamp(channel_, 1, 16);
    selector_->setCurrentIndex(channel_ - 1);
    reShow();
}

void FrmCHInfoEdit::reShow() {
    // An empty slot shows blank boxes; only its receive frequency can be typed.
    loading_ = true;
    const auto& s = ctx_.session;
    const rv::ChannelInfo* ch = rv::ChannelOf(s.Doc, channel_);
    rxBox_->setText(ch ? Q(rv::ChannelFieldText(s, *ch, K::RxFreq)) : QString());
    txBox_->setEnabled(ch);
    txBox_->setText(ch ? Q(rv::ChannelFieldText(s, *ch, K::TxFreq)) : QString());
    // An empty transmit frequency shows the receive one as a hint, never as a value.
    txBox_->setPlaceholderText(rxBox_->text());
    fillLists(ch);
    const int flags[] = {ch ? ch->BeatShift : 0, ch ? ch->ScanAdd : 0, ch ? ch->Compander : 0};
    for (int i = 0; i < 3; ++i) {
        checks_[i]->setEnabled(ch);
        checks_[i]->setChecked(flags[i] != 0);
    }
    loading_ = false;
}

void FrmCHInfoEdit::fillLists(const rv::ChannelInfo* ch) {
    const auto& s = ctx_.session;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const rv::SettingRow& row = ChannelTexts::FieldRow(BoxKinds[i], channel_);
        // Unlike the grid, the dialog keeps the encode list and tone of a channel without
        // transmit frequency; only a frequency that is no text at all closes it.
        const bool encode = ch && BoxKinds[i] == K::TxCode && !ch->TxFreq.get().empty();
        QStringList entries;
        if (ch) entries = Entries(encode ? row.choices : rv::OfferedChoices(row, s), ctx_.lang());
        boxes_[i]->setEnabled(!entries.isEmpty());
        if (entries.isEmpty()) entries << QStringLiteral(" ");
        boxes_[i]->clear();
        boxes_[i]->addItems(entries);
        const std::string shown =
            encode ? rv::ToneToText(s, ch->TxCode.get()) : rv::textOf(s, row.key);
        int at = boxes_[i]->findText(Q(shown), Qt::MatchExactly);
        // A stored lockout the list does not offer shows as "Off"; the value stays stored.
        if (at < 0 && (!ch || BoxKinds[i] == K::BusyLockout)) at = 0;
        boxes_[i]->setCurrentIndex(at);
    }
}

void FrmCHInfoEdit::commit(K kind, const QString& text) {
    if (loading_) return;
    ChannelTransaction t(ctx_, this, this);
    t.commit(channel_, kind, text);
}

void FrmCHInfoEdit::commitFrequency(QLineEdit* box, K kind) {
    const rv::ChannelInfo* ch = rv::ChannelOf(ctx_.session.Doc, channel_);
    const QString shown = ch ? Q(rv::ChannelFieldText(ctx_.session, *ch, kind)) : QString();
    // Leaving a box whose text was not changed writes nothing.
    if (box->text() != shown) commit(kind, box->text());
    SetGridEditData(false);
}

void FrmCHInfoEdit::onComboActivated(int i) {
    if (qobject_cast<ChannelChoiceBox*>(boxes_[i])) {
        commitTypedTone(i);
        return;
    }
    const QString text = boxes_[i]->currentText();
    if (text.isEmpty() || text == QStringLiteral(" ")) return;
    // The commit reloads the dialog, which rebuilds the unmute and lockout lists from the
    // new decode tone and option signalling.
    commit(BoxKinds[i], text);
}

void FrmCHInfoEdit::commitTypedTone(int i) {
    auto* box = qobject_cast<ChannelChoiceBox*>(boxes_[i]);
    if (!box || loading_) return;
    const QString pending = box->pendingText();
    box->clearTyping();
    if (!pending.isEmpty()) {
        ctx_.noteRefusedEdit();
        const auto reading = rv::ReadChannelCell(ctx_.session, BoxKinds[i], pending.toStdString());
        // The box shows the stored value again before the message takes the focus: leaving
        // the box then finds nothing to commit (it would otherwise take the nearest entry).
        reShow();
        ui::Tell(
            ctx_, this,
            RefusedCellsText({{channel_, static_cast<int>(BoxKinds[i]), pending, reading.rule}},
                             ctx_.lang(), false),
            rv::MsgIcon::Exclamation);
        return;
    }
    const rv::ChannelInfo* ch = rv::ChannelOf(ctx_.session.Doc, channel_);
    const QString text = box->currentText();
    if (ch && !text.isEmpty() && text != Q(rv::ChannelFieldText(ctx_.session, *ch, BoxKinds[i])))
        commit(BoxKinds[i], text);
}

void FrmCHInfoEdit::onDocumentEdited(QObject* source) {
    if (source && source == grid())
        SetGridEditData(true);
    else
        reShow();
}

void FrmCHInfoEdit::onChannelShortcut(const QKeyEvent& key) {
    // Whole channels are copied in the grid; here only undo and redo apply.
    if (key.matches(QKeySequence::Copy) || key.matches(QKeySequence::Paste)) return;
    QUndoStack& history = ctx_.undoStack();
    key.matches(QKeySequence::Undo) ? history.undo() : history.redo();
    reShow();
}

bool FrmCHInfoEdit::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    const bool isFreq = box && (box == rxBox_ || box == txBox_);
    const K kind = box == rxBox_ ? K::RxFreq : K::TxFreq;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        if (!isFreq && IsChannelShortcut(*keyEvent)) {
            onChannelShortcut(*keyEvent);
            return true;
        }
        const int key = keyEvent->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) break;
        // Enter commits a frequency and moves on, in every control.
        if (isFreq) commitFrequency(box, kind);
        focusNextChild();
        return true;
    }
    case QEvent::FocusIn:
        if (!isFreq) break;
        QTimer::singleShot(0, box, [box] {
            if (!box->text().isEmpty()) box->selectAll();
        });
        break;
    case QEvent::FocusOut:
        if (auto* tone = qobject_cast<ChannelChoiceBox*>(watched);
            tone && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            const auto at = std::find(boxes_.begin(), boxes_.end(), tone);
            if (at != boxes_.end()) commitTypedTone(static_cast<int>(at - boxes_.begin()));
        }
        // Loading may disable the box that has the focus; that is no edit to commit.
        if (isFreq && !loading_ &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            commitFrequency(box, kind);
        break;
    default:
        break;
    }
    return ui::ChildWindow::eventFilter(watched, event);
}

} // namespace rv::editors
