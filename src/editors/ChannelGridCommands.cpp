// Whole-channel commands of the channel grid: copy, paste, undo, redo.
#include "frmCommChInfo.h"

#include "ChannelClipboard.h"
#include "ChannelHistory.h"
#include "ChannelTableModel.h"
#include "ChannelTexts.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QTableView>

#include <set>

namespace rv::ui {

bool frmCommChInfo::handleChannelShortcut(const QKeyEvent& key) {
    if (key.matches(QKeySequence::Copy))
        copyChannels();
    else if (key.matches(QKeySequence::Paste))
        pasteChannels();
    else if (key.matches(QKeySequence::Undo))
        undo();
    else
        redo();
    return true;
}

void frmCommChInfo::copyChannels() {
    std::set<int> rows;
    for (const QModelIndex& i : grid_->selectionModel()->selectedIndexes())
        rows.insert(i.row() + 1);
    if (rows.empty()) rows.insert(currentRow());
    const QString text = ChannelRowsText(ctx_.session, {rows.begin(), rows.end()});
    QGuiApplication::clipboard()->setText(text);
}

void frmCommChInfo::pasteChannels() {
    const auto rows = ParseChannelRows(QGuiApplication::clipboard()->text());
    if (rows.empty()) return;
    SaveShowGridData();
    {
        ChannelTransaction t(ctx_, this, this);
        PasteChannelRows(t, currentRow(), rows, ctx_.lang());
    }
    skipNextCommit_ = true;
    enterCell(false);
}

void frmCommChInfo::undo() {
    // Typing not yet committed is dropped, as a spreadsheet drops it.
    closeEditor();
    if (UndoChannelEdit(ctx_, this)) {
        skipNextCommit_ = true;
        enterCell(false);
    }
}

void frmCommChInfo::redo() {
    closeEditor();
    if (RedoChannelEdit(ctx_, this)) {
        skipNextCommit_ = true;
        enterCell(false);
    }
}

void frmCommChInfo::showContextMenu(const QPoint& pos) {
    SaveShowGridData();
    QMenu menu(this);
    auto& history = ChannelHistory::of(ctx_);
    menu.addAction(Tr(ctx_, ChannelTexts::CopyChannels), QKeySequence::Copy, this,
                   &frmCommChInfo::copyChannels);
    menu.addAction(Tr(ctx_, ChannelTexts::PasteChannels), QKeySequence::Paste, this,
                   &frmCommChInfo::pasteChannels);
    menu.addSeparator();
    menu.addAction(Tr(ctx_, ChannelTexts::Undo), QKeySequence::Undo, this, &frmCommChInfo::undo)
        ->setEnabled(history.canUndo(ctx_.session.Doc));
    menu.addAction(Tr(ctx_, ChannelTexts::Redo), QKeySequence(Qt::CTRL | Qt::Key_Y), this,
                   &frmCommChInfo::redo)
        ->setEnabled(history.canRedo(ctx_.session.Doc));
    menu.exec(grid_->viewport()->mapToGlobal(pos));
}

} // namespace rv::ui
