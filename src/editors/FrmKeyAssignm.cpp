#include "FrmKeyAssignm.h"

#include "SettingsBinder.h"
#include "SettingsInput.h"
#include "SettingsLayout.h"

#include <QFormLayout>
#include <QLabel>

namespace rv::ui {

FrmKeyAssignm::FrmKeyAssignm(AppContext& ctx, QWidget* parent)
    : ChildWindow(ctx, QStringLiteral("FrmKeyAssignm"), parent) {
    auto* form = NewForm();
    AddComboRows(form, this, combo1_, label1_, QStringLiteral("Combo1"), QStringLiteral("Label1"));
    binder_ = new SettingsBinder(this);
    binder_->bind(combo1_[0], "key.pf1", label1_[0]);
    binder_->bind(combo1_[1], "key.pf2", label1_[1]);
    buttons_ = MakeCommandButtons(this);
    LayOutWindow(this, form, buttons_, true);
    InstallEnterMovesFocusOnControls(this);
    changeShowByLanguage();
}

void FrmKeyAssignm::changeShowByLanguage() {
    binder_->caption();
    buttons_.caption(ctx_.lang());
    reShow();
}

void FrmKeyAssignm::reShow() {
    binder_->show();
}

} // namespace rv::ui
