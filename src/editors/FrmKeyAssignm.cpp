#include "FrmKeyAssignm.h"

#include <QFormLayout>

namespace rv::editors {

FrmKeyAssignm::FrmKeyAssignm(ui::AppContext& ctx, QWidget* parent)
    : SettingsWindow(ctx, QStringLiteral("FrmKeyAssignm"), parent) {
    auto* form = NewForm();
    addComboRows(form, {"key.pf1", "key.pf2"}, QStringLiteral("Combo1"), QStringLiteral("Label1"));
    layOut(form, true);
    changeShowByLanguage();
}

} // namespace rv::editors
