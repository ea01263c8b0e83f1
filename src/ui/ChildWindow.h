#pragma once

#include "AppContext.h"

#include <QWidget>

namespace rv::ui {

/// An editor or tool window hosted in the main window's document area. It keeps no copy of
/// the document: it reads the fields when shown (`reShow`) and writes each change back at
/// once, then calls `AppContext::notifyEdited`. The objectName is the form name
/// ("frmCommChInfo", "FrmOptFeatures", ...).
class ChildWindow : public QWidget {
    Q_OBJECT
public:
    ChildWindow(AppContext& ctx, const QString& formName, QWidget* parent = nullptr);
    ~ChildWindow() override;

    /// Re-captions the window and every label, heading and list in the current language.
    virtual void changeShowByLanguage() = 0;
    /// Re-reads every field from the document.
    virtual void reShow() = 0;

    AppContext& context() const { return ctx_; }

    /// Commits what is being typed in the window, as leaving the box would. False when the
    /// text was refused (the user has been told the rule): the command that asked stops.
    virtual bool commitEdit();

protected:
    /// A change reached the document (`source` made it; nullptr for undo and redo). A
    /// window shows the document again unless the change was its own.
    virtual void onDocumentEdited(QObject* source);

    AppContext& ctx_;
};

} // namespace rv::ui
