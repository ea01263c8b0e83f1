#pragma once

class QObject;

namespace rv::ui {

class AppContext;

/// Makes Ctrl+Z and Ctrl+Y in a text box undo the box's own typing first, and only then the
/// document: once a box has nothing of its own to undo, the keys reach the Edit menu. A
/// commit ends the typing it took, so a box never undoes what is already in the document.
void InstallTextUndo(AppContext& ctx, QObject* owner);

} // namespace rv::ui
