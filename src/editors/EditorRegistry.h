#pragma once

#include "ui/ChildWindow.h"

namespace rv::editors {

/// Creates the editor window with that form name ("frmCommChInfo", "FrmOptFeatures", ...),
/// or nullptr for a name that is not an editor.
ui::ChildWindow* CreateEditorWindow(ui::AppContext& ctx, const QString& formName,
                                    QWidget* parent = nullptr);

} // namespace rv::editors
