#pragma once

#include "SettingsLayout.h"

namespace rv::editors {

/// The key assignment window: the functions of the programmable keys PF1 and PF2.
class FrmKeyAssignm : public SettingsWindow {
    Q_OBJECT
public:
    explicit FrmKeyAssignm(ui::AppContext& ctx, QWidget* parent = nullptr);
};

} // namespace rv::editors
