#pragma once

#include "SettingsLayout.h"
#include "kit/ChildWindow.h"

#include <array>

class QLabel;

namespace rv::ui {

class SettingsBinder;
class SettingsCombo;

/// The scan information window: priority mode and channel, look-back times, revert
/// channel, dropout delay and TX dwell. The revert choices and the enabled states follow
/// the priority mode.
class FrmScanInfo : public ChildWindow {
    Q_OBJECT
public:
    explicit FrmScanInfo(AppContext& ctx, QWidget* parent = nullptr);
    void changeShowByLanguage() override;
    void reShow() override;

private:
    void enableByMode(int mode);

    std::array<SettingsCombo*, 7> combo1_{};
    std::array<QLabel*, 7> label1_{};
    CommandButtons buttons_;
    SettingsBinder* binder_ = nullptr;
};

} // namespace rv::ui
