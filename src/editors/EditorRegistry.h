#pragma once

#include "kit/ChildWindow.h"

namespace rv::ui {

/// Creates the editor window with that form name ("frmCommChInfo", "FrmOptFeatures", ...),
/// or nullptr for a name that is not an editor.
ChildWindow* CreateEditorWindow(AppContext& ctx, const QString& formName,
                                QWidget* parent = nullptr);

} // namespace rv::ui
