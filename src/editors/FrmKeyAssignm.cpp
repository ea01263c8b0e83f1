#include "FrmKeyAssignm.h"

#include "SettingsInput.h"
#include "SettingsLayout.h"
#include "data/SettingTexts.h"

#include <QFormLayout>
#include <QLabel>

namespace rv::ui {

namespace {

const rv::LangText Caption{"", "Key Assignment", "键设定"};

} // namespace

QString FrmKeyAssignm::FunctionText(int language, int code) {
    return QString::fromStdString(rv::KeyFunctionText(code, language));
}

FrmKeyAssignm::FrmKeyAssignm(AppContext& ctx, QWidget* parent)
    : ChildWindow(ctx, QStringLiteral("FrmKeyAssignm"), parent) {
    auto* form = NewForm();
    AddComboRows(form, this, combo1_, label1_, QStringLiteral("Combo1"), QStringLiteral("Label1"),
                 [this](int key) { saveKey(key); });
    for (int i = 0; i < 2; ++i)
        label1_[i]->setText(QStringLiteral("PF%1").arg(i + 1));
    buttons_ = MakeCommandButtons(this, true);
    LayOutWindow(this, form, buttons_, true);
    InstallEnterMovesFocusOnControls(this);
    changeShowByLanguage();
}

void FrmKeyAssignm::changeShowByLanguage() {
    const int lang = ctx_.lang();
    setWindowTitle(Tr(lang, Caption));
    for (auto* box : combo1_)
        box->setEntries(Entries(rv::KeyFunctionChoices(), lang));
    buttons_.caption(lang);
    reShow();
}

void FrmKeyAssignm::reShow() {
    const auto& d = ctx_.doc();
    combo1_[0]->showText(FunctionText(ctx_.lang(), d.KeyFunc1));
    combo1_[1]->showText(FunctionText(ctx_.lang(), d.KeyFunc2));
}

void FrmKeyAssignm::saveKey(int key) {
    const int code = rv::ChoiceValue(rv::KeyFunctionChoices(), combo1_[key]->currentIndex());
    if (code < 0) return; // only a list entry sets a key
    (key == 0 ? ctx_.doc().KeyFunc1 : ctx_.doc().KeyFunc2) = Int16(code);
    ctx_.notifyEdited(this);
}

} // namespace rv::ui
