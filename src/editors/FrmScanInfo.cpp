#include "FrmScanInfo.h"

#include "SettingsBinder.h"
#include "SettingsInput.h"

#include <QFormLayout>

namespace rv::editors {

namespace {

enum Box { Priority, PriorityCh, LookBackA, LookBackB, Revert, Dropout, TxDwell };

} // namespace

FrmScanInfo::FrmScanInfo(ui::AppContext& ctx, QWidget* parent)
    : SettingsWindow(ctx, QStringLiteral("FrmScanInfo"), parent) {
    auto* form = NewForm();
    boxes_ = addComboRows(form,
                          {"scan.priority", "scan.priority_channel", "scan.look_back_time_a",
                           "scan.look_back_time_b", "scan.revert_channel",
                           "scan.dropout_delay_time", "scan.tx_dwell_time"},
                          QStringLiteral("Combo1"), QStringLiteral("Label1"));
    connect(binder_, &SettingsBinder::committed, this, [this](const QString& key) {
        if (key != QLatin1String("scan.priority")) return;
        // The revert list follows the new mode; the stored revert channel stays until the
        // user picks one, the box only moving to the entry of the same kind.
        const auto& s = ctx_.doc().ScanInfo;
        reShow();
        boxes_[Revert]->showEntry(s.PriorityType == 1 ? s.RevertChannel : s.RevertChannel % 2);
    });
    layOut(form, true);
    changeShowByLanguage();
}

void FrmScanInfo::showRules() {
    const int mode = ctx_.doc().ScanInfo.PriorityType;
    boxes_[PriorityCh]->setEnabled(mode == 1);
    boxes_[LookBackA]->setEnabled(mode == 1 || mode == 2);
    boxes_[LookBackB]->setEnabled(mode == 1 || mode == 2);
}

} // namespace rv::editors
