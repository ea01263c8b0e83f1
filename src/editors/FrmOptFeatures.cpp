#include "FrmOptFeatures.h"

#include "SettingsBinder.h"
#include "SettingsInput.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace rv::editors {

namespace {

/// The greyed look of a disabled field: the window background instead of the field's.
void SetFieldLook(QWidget* w, bool normal) {
    w->setBackgroundRole(normal ? QPalette::Base : QPalette::Window);
    w->setEnabled(normal);
}

} // namespace

FrmOptFeatures::FrmOptFeatures(ui::AppContext& ctx, QWidget* parent)
    : SettingsWindow(ctx, QStringLiteral("FrmOptFeatures"), parent) {
    auto* top = NewForm();
    top_ =
        addComboRows(top,
                     {"optional.time_out_timer", "optional.tot_pre_alert", "optional.squelch_level",
                      "optional.mic_sensitivity", "optional.voice_annunciation"},
                     QStringLiteral("Combo1"), QStringLiteral("Label1"));
    auto* left = new QVBoxLayout;
    left->addLayout(top);
    int n = 0;
    for (const char* key : {"optional.battery_save", "optional.beep",
                            "optional.scrambler_activation", "optional.scrambler_backup"})
        left->addWidget(addCheck(QStringLiteral("Check1_%1").arg(n++), key));
    left->addWidget(buildPttFrame());
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(buildVoxFrame());
    modeFrame_ = new QGroupBox(this);
    (new QVBoxLayout(modeFrame_))
        ->addWidget(addCheck(QStringLiteral("Check3"), "optional.clone_mode"));
    right->addWidget(modeFrame_);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    layOut(columns, false);

    // Carried but never shown: their values still pass through unchanged.
    for (const char* name : {"Check1_2", "Check1_3", "Combo1_3", "Label1_3"})
        findChild<QWidget*>(QLatin1String(name))->hide();
    changeShowByLanguage(); // fills the lists and shows the stored values
}

QGroupBox* FrmOptFeatures::buildPttFrame() {
    auto* frame = new QGroupBox(QStringLiteral("PTT ID"), this);
    auto* form = NewForm(frame);
    ptt_ = addComboRows(form, {"optional.ptt_id_type", "optional.ptt_id"}, QStringLiteral("Combo2"),
                        QStringLiteral("Label2"));
    pttTexts_ = {
        addText(form, QStringLiteral("Text1_0"), "optional.begin_of_tx",
                QStringLiteral("Label2_2")),
        addText(form, QStringLiteral("Text1_1"), "optional.end_of_tx", QStringLiteral("Label2_3"))};
    frame->hide(); // carried but never shown, as above
    return frame;
}

QGroupBox* FrmOptFeatures::buildVoxFrame() {
    voxFrame_ = new QGroupBox(this);
    auto* form = NewForm(voxFrame_);
    int n = 0;
    for (const char* key : {"optional.vox_function", "optional.vox_cancel_operation",
                            "optional.vox_proceed_tone", "optional.vox_inhibit_on_receive"})
        voxChecks_.push_back(addCheck(QStringLiteral("Check2_%1").arg(n++), key));
    form->addRow(voxChecks_[0]);
    vox_ = addComboRows(form, {"optional.vox_gain_level", "optional.vox_delay_time"},
                        QStringLiteral("Combo3"), QStringLiteral("Label3"));
    for (int i = 1; i < 4; ++i)
        form->addRow(voxChecks_[i]);
    // Tab and Enter go through the frame in screen order: the gain and delay boxes were
    // made after the check boxes below them.
    QWidget::setTabOrder(voxChecks_[0], vox_[0]);
    QWidget::setTabOrder(vox_[0], vox_[1]);
    QWidget::setTabOrder(vox_[1], voxChecks_[1]);
    connect(binder_, &SettingsBinder::committed, this, [this] { showRules(); });
    return voxFrame_;
}

void FrmOptFeatures::captionOwn(int language) {
    voxFrame_->setTitle(ui::Tr(language, rv::LangText{"VOX", "VOX(声控发射)"}));
    modeFrame_->setTitle(ui::Tr(language, rv::LangText{"Mode", "模式"}));
}

void FrmOptFeatures::showRules() {
    // A voice the model does not offer shows blank; a PTT ID mode or type outside its list
    // shows the first entry. The stored values stay.
    if (top_[4]->currentIndex() < 0) top_[4]->showText(QString());
    for (auto* box : ptt_)
        if (box->currentIndex() < 0) box->showEntry(0);
    const int position = ptt_[1]->currentIndex();
    if (position >= 0 && position <= 2) {
        SetFieldLook(pttTexts_[0], position != 1);
        SetFieldLook(pttTexts_[1], position != 0);
    }
    const bool vox = voxChecks_[0]->isChecked();
    for (auto* box : vox_)
        SetFieldLook(box, vox);
    for (int i = 1; i < 4; ++i)
        voxChecks_[i]->setEnabled(vox);
}

} // namespace rv::editors
