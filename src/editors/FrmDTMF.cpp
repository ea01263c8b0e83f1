#include "FrmDTMF.h"

#include "SettingsBinder.h"
#include "SettingsCellEditor.h"
#include "SettingsInput.h"
#include "data/Catalogue.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace rv::ui {

namespace {

using L = rv::LangText;

const std::array<L, 3> TabCaptions{
    {{"Encode", "编码"}, {"Decode", "解码"}, {"Autodial Memory", "自动拨号存储器"}}};
const L StunCaption{"Stun", "Stun"};
const std::array<L, 2> GridHeaders{{{"No.", "编号"}, {"D Code", "D 码"}}};

const char* const Combo1Keys[] = {"dtmf.speed", "dtmf.first_digit_time", "dtmf.first_digit_delay",
                                  "dtmf.star_hash_tone", "dtmf.d_code_assignment"};
const char* const Combo2Keys[] = {"dtmf.group_code", "dtmf.auto_reset_timer", "dtmf.call_alert",
                                  "dtmf.transpond"};

std::string CodeKey(int row) {
    return "autodial." + std::to_string(row + 1) + ".code";
}

} // namespace

FrmDTMF::FrmDTMF(AppContext& ctx, QWidget* parent)
    : ChildWindow(ctx, QStringLiteral("FrmDTMF"), parent) {
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->addTab(buildEncodeTab(), QString());
    tabs_->addTab(buildDecodeTab(), QString());
    tabs_->addTab(buildAutodialTab(), QString());
    buttons_ = MakeCommandButtons(this);
    LayOutWindow(this, tabs_, buttons_);
    InstallEnterMovesFocusOnControls(this);
    bindControls();
    changeShowByLanguage();
}

FrmDTMF::~FrmDTMF() {
    delete cellEditor_;
}

QWidget* FrmDTMF::buildEncodeTab() {
    auto* page = new QWidget;
    auto* form = NewForm(page);
    AddComboRows(form, page, combo1_, label1_, QStringLiteral("Combo1"));
    check1_ = new QCheckBox(page);
    check1_->setObjectName(QStringLiteral("Check1"));
    form->addRow(check1_);
    return page;
}

QWidget* FrmDTMF::buildDecodeTab() {
    auto* page = new QWidget;
    auto* form = NewForm();
    text1_ = new QLineEdit(page);
    text1_->setObjectName(QStringLiteral("Text1"));
    InstallKeyRule(text1_, &DigitRule);
    text1Label_ = new QLabel(page);
    form->addRow(text1Label_, text1_);
    AddComboRows(form, page, combo2_, label2_, QStringLiteral("Combo2"));
    check2_ = new QCheckBox(page);
    check2_->setObjectName(QStringLiteral("Check2"));
    form->addRow(check2_);

    stunFrame_ = new QGroupBox(page);
    auto* stun = NewForm(stunFrame_);
    text2_ = new QLineEdit(stunFrame_);
    text2_->setObjectName(QStringLiteral("Text2"));
    InstallKeyRule(text2_, &DtmfDigitRule);
    text2Label_ = new QLabel(stunFrame_);
    stun->addRow(text2Label_, text2_);
    combo3_ = new SettingsCombo(QStringLiteral("Combo3"), stunFrame_);
    combo3Label_ = new QLabel(stunFrame_);
    stun->addRow(combo3Label_, combo3_);

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
    text3_ = new QLineEdit;
    text3_->setObjectName(QStringLiteral("Text3"));
    text3_->setMaxLength(rv::findRow(CodeKey(0))->textWidth);
    InstallKeyRule(text3_, &DtmfDigitRule);
    cellEditor_ = new SettingsCellEditor(
        grid_, text3_, {1}, [this](int row, int, const QString& t) { saveAutodial(row, t); });
    (new QVBoxLayout(page))->addWidget(grid_);
    return page;
}

void FrmDTMF::bindControls() {
    binder_ = new SettingsBinder(this);
    for (int i = 0; i < 5; ++i)
        binder_->bind(combo1_[i], Combo1Keys[i], label1_[i]);
    binder_->bind(check1_, "dtmf.side_tone");
    binder_->bind(text1_, "dtmf.id_code", text1Label_);
    for (int i = 0; i < 4; ++i)
        binder_->bind(combo2_[i], Combo2Keys[i], label2_[i]);
    binder_->bind(check2_, "dtmf.clear_to_transpond");
    binder_->bind(text2_, "dtmf.stun_code", text2Label_);
    binder_->bind(combo3_, "dtmf.stun_type", combo3Label_);
}

void FrmDTMF::changeShowByLanguage() {
    const int lang = ctx_.lang();
    for (int i = 0; i < 3; ++i)
        tabs_->setTabText(i, Tr(lang, TabCaptions[i]));
    stunFrame_->setTitle(Tr(lang, StunCaption));
    grid_->setHorizontalHeaderLabels({Tr(lang, GridHeaders[0]), Tr(lang, GridHeaders[1])});
    binder_->caption();
    buttons_.caption(lang);
    reShow();
}

void FrmDTMF::reShow() {
    binder_->show();
    showGrid();
}

void FrmDTMF::showGrid() {
    for (int r = 0; r < 8; ++r)
        showCode(r);
    text3_->hide();
}

void FrmDTMF::showCode(int row) {
    grid_->item(row, 1)->setText(QString::fromStdString(rv::textOf(ctx_.session, CodeKey(row))));
}

void FrmDTMF::saveAutodial(int row, const QString& text) {
    const std::string key = CodeKey(row);
    const auto result = rv::commitText(ctx_.session, key, text.toStdString());
    if (result.refusal) TellInvalidData(ctx_, this); // the cell keeps its stored code
    showCode(row);
    ctx_.notifyCommitted(this, key, result);
}

} // namespace rv::ui
