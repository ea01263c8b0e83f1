// The Edit menu's own entries: Undo and Redo of every committed change, and the
// operations on whole channels of the channel grid.
#include "editors/ChannelTexts.h"
#include "editors/frmCommChInfo.h"
#include "frmMain.h"
#include "ui/AppContext.h"
#include "ui/TextUndo.h"

#include <QAction>
#include <QMenu>
#include <QUndoStack>

namespace rv::app {

void frmMain::buildEditMenu() {
    QMenu* edit = menus_[QStringLiteral("mnuEdit")];
    QAction* first = edit->actions().value(0);
    editMenuTop_ = edit->insertSeparator(first);
    channelsMenu_ = new QMenu(edit);
    channelsMenu_->setObjectName(QStringLiteral("mnuChannels"));
    edit->insertMenu(first, channelsMenu_);
    edit->insertSeparator(first);
    ui::InstallTextUndo(ctx_, this);
    connect(channelsMenu_, &QMenu::aboutToShow, this, [this] {
        channelsMenu_->clear();
        auto* grid =
            qobject_cast<editors::frmCommChInfo*>(showChildWindow(QStringLiteral("frmCommChInfo")));
        if (grid) grid->addChannelOperations(*channelsMenu_);
    });
    captionEditMenu();
}

void frmMain::captionEditMenu() {
    // The stack's own actions name the step they take; their word before it is fixed when
    // they are made, so a change of language makes them anew. They hold the program's one
    // Undo and Redo shortcut.
    QMenu* edit = menus_[QStringLiteral("mnuEdit")];
    for (const char* name : {"mnuUndo", "mnuRedo"}) {
        if (auto found = actions_.find(QString::fromLatin1(name)); found != actions_.end()) {
            delete found->second;
            actions_.erase(found);
        }
    }
    QUndoStack& stack = ctx_.undoStack();
    QAction* undo = stack.createUndoAction(edit, ui::Tr(ctx_, editors::ChannelTexts::Undo));
    undo->setObjectName(QStringLiteral("mnuUndo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = stack.createRedoAction(edit, ui::Tr(ctx_, editors::ChannelTexts::Redo));
    redo->setObjectName(QStringLiteral("mnuRedo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->insertActions(editMenuTop_, {undo, redo});
    actions_[undo->objectName()] = undo;
    actions_[redo->objectName()] = redo;
    channelsMenu_->setTitle(ui::Tr(ctx_, editors::ChannelTexts::ChannelsMenu));
}

void frmMain::undoRedo(bool undo) {
    action(QString::fromLatin1(undo ? "mnuUndo" : "mnuRedo"))->trigger();
}

} // namespace rv::app
