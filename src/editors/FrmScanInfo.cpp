#include "FrmScanInfo.h"

#include "SettingsBinder.h"
#include "SettingsInput.h"
#include "SettingsLayout.h"

#include <QFormLayout>
#include <QLabel>

namespace rv::ui {

namespace {

enum Box { Priority, PriorityCh, LookBackA, LookBackB, Revert, Dropout, TxDwell };
const char* const Keys[] = {"scan.priority",         "scan.priority_channel",
                            "scan.look_back_time_a", "scan.look_back_time_b",
                            "scan.revert_channel",   "scan.dropout_delay_time",
                            "scan.tx_dwell_time"};

} // namespace

FrmScanInfo::FrmScanInfo(AppContext& ctx, QWidget* parent)
    : ChildWindow(ctx, QStringLiteral("FrmScanInfo"), parent) {
    auto* form = NewForm();
    AddComboRows(form, this, combo1_, label1_, QStringLiteral("Combo1"), QStringLiteral("Label1"));
    binder_ = new SettingsBinder(this);
    for (int i = 0; i < 7; ++i)
        binder_->bind(combo1_[i], Keys[i], label1_[i]);
    connect(binder_, &SettingsBinder::committed, this, [this](const QString& key) {
        if (key != QLatin1String(Keys[Priority])) return;
        // The revert list follows the new mode; the stored revert channel stays until the
        // user picks one, the box only moving to the entry of the same kind.
        const auto& s = ctx_.doc().ScanInfo;
        binder_->show();
        combo1_[Revert]->showEntry(s.PriorityType == 1 ? s.RevertChannel : s.RevertChannel % 2);
        enableByMode(s.PriorityType);
    });
    buttons_ = MakeCommandButtons(this);
    LayOutWindow(this, form, buttons_, true);
    InstallEnterMovesFocusOnControls(this);
    changeShowByLanguage();
}

void FrmScanInfo::changeShowByLanguage() {
    binder_->caption();
    buttons_.caption(ctx_.lang());
    reShow();
}

void FrmScanInfo::reShow() {
    binder_->show();
    enableByMode(ctx_.doc().ScanInfo.PriorityType);
}

void FrmScanInfo::enableByMode(int mode) {
    combo1_[PriorityCh]->setEnabled(mode == 1);
    combo1_[LookBackA]->setEnabled(mode == 1 || mode == 2);
    combo1_[LookBackB]->setEnabled(mode == 1 || mode == 2);
}

} // namespace rv::ui
