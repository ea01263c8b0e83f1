// The Edit menu's own entries: Undo and Redo of every committed change, and the
// operations on whole channels of the channel grid.
#include "editors/ChannelTexts.h"
#include "editors/frmCommChInfo.h"
#include "frmMain.h"
#include "kit/AppContext.h"
#include "kit/TextUndo.h"

#include <QAction>
#include <QMenu>
#include <QUndoStack>

namespace rv::ui {

void frmMain::buildEditMenu() {
    QMenu* edit = menus_[QStringLiteral("mnuEdit")];
    QAction* first = edit->actions().value(0);
    editMenuTop_ = edit->insertSeparator(first);
    channelsMenu_ = new QMenu(edit);
    channelsMenu_->setObjectName(QStringLiteral("mnuChannels"));
    edit->insertMenu(first, channelsMenu_);
    edit->insertSeparator(first);
    InstallTextUndo(ctx_, this);
    connect(channelsMenu_, &QMenu::aboutToShow, this, [this] {
        channelsMenu_->clear();
        auto* grid = qobject_cast<frmCommChInfo*>(showChildWindow(QStringLiteral("frmCommChInfo")));
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
    QAction* undo = stack.createUndoAction(edit, Tr(ctx_, ChannelTexts::Undo));
    undo->setObjectName(QStringLiteral("mnuUndo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = stack.createRedoAction(edit, Tr(ctx_, ChannelTexts::Redo));
    redo->setObjectName(QStringLiteral("mnuRedo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->insertActions(editMenuTop_, {undo, redo});
    actions_[undo->objectName()] = undo;
    actions_[redo->objectName()] = redo;
    channelsMenu_->setTitle(Tr(ctx_, ChannelTexts::ChannelsMenu));
}

void frmMain::undoRedo(bool undo) {
    action(QString::fromLatin1(undo ? "mnuUndo" : "mnuRedo"))->trigger();
}

} // namespace rv::ui
