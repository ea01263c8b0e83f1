#pragma once

#include "SettingsLayout.h"
#include "ui/ChildWindow.h"

#include <QHash>
#include <QPersistentModelIndex>
#include <QPointer>

#include <functional>
#include <vector>

class QKeyEvent;
class QMenu;
class QPushButton;
class QTableView;

namespace rv::editors {

class ChannelCellDelegate;
class ChannelTableModel;
class ChannelTransaction;
class FrmCHInfoEdit;

/// The channel information grid: one row per channel slot, edited in place. Every commit
/// goes through `SetChannelField`; the window keeps no channel data of its own.
class frmCommChInfo : public ui::ChildWindow {
    Q_OBJECT
public:
    explicit frmCommChInfo(ui::AppContext& ctx, QWidget* parent = nullptr);
    ~frmCommChInfo() override;

    void changeShowByLanguage() override;
    void reShow() override;
    bool commitEdit() override;

    /// Opens the editor of the current cell (`EnterGridEdit`).
    void EnterGridEdit();
    /// Moves the cursor to the next column, past the last one to the next row.
    void GridNextCol();
    /// Moves the cursor one row down; row 16 wraps to row 1.
    void GridNextLine();

    /// The grid row of the in-place editor, which is the channel being edited.
    int editRow() const { return editRow_; }
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

    /// Whole-channel operations, each one undo step: an empty channel at the current row,
    /// the selected channels deleted with the gap closed, the current channel moved, the
    /// channels sorted by receive frequency, and the current cell's value set in the same
    /// column of every selected channel.
    void insertChannel();
    void deleteChannels();
    void moveChannel(int delta);
    void sortByRx();
    void fillColumn();
    /// The channel operations as entries of a menu (the context menu, the Edit menu).
    void addChannelOperations(QMenu& menu);
    /// The selected channel numbers in order (the current row when nothing is selected).
    std::vector<int> selectedChannels() const;
    /// Selects rows `first` to `last` and makes `first` current.
    void selectRows(int first, int last);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildGrid();
    void setCaption();
    void onCurrentChanged(const QModelIndex& current);
    void enterCell(bool commitFirst);
    /// Moves the cursor to another cell of the row being entered, which opens its editor.
    void sendCursorTo(int row, int column);
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
    void undoRedo(bool undo);
    void onComboActivated();
    void onDocumentEdited(QObject* source) override;
    void showChannelEdit();
    FrmCHInfoEdit* channelEdit() const;
    void showContextMenu(const QPoint& pos);
    /// Runs a change to the channel list as one named step; the grid cursor stays on `row`.
    void channelStep(const QString& name, int row,
                     const std::function<void(ChannelTransaction&)>& change);
    int currentRow() const;
    int currentColumn() const;
    QString cell(int row, int column) const;

    ChannelTableModel* model_ = nullptr;
    ChannelCellDelegate* delegate_ = nullptr;
    QTableView* grid_ = nullptr;
    QPushButton* channelEditButton_ = nullptr;
    CommandButtons buttons_;
    QHash<QString, QWidget*> editors_;
    QPointer<QWidget> editor_;
    QPersistentModelIndex editorIndex_;
    QPointer<FrmCHInfoEdit> ownDialog_;

    int editRow_ = 1;
    int editCol_ = 1;
    int currentChannel_ = 1;
    bool skipNextCommit_ = false;
    bool skipNextEnterCell_ = false;
    bool firstActivate_ = true;
    bool committing_ = false;
};

} // namespace rv::editors
