#pragma once

#include "data/Catalogue.h"
#include "data/DocumentDelta.h"
#include "data/Session.h"

#include <QObject>
#include <QString>
#include <QUndoCommand>

#include <string>
#include <string_view>
#include <vector>

class QUndoStack;
class QWidget;

namespace rv::ui {

class AppContext;
class Prompt;

/// `CommPort` for a device named by its path rather than by a port number.
inline constexpr int OtherDevicePort = -1;

/// What the main window offers the windows it hosts.
class WindowHost {
public:
    virtual ~WindowHost() = default;
    /// The loaded child window with that form name, or nullptr (`FindWindowByName`).
    virtual QWidget* findWindow(const QString& name) const = 0;
    /// Opens the child window with that form name, or brings the open one to the front.
    virtual QWidget* showChildWindow(const QString& name) = 0;
    /// Unloads every child window (`CloseCurAllWindows`).
    virtual void closeCurAllWindows() = 0;
    /// Shows channels in the CSV layout in the import preview and imports them after OK
    /// (pasted rows of a channel file); `source` names them in the preview's caption.
    virtual void previewChannelImport(const std::string& csv, const QString& source) = 0;
};

/// One committed change as an undo step: the settings it changed, with their shown values
/// before and after, and the document bytes it changed, to take it back exactly.
class DocumentStep : public QUndoCommand {
public:
    DocumentStep(AppContext& ctx, rv::DocumentDelta delta, std::vector<rv::Change> changes,
                 const QString& name);
    void undo() override;
    void redo() override;
    const std::vector<rv::Change>& changes() const { return changes_; }

private:
    AppContext& ctx_;
    rv::DocumentDelta delta_;
    std::vector<rv::Change> changes_;
    bool pushed_ = false;
};

/// The program state every window works on: the one document with its session, the
/// language state, the chosen port, the prompt seam and the window host.
class AppContext : public QObject {
    Q_OBJECT
public:
    explicit AppContext(QObject* parent = nullptr);
    ~AppContext() override;

    rv::Session session;
    int ShownLanguage = English;
    int LanguageChoice = English;
    /// Port 1 to 8 of the port list, 0 for the built-in simulated radio, or `OtherDevicePort`.
    int CommPort = 1;
    /// The device typed in as "Other device" (used when `CommPort` is `OtherDevicePort`).
    QString CommDevice;
    /// Started with --service: the hidden editors and tools are reachable.
    bool serviceMode = false;
    /// Folder of the executable: dec.tbl and the help files live here.
    QString programDir;

    int lang() const { return session.CurLanguage; }
    rv::RadioData& doc() { return session.Doc; }

    /// Message boxes and file dialogs; tests install a scripted one.
    Prompt& prompt() const;
    void setPrompt(Prompt* p); ///< takes ownership; nullptr restores the interactive one

    WindowHost* host = nullptr;

    /// Records what was committed to the document since the last step as one undo step
    /// (named `name`, or after what changed) and tells every open view. Nothing changed,
    /// nothing happens.
    void notifyEdited(QObject* source = nullptr, const QString& name = {});
    /// As `notifyEdited`, for a commit of `key`: the step is named after the setting and the
    /// ones the commit also changed. A commit that changed nothing makes no step.
    void notifyCommitted(QObject* source, std::string_view key, const rv::CommitResult& result);
    /// The document was replaced (New, Open, Read): its undo steps go, and whoever keeps
    /// state about it is told.
    void notifyReplaced();
    /// The document as it is now was saved: the undo stack is clean here.
    void markSaved();
    /// The document just replaced has never been saved (a read from the radio): it counts
    /// as changed until it is saved.
    void markUnsaved();
    /// The document differs from what was last saved or opened.
    bool isModified() const;
    /// Undo and redo of every committed change, from any window.
    QUndoStack& undoStack() const { return *undo_; }
    /// A window refused a typed value and told the user the rule; a command that asked the
    /// window to commit its typing stops there.
    void noteRefusedEdit() { ++refusedEdits_; }
    int refusedEdits() const { return refusedEdits_; }

signals:
    /// A window committed a change to the document; `source` is the window that did.
    void documentEdited(QObject* source);
    /// The document was replaced by another one.
    void documentReplaced();
    /// Whether the document has unsaved changes may have changed.
    void modifiedChanged();

private:
    friend class DocumentStep;
    void record(QObject* source, const QString& name, const std::vector<rv::Change>* changes);
    void applyStep(const rv::DocumentDelta& delta, bool forward);

    QUndoStack* undo_;
    /// The document as the last step left it: the next step is what differs from it.
    rv::RadioData last_;
    Prompt* prompt_ = nullptr;
    bool ownsPrompt_ = false;
    int refusedEdits_ = 0;
    bool unsaved_ = false;
};

/// The text of a two-language entry in the context's current language.
QString Tr(const AppContext& ctx, const rv::LangText& t);
QString Tr(int language, const rv::LangText& t);

} // namespace rv::ui
