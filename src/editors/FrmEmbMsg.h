#pragma once

#include "SettingsLayout.h"

namespace rv::editors {

/// The embedded message window: the two 32-character lines the radio shows.
class FrmEmbMsg : public SettingsWindow {
    Q_OBJECT
public:
    explicit FrmEmbMsg(ui::AppContext& ctx, QWidget* parent = nullptr);
};

} // namespace rv::editors
