#pragma once

#include "SettingsLayout.h"

namespace rv::editors {

/// The scan information window: priority mode and channel, look-back times, revert
/// channel, dropout delay and TX dwell. The revert choices and the enabled states follow
/// the priority mode.
class FrmScanInfo : public SettingsWindow {
    Q_OBJECT
public:
    explicit FrmScanInfo(ui::AppContext& ctx, QWidget* parent = nullptr);

private:
    void showRules() override;

    std::vector<SettingsCombo*> boxes_;
};

} // namespace rv::editors
