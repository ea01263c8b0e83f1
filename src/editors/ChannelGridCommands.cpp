// Whole-channel commands of the channel grid: copy, paste, undo, redo and the operations
// that renumber channels.
#include "frmCommChInfo.h"

#include "ChannelClipboard.h"
#include "ChannelOperations.h"
#include "ChannelTableModel.h"
#include "ChannelTexts.h"
#include "ChannelTransaction.h"
#include "ui/Prompt.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QTableView>
#include <QUndoStack>

#include <set>

namespace rv::editors {

using M = ChannelTableModel;

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
    QGuiApplication::clipboard()->setText(ChannelRowsText(ctx_.session, selectedChannels()));
}

void frmCommChInfo::pasteChannels() {
    const QString text = QGuiApplication::clipboard()->text();
    if (IsCommunityLayout(text)) {
        SaveShowGridData();
        // Rows of a channel file go through the import and its preview.
        if (ctx_.host)
            ctx_.host->previewChannelImport(CommunityCsvOfPaste(text),
                                            ui::Tr(ctx_, ChannelTexts::PasteChannels));
        return;
    }
    auto rows = ParseChannelRows(text);
    if (rows.empty()) return;
    SaveShowGridData();
    if (const QString beyond = RowsBeyondLastChannel(currentRow(), rows.size(), ctx_.lang());
        !beyond.isEmpty()) {
        ui::Tell(ctx_, this, beyond, rv::MsgIcon::Exclamation);
        return;
    }
    const auto refused = ReadPastedRows(ctx_.session, currentRow(), rows);
    if (!refused.empty()) {
        ui::Tell(ctx_, this, RefusedCellsText(refused, ctx_.lang()), rv::MsgIcon::Exclamation);
        return;
    }
    {
        ChannelTransaction t(ctx_, this, this, ui::Tr(ctx_, ChannelTexts::PasteChannels));
        PasteChannelRows(t, currentRow(), rows);
    }
    skipNextCommit_ = true;
    enterCell(false);
}

void frmCommChInfo::undo() {
    undoRedo(true);
}

void frmCommChInfo::redo() {
    undoRedo(false);
}

void frmCommChInfo::undoRedo(bool undo) {
    // Typing not yet committed is dropped, as a spreadsheet drops it.
    closeEditor();
    QUndoStack& history = ctx_.undoStack();
    if (!(undo ? history.canUndo() : history.canRedo())) return;
    undo ? history.undo() : history.redo();
    skipNextCommit_ = true;
    enterCell(false);
}

std::vector<int> frmCommChInfo::selectedChannels() const {
    std::set<int> rows;
    for (const QModelIndex& i : grid_->selectionModel()->selectedIndexes())
        rows.insert(i.row() + 1);
    if (rows.empty()) rows.insert(currentRow());
    return {rows.begin(), rows.end()};
}

void frmCommChInfo::selectRows(int first, int last) {
    setCurrentCell(first, currentColumn() < 0 ? M::RxFreq : currentColumn());
    const QItemSelection rows(model_->index(first - 1, 0), model_->index(last - 1, M::More));
    grid_->selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
}

void frmCommChInfo::channelStep(const QString& name, int row,
                                const std::function<void(ChannelTransaction&)>& change) {
    SaveShowGridData();
    {
        ChannelTransaction t(ctx_, this, this, name);
        change(t);
    }
    skipNextCommit_ = true;
    setCurrentCell(row, currentColumn());
    enterCell(false);
}

void frmCommChInfo::insertChannel() {
    const int row = currentRow();
    if (ChannelOf(ctx_.session.Doc, 16)) {
        ui::Tell(ctx_, this, ui::Tr(ctx_, ChannelTexts::Channel16InUse), rv::MsgIcon::Exclamation);
        return;
    }
    channelStep(ui::Tr(ctx_, ChannelTexts::InsertChannel), row,
                [row](ChannelTransaction& t) { InsertEmptyChannel(t.doc(), row); });
}

