#pragma once

#include "SettingsLayout.h"
#include "kit/ChildWindow.h"

#include <array>

class QLabel;

namespace rv::ui {

class SettingsBinder;
class SettingsCombo;

/// The key assignment window: the functions of the programmable keys PF1 and PF2.
class FrmKeyAssignm : public ChildWindow {
    Q_OBJECT
public:
    explicit FrmKeyAssignm(AppContext& ctx, QWidget* parent = nullptr);
    void changeShowByLanguage() override;
    void reShow() override;

private:
    std::array<SettingsCombo*, 2> combo1_{};
    std::array<QLabel*, 2> label1_{};
    CommandButtons buttons_;
    SettingsBinder* binder_ = nullptr;
};

} // namespace rv::ui
