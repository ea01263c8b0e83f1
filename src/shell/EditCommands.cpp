// The Edit menu's own entries: Undo and Redo of every committed change, and the
// operations on whole channels of the channel grid.
#include "editors/ChannelTexts.h"
#include "editors/frmCommChInfo.h"
#include "frmMain.h"
#include "kit/AppContext.h"

#include <QAction>
#include <QMenu>
#include <QUndoStack>

namespace rv::ui {

void frmMain::buildEditMenu() {
    QMenu* edit = menus_[QStringLiteral("mnuEdit")];
    QAction* first = edit->actions().value(0);
    QAction* undo = new QAction(edit);
    undo->setObjectName(QStringLiteral("mnuUndo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = new QAction(edit);
    redo->setObjectName(QStringLiteral("mnuRedo"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    actions_[undo->objectName()] = undo;
    actions_[redo->objectName()] = redo;
    channelsMenu_ = new QMenu(edit);
    channelsMenu_->setObjectName(QStringLiteral("mnuChannels"));
    edit->insertActions(first, {undo, redo});
    edit->insertSeparator(first);
    edit->insertMenu(first, channelsMenu_);
    edit->insertSeparator(first);

    QUndoStack& stack = ctx_.undoStack();
    connect(undo, &QAction::triggered, this, [this] { undoRedo(true); });
    connect(redo, &QAction::triggered, this, [this] { undoRedo(false); });
    connect(&stack, &QUndoStack::indexChanged, this, &frmMain::captionEditMenu);
    connect(&stack, &QUndoStack::cleanChanged, this, &frmMain::captionEditMenu);
    connect(channelsMenu_, &QMenu::aboutToShow, this, [this] {
        channelsMenu_->clear();
        auto* grid = qobject_cast<frmCommChInfo*>(showChildWindow(QStringLiteral("frmCommChInfo")));
        if (grid) grid->addChannelOperations(*channelsMenu_);
    });
    captionEditMenu();
}

void frmMain::captionEditMenu() {
    const QUndoStack& stack = ctx_.undoStack();
    const auto caption = [this](const rv::LangText& word, const QString& step) {
        return step.isEmpty() ? Tr(ctx_, word) : Tr(ctx_, word) + QLatin1Char(' ') + step;
    };
    QAction* undo = action(QStringLiteral("mnuUndo"));
    QAction* redo = action(QStringLiteral("mnuRedo"));
    undo->setText(caption(ChannelTexts::Undo, stack.undoText()));
    undo->setEnabled(stack.canUndo());
    redo->setText(caption(ChannelTexts::Redo, stack.redoText()));
    redo->setEnabled(stack.canRedo());
    channelsMenu_->setTitle(Tr(ctx_, ChannelTexts::ChannelsMenu));
}

void frmMain::undoRedo(bool undo) {
    // Typing not yet committed is dropped, as the grid drops it.
    ctx_.cancelOpenEdits();
    QUndoStack& stack = ctx_.undoStack();
    if (undo)
        stack.undo();
    else
        stack.redo();
}

} // namespace rv::ui
