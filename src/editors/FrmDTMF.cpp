#include "FrmDTMF.h"

#include "SettingsBinder.h"
#include "SettingsCellEditor.h"
#include "SettingsInput.h"
#include "data/Catalogue.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace rv::editors {

namespace {

using L = rv::LangText;

const std::array<L, 3> TabCaptions{
    {{"Encode", "编码"}, {"Decode", "解码"}, {"Autodial Memory", "自动拨号存储器"}}};
const L StunCaption{"Stun", "Stun"};
const std::array<L, 2> GridHeaders{{{"No.", "编号"}, {"D Code", "D 码"}}};

} // namespace

FrmDTMF::FrmDTMF(ui::AppContext& ctx, QWidget* parent)
    : SettingsWindow(ctx, QStringLiteral("FrmDTMF"), parent) {
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->addTab(buildEncodeTab(), QString());
    tabs_->addTab(buildDecodeTab(), QString());
    tabs_->addTab(buildAutodialTab(), QString());
    layOut(tabs_);
    changeShowByLanguage();
}

QWidget* FrmDTMF::buildEncodeTab() {
    auto* page = new QWidget;
    auto* form = NewForm(page);
    addComboRows(form,
                 {"dtmf.speed", "dtmf.first_digit_time", "dtmf.first_digit_delay",
                  "dtmf.star_hash_tone", "dtmf.d_code_assignment"},
                 QStringLiteral("Combo1"));
    form->addRow(addCheck(QStringLiteral("Check1"), "dtmf.side_tone"));
    return page;
}

QWidget* FrmDTMF::buildDecodeTab() {
    auto* page = new QWidget;
    auto* form = NewForm();
    addText(form, QStringLiteral("Text1"), "dtmf.id_code");
    addComboRows(form,
                 {"dtmf.group_code", "dtmf.auto_reset_timer", "dtmf.call_alert", "dtmf.transpond"},
                 QStringLiteral("Combo2"));
    form->addRow(addCheck(QStringLiteral("Check2"), "dtmf.clear_to_transpond"));

    stunFrame_ = new QGroupBox(page);
    auto* stun = NewForm(stunFrame_);
    addText(stun, QStringLiteral("Text2"), "dtmf.stun_code");
    addCombo(stun, QStringLiteral("Combo3"), "dtmf.stun_type");

    auto* box = new QVBoxLayout(page);
    box->addLayout(form);
    box->addWidget(stunFrame_);
    box->addStretch();
    return page;
}

QWidget* FrmDTMF::buildAutodialTab() {
    auto* page = new QWidget;
    grid_ = NewNumberedGrid(8, 2, page);
    grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    FitGridToRows(grid_, false);
    auto* text = new QLineEdit;
    text->setObjectName(QStringLiteral("Text3"));
    const rv::SettingRow& code = *rv::findRow("autodial.1.code");
    text->setMaxLength(code.textWidth);
    InstallKeyRule(text, {RowKeyRule(code)});
    binder_->bind(grid_, text, {"", "autodial.#.code"});
    (new QVBoxLayout(page))->addWidget(grid_);
    return page;
}

void FrmDTMF::captionOwn(int language) {
    for (int i = 0; i < 3; ++i)
        tabs_->setTabText(i, ui::Tr(language, TabCaptions[i]));
    stunFrame_->setTitle(ui::Tr(language, StunCaption));
    grid_->setHorizontalHeaderLabels(
        {ui::Tr(language, GridHeaders[0]), ui::Tr(language, GridHeaders[1])});
}

} // namespace rv::editors
