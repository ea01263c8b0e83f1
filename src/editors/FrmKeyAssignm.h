#pragma once

#include "SettingsLayout.h"
#include "kit/ChildWindow.h"

#include <array>

class QLabel;

namespace rv::ui {

class SettingsCombo;

/// The key assignment window: the functions of the programmable keys PF1 and PF2.
class FrmKeyAssignm : public ChildWindow {
    Q_OBJECT
public:
    explicit FrmKeyAssignm(AppContext& ctx, QWidget* parent = nullptr);
    void changeShowByLanguage() override;
    void reShow() override;

    /// The text a function code shows; empty for a code without one.
    static QString FunctionText(int language, int code);

private:
    void saveKey(int key);

    std::array<SettingsCombo*, 2> combo1_{};
    std::array<QLabel*, 2> label1_{};
    CommandButtons buttons_;
};

} // namespace rv::ui
