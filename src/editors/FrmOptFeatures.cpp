#include "FrmOptFeatures.h"

#include "SettingsBinder.h"
#include "SettingsInput.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace rv::ui {

namespace {

using L = rv::LangText;

const L VoxFrame{"VOX", "VOX(声控发射)"};
const L ModeFrame{"Mode", "模式"};

const char* const Combo1Keys[] = {"optional.time_out_timer", "optional.tot_pre_alert",
                                  "optional.squelch_level", "optional.mic_sensitivity",
                                  "optional.voice_annunciation"};
const char* const Check1Keys[] = {"optional.battery_save", "optional.beep",
                                  "optional.scrambler_activation", "optional.scrambler_backup"};
const char* const Check2Keys[] = {"optional.vox_function", "optional.vox_cancel_operation",
                                  "optional.vox_proceed_tone", "optional.vox_inhibit_on_receive"};

/// The greyed look of a disabled field: the window background instead of the field's.
void SetFieldLook(QWidget* w, bool normal) {
    w->setBackgroundRole(normal ? QPalette::Base : QPalette::Window);
    w->setEnabled(normal);
}

} // namespace

FrmOptFeatures::FrmOptFeatures(AppContext& ctx, QWidget* parent)
    : ChildWindow(ctx, QStringLiteral("FrmOptFeatures"), parent) {
    buildControls();
    bindControls();
    changeShowByLanguage(); // fills the lists and shows the stored values
}

void FrmOptFeatures::buildControls() {
    auto* top = NewForm();
    AddComboRows(top, this, combo1_, label1_, QStringLiteral("Combo1"), QStringLiteral("Label1"));
    auto* checks = new QVBoxLayout;
    for (int i = 0; i < 4; ++i) {
        check1_[i] = new QCheckBox(this);
        check1_[i]->setObjectName(QStringLiteral("Check1_%1").arg(i));
        checks->addWidget(check1_[i]);
    }

    pttFrame_ = new QGroupBox(QStringLiteral("PTT ID"), this);
    auto* ptt = NewForm(pttFrame_);
    for (int i = 0; i < 4; ++i) {
        label2_[i] = new QLabel(pttFrame_);
        label2_[i]->setObjectName(QStringLiteral("Label2_%1").arg(i));
    }
    for (int i = 0; i < 2; ++i) {
        combo2_[i] = new SettingsCombo(QStringLiteral("Combo2_%1").arg(i), pttFrame_);
        ptt->addRow(label2_[i], combo2_[i]);
    }
    for (int i = 0; i < 2; ++i) {
        text1_[i] = new QLineEdit(pttFrame_);
        text1_[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        InstallKeyRule(text1_[i], &DtmfDigitRule);
        ptt->addRow(label2_[2 + i], text1_[i]);
    }

    voxFrame_ = new QGroupBox(this);
    auto* vox = NewForm(voxFrame_);
    for (int i = 0; i < 4; ++i) {
        check2_[i] = new QCheckBox(voxFrame_);
        check2_[i]->setObjectName(QStringLiteral("Check2_%1").arg(i));
    }
    vox->addRow(check2_[0]);
    for (int i = 0; i < 2; ++i) {
        combo3_[i] = new SettingsCombo(QStringLiteral("Combo3_%1").arg(i), voxFrame_);
        label3_[i] = new QLabel(voxFrame_);
        label3_[i]->setObjectName(QStringLiteral("Label3_%1").arg(i));
        vox->addRow(label3_[i], combo3_[i]);
    }
    for (int i = 1; i < 4; ++i)
        vox->addRow(check2_[i]);
    // Tab and Enter go through the frame in screen order: the gain and delay boxes were
    // made after the check boxes below them.
    QWidget::setTabOrder(check2_[0], combo3_[0]);
    QWidget::setTabOrder(combo3_[0], combo3_[1]);
    QWidget::setTabOrder(combo3_[1], check2_[1]);

    modeFrame_ = new QGroupBox(this);
    check3_ = new QCheckBox(modeFrame_);
    check3_->setObjectName(QStringLiteral("Check3"));
    (new QVBoxLayout(modeFrame_))->addWidget(check3_);

    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addLayout(checks);
    left->addWidget(pttFrame_);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(voxFrame_);
    right->addWidget(modeFrame_);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    buttons_ = MakeCommandButtons(this);
    LayOutWindow(this, columns, buttons_, false);

    InstallEnterMovesFocusOnControls(this);

    // Carried but never shown: their values still pass through unchanged.
    check1_[2]->hide();
    check1_[3]->hide();
    pttFrame_->hide();
    combo1_[3]->hide();
    label1_[3]->hide();
}

void FrmOptFeatures::bindControls() {
    binder_ = new SettingsBinder(this);
    for (int i = 0; i < 5; ++i)
        binder_->bind(combo1_[i], Combo1Keys[i], label1_[i]);
    for (int i = 0; i < 4; ++i) {
        binder_->bind(check1_[i], Check1Keys[i]);
        binder_->bind(check2_[i], Check2Keys[i]);
    }
    binder_->bind(combo2_[0], "optional.ptt_id_type", label2_[0]);
    binder_->bind(combo2_[1], "optional.ptt_id", label2_[1]);
    binder_->bind(text1_[0], "optional.begin_of_tx", label2_[2]);
    binder_->bind(text1_[1], "optional.end_of_tx", label2_[3]);
    binder_->bind(combo3_[0], "optional.vox_gain_level", label3_[0]);
    binder_->bind(combo3_[1], "optional.vox_delay_time", label3_[1]);
    binder_->bind(check3_, "optional.clone_mode");
    connect(binder_, &SettingsBinder::committed, this, [this] { showWindowRules(); });
}

void FrmOptFeatures::changeShowByLanguage() {
    const int lang = ctx_.lang();
    voxFrame_->setTitle(Tr(lang, VoxFrame));
    modeFrame_->setTitle(Tr(lang, ModeFrame));
    binder_->caption();
    buttons_.caption(lang);
    reShow();
}

void FrmOptFeatures::reShow() {
    binder_->show();
    showWindowRules();
}

void FrmOptFeatures::showWindowRules() {
    // A voice the model does not offer shows blank; a PTT ID mode or type outside its list
    // shows the first entry. The stored values stay.
    if (combo1_[4]->currentIndex() < 0) combo1_[4]->showText(QString());
    for (auto* box : combo2_)
        if (box->currentIndex() < 0) box->showEntry(0);
    applyPttIdTextRule(combo2_[1]->currentIndex());
    EnableVOX(check2_[0]->isChecked() ? 1 : 0);
}

void FrmOptFeatures::applyPttIdTextRule(int position) {
    if (position < 0 || position > 2) return;
    SetFieldLook(text1_[0], position != 1);
    SetFieldLook(text1_[1], position != 0);
}

void FrmOptFeatures::EnableVOX(int on) {
    for (auto* box : combo3_)
        SetFieldLook(box, on == 1);
    for (int i = 1; i < 4; ++i)
        check2_[i]->setEnabled(on == 1);
}

} // namespace rv::ui
