#pragma once

#include "kit/ChildWindow.h"

#include <QHash>
#include <QPersistentModelIndex>
#include <QPointer>

class QKeyEvent;
class QPushButton;
class QTableView;

namespace rv::ui {

class ChannelCellDelegate;
class ChannelTableModel;
class FrmCHInfoEdit;

/// The channel information grid: one row per channel slot, edited in place. Every commit
/// goes through `SetChannelField`; the window keeps no channel data of its own.
class frmCommChInfo : public ChildWindow {
    Q_OBJECT
public:
    explicit frmCommChInfo(AppContext& ctx, QWidget* parent = nullptr);
    ~frmCommChInfo() override;

    void changeShowByLanguage() override;
    void reShow() override;
    void cancelEdit() override;
    /// Re-captions and refills the whole grid (`ReShowChInfoByLanguage`).
    void ReShowChInfoByLanguage();
    /// Redraws the row of one channel from the document.
    void reShowGrid(int chNo);

    /// Opens the editor of the current cell (`EnterGridEdit`).
    void EnterGridEdit();
    /// Moves the cursor to the next column, past the last one to the next row.
    void GridNextCol();
    /// Moves the cursor one row down; row 16 wraps to row 1.
    void GridNextLine();
    /// True when the current row has a receive frequency; otherwise sends the cursor there.
    bool FlexConcludeRx();

    /// The grid row of the in-place editor, which is the channel being edited.
    int editRow() const { return editRow_; }
    int editCol() const { return editCol_; }
    int currentChannel() const { return currentChannel_; }
    /// Moves the cursor to a cell (row = channel 1..16), as a click would.
    void setCurrentCell(int row, int column);
    /// The open in-place editor, or nullptr.
    QWidget* openEditor() const { return editor_; }

    /// Whole channels: the selected rows to the clipboard as tab-separated texts, and
    /// pasted rows from the current row down, each field through the channel commit.
    void copyChannels();
    void pasteChannels();
    void undo();
    void redo();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildGrid();
    void setCaption();
    void onCurrentChanged(const QModelIndex& current);
    void enterCell(bool commitFirst);
    void SaveShowGridData();
    void SetShowEditData();
    void buildEditors();
    void sizeColumns();
    void openEditorAt(int row, int column);
    void closeEditor();
    QString editorText() const;
    bool onEditorEvent(QWidget* editor, QEvent* event);
    bool onEnterKey();
    void typeIntoCell(QKeyEvent* key);
    bool handleChannelShortcut(const QKeyEvent& key);
    void onComboActivated();
    void onDocumentEdited(QObject* source);
    void showChannelEdit();
    FrmCHInfoEdit* channelEdit() const;
    void showContextMenu(const QPoint& pos);
    int currentRow() const;
    int currentColumn() const;
    QString cell(int row, int column) const;

    ChannelTableModel* model_ = nullptr;
    ChannelCellDelegate* delegate_ = nullptr;
    QTableView* grid_ = nullptr;
    QPushButton* channelEditButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QHash<QString, QWidget*> editors_;
    QPointer<QWidget> editor_;
    QPersistentModelIndex editorIndex_;
    QPointer<FrmCHInfoEdit> ownDialog_;

    int editRow_ = 1;
    int editCol_ = 1;
    int prevEditRow_ = 0;
    int prevEditCol_ = 0;
    int currentChannel_ = 1;
    bool skipNextCommit_ = false;
    bool skipNextEnterCell_ = false;
    bool firstActivate_ = true;
    bool committing_ = false;
};

} // namespace rv::ui
