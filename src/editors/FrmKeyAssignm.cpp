#include "FrmKeyAssignm.h"

#include "SettingsInput.h"
#include "data/SettingTexts.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace rv::ui {

namespace {

const rv::LangText Caption{"", "Key Assignment", "键设定"};

} // namespace

QString FrmKeyAssignm::FunctionText(int language, int code) {
    return QString::fromStdString(rv::KeyFunctionText(code, language));
}

FrmKeyAssignm::FrmKeyAssignm(AppContext& ctx, QWidget* parent)
    : ChildWindow(ctx, QStringLiteral("FrmKeyAssignm"), parent) {
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (int i = 0; i < 2; ++i) {
        combo1_[i] = new SettingsCombo(QStringLiteral("Combo1_%1").arg(i), this);
        label1_[i] = new QLabel(QStringLiteral("PF%1").arg(i + 1), this);
        label1_[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        form->addRow(label1_[i], combo1_[i]);
        connect(combo1_[i], &QComboBox::activated, this, [this, i] { saveKey(i); });
    }
    close_ = new QPushButton(this);
    close_->setObjectName(QStringLiteral("CommandClose"));
    help_ = new QPushButton(this);
    help_->setObjectName(QStringLiteral("CommandHelp"));
    connect(close_, &QPushButton::clicked, this, [this] { CloseChildWindow(this); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close_);
    buttons->addWidget(help_);
    auto* all = new QVBoxLayout(this);
    all->addLayout(form);
    all->addStretch();
    all->addLayout(buttons);
    InstallEnterMovesFocusOnControls(this);
    changeShowByLanguage();
}

void FrmKeyAssignm::changeShowByLanguage() {
    const int lang = ctx_.lang();
    setWindowTitle(Tr(lang, Caption));
    for (auto* box : combo1_)
        box->setEntries(Entries(rv::KeyFunctionChoices(), lang));
    SetCloseHelpCaptions(lang, close_, help_);
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
