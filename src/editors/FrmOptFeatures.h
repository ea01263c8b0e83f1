#pragma once

#include "SettingsLayout.h"

class QGroupBox;
class QLineEdit;

namespace rv::editors {

/// The optional features window: time-out timer, squelch, voice annunciation, VOX, clone
/// mode, and the hidden mic sensitivity, scrambler and PTT ID controls that still carry
/// their values. Every change goes into the document at once.
class FrmOptFeatures : public SettingsWindow {
    Q_OBJECT
public:
    explicit FrmOptFeatures(ui::AppContext& ctx, QWidget* parent = nullptr);

private:
    QGroupBox* buildPttFrame();
    QGroupBox* buildVoxFrame();
    void captionOwn(int language) override;
    void showRules() override;

    std::vector<SettingsCombo*> top_;
    std::vector<SettingsCombo*> ptt_;
    std::vector<QLineEdit*> pttTexts_;
    std::vector<SettingsCombo*> vox_;
    std::vector<QCheckBox*> voxChecks_;
    QGroupBox* voxFrame_ = nullptr;
    QGroupBox* modeFrame_ = nullptr;
};

} // namespace rv::editors
