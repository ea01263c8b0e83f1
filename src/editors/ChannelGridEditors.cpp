// The in-place editors of the channel grid: placing, committing and their keys.
#include "frmCommChInfo.h"

#include "ChannelCellDelegate.h"
#include "ChannelChoiceBox.h"
#include "ChannelClipboard.h"
#include "ChannelTableModel.h"
#include "ChannelTransaction.h"
#include "ChannelWindows.h"
#include "FrmCHInfoEdit.h"
#include "SettingsInput.h"
#include "data/ChannelCellText.h"
#include "ui/Prompt.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>

namespace rv::editors {

using M = ChannelTableModel;

namespace {

bool IsTypedCharacter(const QKeyEvent& key) {
    const QString t = key.text();
    const auto mods = key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return mods == Qt::NoModifier && !t.isEmpty() && t[0].isPrint();
}

// Shift with a key that moves the cursor extends the grid's selection, from any editor;
// in a drop-down box the side arrows and Home/End select as well.
bool IsSelectionKey(const QKeyEvent& key, bool isCombo) {
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::ShiftModifier) return false;
    const int k = key.key();
    if (k == Qt::Key_Up || k == Qt::Key_Down || k == Qt::Key_PageUp || k == Qt::Key_PageDown)
        return true;
    return isCombo &&
           (k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Home || k == Qt::Key_End);
}

} // namespace

void frmCommChInfo::buildEditors() {
    // One editor per kind, made once and moved over the cell being edited.
    for (int c = M::RxFreq; c <= M::WideNarrow; ++c) {
        const QString name = ChannelCellDelegate::editorName(c);
        if (editors_.contains(name)) continue;
        QWidget* w = delegate_->createEditor(grid_->viewport(), {}, model_->index(0, c));
        w->hide();
        w->installEventFilter(this);
        if (auto* combo = qobject_cast<QComboBox*>(w))
            connect(combo, &QComboBox::activated, this, &frmCommChInfo::onComboActivated);
        editors_.insert(name, w);
    }
    connect(grid_->horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        if (editor_) editor_->setGeometry(grid_->visualRect(editorIndex_));
    });
}

void frmCommChInfo::openEditorAt(int row, int column) {
    closeEditor();
    const QModelIndex index = model_->index(row - 1, column);
    QWidget* w = editors_.value(ChannelCellDelegate::editorName(column));
    if (!w) return;
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        // The list of the column, in the current language.
        combo->clear();
        combo->addItems(delegate_->listOf(column));
    }
    delegate_->setEditorData(w, index);
    w->setGeometry(grid_->visualRect(index));
    w->show();
    w->raise();
    editor_ = w;
    editorIndex_ = index;
}

void frmCommChInfo::closeEditor() {
    if (!editor_) return;
    QWidget* w = editor_;
    const bool hadFocus = IsInside(QApplication::focusWidget(), w);
    editorIndex_ = QPersistentModelIndex();
    editor_ = nullptr;
    if (hadFocus) grid_->setFocus();
    w->hide();
}

QString frmCommChInfo::editorText() const {
    if (auto* box = qobject_cast<QLineEdit*>(editor_)) return box->text();
    if (auto* tone = qobject_cast<ChannelChoiceBox*>(editor_);
        tone && !tone->pendingText().isEmpty())
        return tone->pendingText();
    if (auto* combo = qobject_cast<QComboBox*>(editor_)) return combo->currentText();
    return {};
}

void frmCommChInfo::SaveShowGridData() {
    if (!editor_ || committing_) return;
    const int row = editorIndex_.row() + 1;
    const int column = editorIndex_.column();
    const QString text = editorText();
    committing_ = true;
    closeEditor();
    // Passing through a cell commits nothing: only a changed text is written, so a
    // value the user did not touch is neither re-stepped nor reported again.
    if (M::isEditable(column) && text != cell(row, column)) {
        const auto kind = M::kindOf(column);
        const bool isFreq =
            kind == rv::ChannelFieldKind::RxFreq || kind == rv::ChannelFieldKind::TxFreq;
        // A frequency out of the band is put right by the commit and reported; any other
        // text its column does not take is refused with the rule, and nothing changes.
        const auto reading = isFreq ? rv::CellReading{true, text.toStdString(), {}}
                                    : rv::ReadChannelCell(ctx_.session, kind, text.toStdString());
        if (!reading.ok) {
            ctx_.noteRefusedEdit();
            ui::Tell(ctx_, this,
                     RefusedCellsText({{row, static_cast<int>(kind), text, reading.rule}},
                                      ctx_.lang(), false),
                     rv::MsgIcon::Exclamation);
        } else {
            ChannelTransaction t(ctx_, this, this);
            t.commit(row, kind, QString::fromStdString(reading.text));
        }
    }
    committing_ = false;
}

void frmCommChInfo::SetShowEditData() {
    if (!editor_) return;
    const QString text = cell(editorIndex_.row() + 1, editorIndex_.column());
    if (auto* box = qobject_cast<QLineEdit*>(editor_)) box->setText(text);
    if (auto* combo = qobject_cast<QComboBox*>(editor_))
        combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly));
}

bool frmCommChInfo::onEditorEvent(QWidget* editor, QEvent* event) {
    if (editor != editor_) return false;
    const bool isCombo = qobject_cast<QComboBox*>(editor) != nullptr;
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        if (isCombo && IsChannelShortcut(*static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
        return false;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsSelectionKey(*key, isCombo)) {
            SaveShowGridData();
            QKeyEvent forwarded(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
            QApplication::sendEvent(grid_, &forwarded);
            return true;
        }
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return onEnterKey();
        case Qt::Key_Tab:
            GridNextCol();
            return true;
        case Qt::Key_Backtab:
            return true;
        case Qt::Key_Escape:
            // Leaves the cell as it is; the grid keeps the cursor.
            closeEditor();
            return true;
        default:
            break;
        }
        if (isCombo && IsChannelShortcut(*key)) return handleChannelShortcut(*key);
        return false;
    }
    case QEvent::FocusOut: {
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason) return false;
        if (IsInside(QApplication::focusWidget(), editor)) return false;
        // Leaving the editor (another cell, a button, another window) commits it.
        SaveShowGridData();
        return false;
    }
    default:
        return false;
    }
}

bool frmCommChInfo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == editor_) return onEditorEvent(editor_, event);
    if (watched != grid_) return ui::ChildWindow::eventFilter(watched, event);
    if (event->type() == QEvent::ShortcutOverride &&
        IsChannelShortcut(*static_cast<QKeyEvent*>(event))) {
        // The grid's own copy and paste, and the document's undo, win over any menu shortcut.
        event->accept();
        return true;
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        EnterGridEdit();
        return true;
    }
    if (IsChannelShortcut(*key)) return handleChannelShortcut(*key);
    if (IsTypedCharacter(*key)) {
        typeIntoCell(key);
        return true;
    }
    return false;
}

void frmCommChInfo::typeIntoCell(QKeyEvent* key) {
    // As in a spreadsheet, a character typed on a cell opens its editor and starts anew.
    if (!editor_) {
        if (!M::isEditable(currentColumn())) return;
        enterCell(true);
        if (!editor_) return;
        if (auto* box = qobject_cast<QLineEdit*>(editor_)) box->clear();
    }
    QApplication::sendEvent(editor_, key);
}

void frmCommChInfo::onComboActivated() {
    SaveShowGridData();
    grid_->setFocus();
}

} // namespace rv::editors
