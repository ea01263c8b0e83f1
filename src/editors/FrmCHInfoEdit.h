#pragma once

#include "shell/kit/ChildWindow.h"

namespace rv::ui {

// Placeholder until the window is built.
class FrmCHInfoEdit : public ChildWindow {
    Q_OBJECT
public:
    explicit FrmCHInfoEdit(AppContext& ctx, QWidget* parent = nullptr);
    void changeShowByLanguage() override {}
    void reShow() override {}
};

} // namespace rv::ui
