#pragma once

#include "ui/AppContext.h"

#include <QMainWindow>
#include <map>
#include <optional>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QSplitter;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace rv::app {

/// The main window: the document area with its child windows, the tree of configuration
/// areas, menus, toolbar and status bar, and the commands on the one document.
class frmMain : public QMainWindow, public ui::WindowHost {
    Q_OBJECT
public:
    explicit frmMain(ui::AppContext& ctx, QWidget* parent = nullptr);
    ~frmMain() override;

    QWidget* findWindow(const QString& name) const override;
    QWidget* showChildWindow(const QString& name) override;
    void closeCurAllWindows() override;
    void previewChannelImport(const std::string& csv, const QString& source) override;

    /// New document without a question (toolbar New, start-up, model change).
    void LoadNewDoc();
    /// Re-captions filter, status bar, title, menus and toolbar, then rebuilds the tree.
    void Change_Language();
    void UpdateTitle();
    /// Applies a language chosen in the Language Setup dialog (done on activation).
    void applyLanguageChange();
    /// "Data File (*.dat)" in the current language.
    QString fileFilter() const;
    void cascade();

    /// Before a command replaces the document: commits the open editor (false when its text
    /// is refused), then asks about unsaved
    /// changes (Save/Discard/Cancel), after `warning` when one is given; without unsaved
    /// changes only `warning` is asked. False when the user cancels or saving fails.
    bool readyToReplace(std::optional<rv::Msg> warning = std::nullopt);
    /// The document differs from what was last saved, opened or read.
    bool isModified() const;
    /// Opens a data file without any question (Open after its dialog, a file named at start).
    bool openFile(const QString& path);
    void mnuFileNew_Click();
    /// New from the toolbar: asks about unsaved changes first.
    void toolFileNew_Click();
    void mnuFileOpen_Click();
    bool mnuFileSave_Click();
    bool mnuFileSaveAs_Click();
    void mnuFilePrint_Click();
    /// Channels from a CSV file, after a preview; one undoable step.
    void mnuFileImportCsv_Click();
    /// The channels to a CSV file.
    void mnuFileExportCsv_Click();
    void mnuFileExit_Click();
    void mnuModelInfo_Click();
    void mnuComm_Click();
    void mnuLanguage_Click();
    /// Opens the Fleet Programming window (one for the program).
    void mnuFleet_Click();
    /// Reads (mode 1) or writes (mode 2) the radio on the chosen port, with the confirmation
    /// and the progress window; true when the transfer completed.
    bool runTransfer(int mode);
    /// Program > Restore From Backup: a kept image back into the radio, then verified.
    void mnuRestore_Click();
    /// File > Compare With File and Program > Compare With Radio: a window of differences.
    void mnuCompareFile_Click();
    void mnuCompareRadio_Click();
    void mnuHelpAbout_Click();
    /// Edit > Undo and Edit > Redo: the latest committed change from any window.
    void undoRedo(bool undo);

    /// The menu entry or toolbar button with that objectName.
    QAction* action(const QString& name) const;
    QTreeWidget* tree() const { return tree_; }
    QMdiArea* mdiArea() const { return mdi_; }
    ui::AppContext& context() const { return ctx_; }

protected:
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildTree();
    void buildStatusBar();
    void buildEditMenu();
    void captionEditMenu();
    void captionMenus();
    void captionStatusBar();
    void fillTree();
    void onTreeClicked(QTreeWidgetItem* item);
    void buildViewToggles();
    void buildSafetyToggles();
    bool readRadio(const QString& device);
    /// Reads the radio on `device`; nullopt, with the reason told, when that fails.
    std::optional<rv::MemoryImage> readRadioImage(const QString& device);
    bool writeRadio(const QString& device, const rv::MemoryImage* restore);
    void showComparison(const rv::Session& other, const QString& otherName);
    QAction* addEntry(QMenu* menu, const char* name);
    QMenu* addMenu(const char* name);
    void showDocument();
    /// Commits what is being typed in every window; false when a window refused it.
    bool commitPendingEdits();
    bool saveTo(const QString& path);

    ui::AppContext& ctx_;
    QMdiArea* mdi_ = nullptr;
    QWidget* treePanel_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    QLabel* panels_[3] = {};
    std::map<QString, QAction*> actions_;
    std::map<QString, QMenu*> menus_;
    QMenu* channelsMenu_ = nullptr;
    /// Test mode has been left on the way out: the close goes on without asking again.
    bool testModeLeft_ = false;
    /// The Edit menu's entry the Undo and Redo actions stand before.
    QAction* editMenuTop_ = nullptr;
};

/// A menu caption without its access key: "信道信息(&C)" gives "信道信息".
QString PlainCaption(const QString& caption);

/// The text after the last path separator ("/" or "\").
QString FileNameOf(const QString& path);

} // namespace rv::app