void frmCommChInfo::deleteChannels() {
    const auto chNos = selectedChannels();
    channelStep(ui::Tr(ctx_, ChannelTexts::DeleteChannels), chNos.front(),
                [&chNos](ChannelTransaction& t) { DeleteChannelsClosingGap(t.doc(), chNos); });
}

void frmCommChInfo::moveChannel(int delta) {
    const int row = currentRow();
    if (row + delta < 1 || row + delta > M::RowCount) return;
    channelStep(ui::Tr(ctx_, delta < 0 ? ChannelTexts::MoveUp : ChannelTexts::MoveDown),
                row + delta,
                [row, delta](ChannelTransaction& t) { MoveChannel(t.doc(), row, delta); });
}

void frmCommChInfo::sortByRx() {
    channelStep(ui::Tr(ctx_, ChannelTexts::SortByRx), 1,
                [](ChannelTransaction& t) { SortChannelsByRx(t.doc()); });
}

void frmCommChInfo::fillColumn() {
    SaveShowGridData();
    const int column = currentColumn();
    if (!M::isEditable(column) || column == M::RxFreq) return;
    const QString text = cell(currentRow(), column);
    const QString heading = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    channelStep(ui::Tr(ctx_, ChannelTexts::FillColumn).arg(heading), currentRow(),
                [&](ChannelTransaction& t) {
                    for (const int n : selectedChannels())
                        if (ChannelOf(t.doc(), n)) t.commit(n, M::kindOf(column), text);
                });
}

void frmCommChInfo::showContextMenu(const QPoint& pos) {
    SaveShowGridData();
    QMenu menu(this);
    const QUndoStack& history = ctx_.undoStack();
    menu.addAction(ui::Tr(ctx_, ChannelTexts::CopyChannels), QKeySequence::Copy, this,
                   &frmCommChInfo::copyChannels);
    menu.addAction(ui::Tr(ctx_, ChannelTexts::PasteChannels), QKeySequence::Paste, this,
                   &frmCommChInfo::pasteChannels);
    menu.addSeparator();
    menu.addAction(ui::Tr(ctx_, ChannelTexts::Undo), QKeySequence::Undo, this, &frmCommChInfo::undo)
        ->setEnabled(history.canUndo());
    menu.addAction(ui::Tr(ctx_, ChannelTexts::Redo), QKeySequence(Qt::CTRL | Qt::Key_Y), this,
                   &frmCommChInfo::redo)
        ->setEnabled(history.canRedo());
    menu.addSeparator();
    addChannelOperations(menu);
    menu.exec(grid_->viewport()->mapToGlobal(pos));
}

void frmCommChInfo::addChannelOperations(QMenu& menu) {
    const int column = currentColumn();
    menu.addAction(ui::Tr(ctx_, ChannelTexts::InsertChannel), this, &frmCommChInfo::insertChannel);
    menu.addAction(ui::Tr(ctx_, ChannelTexts::DeleteChannels), this,
                   &frmCommChInfo::deleteChannels);
    menu.addAction(ui::Tr(ctx_, ChannelTexts::MoveUp), this, [this] { moveChannel(-1); })
        ->setEnabled(currentRow() > 1);
    menu.addAction(ui::Tr(ctx_, ChannelTexts::MoveDown), this, [this] { moveChannel(1); })
        ->setEnabled(currentRow() < M::RowCount);
    menu.addAction(ui::Tr(ctx_, ChannelTexts::SortByRx), this, &frmCommChInfo::sortByRx);
    const QString heading = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    menu.addAction(ui::Tr(ctx_, ChannelTexts::FillColumn).arg(heading), this,
                   &frmCommChInfo::fillColumn)
        ->setEnabled(M::isEditable(column) && column != M::RxFreq &&
                     ChannelOf(ctx_.session.Doc, currentRow()) != nullptr);
}

} // namespace rv::editors
