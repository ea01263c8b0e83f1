#pragma once

#include "SettingsLayout.h"

namespace rv::ui {

/// The embedded message window: the two 32-character lines the radio shows.
class FrmEmbMsg : public SettingsWindow {
    Q_OBJECT
public:
    explicit FrmEmbMsg(AppContext& ctx, QWidget* parent = nullptr);
};

} // namespace rv::ui
