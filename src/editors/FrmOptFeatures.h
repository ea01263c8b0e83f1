#pragma once

#include "SettingsLayout.h"
#include "kit/ChildWindow.h"

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace rv::ui {

class SettingsBinder;
class SettingsCombo;

/// The optional features window: time-out timer, squelch, voice annunciation, VOX, clone
/// mode, and the hidden mic sensitivity, scrambler and PTT ID controls that still carry
/// their values. Every change goes into the document at once.
class FrmOptFeatures : public ChildWindow {
    Q_OBJECT
public:
    explicit FrmOptFeatures(AppContext& ctx, QWidget* parent = nullptr);
    void changeShowByLanguage() override;
    void reShow() override;

    /// Enables the VOX detail controls when `on` is 1, greys them otherwise.
    void EnableVOX(int on);

private:
    void buildControls();
    void bindControls();
    void showWindowRules();
    void applyPttIdTextRule(int position);

    std::array<SettingsCombo*, 5> combo1_{};
    std::array<QLabel*, 5> label1_{};
    std::array<QCheckBox*, 4> check1_{};
    std::array<SettingsCombo*, 2> combo2_{};
    std::array<QLineEdit*, 2> text1_{};
    std::array<QLabel*, 4> label2_{};
    std::array<QCheckBox*, 4> check2_{};
    std::array<SettingsCombo*, 2> combo3_{};
    std::array<QLabel*, 2> label3_{};
    QCheckBox* check3_ = nullptr;
    QGroupBox* pttFrame_ = nullptr;
    QGroupBox* voxFrame_ = nullptr;
    QGroupBox* modeFrame_ = nullptr;
    CommandButtons buttons_;
    SettingsBinder* binder_ = nullptr;
};

} // namespace rv::ui
