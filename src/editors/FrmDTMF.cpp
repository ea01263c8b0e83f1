#include "FrmDTMF.h"

#include "SettingsCellEditor.h"
#include "SettingsInput.h"
#include "data/SettingCommit.h"
#include "kit/Prompt.h"

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

const L Caption{"", "DTMF", "DTMF(双音多频)"};
const std::array<L, 3> TabCaptions{
    {{"", "Encode", "编码"}, {"", "Decode", "解码"}, {"", "Autodial Memory", "自动拨号存储器"}}};
const L StunCaption{"", "Stun", "Stun"};
const std::array<L, 5> Combo1Labels{{{"", "DTMF Speed[digit/s]", "DTMF 速率[数字/秒]"},
                                     {"", "First Digit Time[ms]", "首位数码时间[毫秒]"},
                                     {"", "First Digit Delay[ms]", "首位数码延迟[毫秒]"},
                                     {"", "* and # Tone[ms]", "*和#音[毫秒]"},
                                     {"", "D Code Assignment", "D键设定"}}};
const L SideTone{"", "DTMF Side Tone", "DTMF 侧音"};
const L IdCodeLabel{"", "ID Code", "ID 码"};
const std::array<L, 4> Combo2Labels{{{"", "Group Code", "组呼码"},
                                     {"", "Auto Reset Timer[s]", "自动复位定时器[秒]"},
                                     {"", "Call Alert", "呼叫告警"},
                                     {"", "Transpond", "自动应答"}}};
const L ClearToTranspond{"", "Clear to Transpond", "清除自动应答"};
const L StunCodeLabel{"", "Stun Code", "遥毙码"};
const L StunTypeLabel{"", "Stun Type", "遥毙类型"};
const std::array<L, 2> GridHeaders{{{"", "No.", "编号"}, {"", "D Code", "D 码"}}};

enum Encode { Speed, FirstTime, FirstDelay, StarHash, DCode };
enum Decode { Group, AutoReset, CallAlert, Transpond };

QString Latin1(const std::string& s) {
    return QString::fromLatin1(s);
}
// A character beyond ASCII becomes a byte no code rule accepts.
std::string CodeBytes(const QString& s) {
    return s.toUtf8().toStdString();
}

} // namespace

FrmDTMF::FrmDTMF(AppContext& ctx, QWidget* parent)
    : ChildWindow(ctx, QStringLiteral("FrmDTMF"), parent) {
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->addTab(buildEncodeTab(), QString());
    tabs_->addTab(buildDecodeTab(), QString());
    tabs_->addTab(buildAutodialTab(), QString());
    buttons_ = MakeCommandButtons(this, false);
    LayOutWindow(this, tabs_, buttons_);
    InstallEnterMovesFocusOnControls(this);
    changeShowByLanguage();
}

FrmDTMF::~FrmDTMF() {
    delete cellEditor_;
}

QWidget* FrmDTMF::buildEncodeTab() {
    auto* page = new QWidget;
    auto* form = NewForm(page);
    AddComboRows(form, page, combo1_, label1_, QStringLiteral("Combo1"), {},
                 [this](int i) { saveCombo1(i); });
    check1_ = new QCheckBox(page);
    check1_->setObjectName(QStringLiteral("Check1"));
    form->addRow(check1_);
    connect(check1_, &QCheckBox::clicked, this, [this](bool on) {
        ctx_.doc().DtmfInfo.DtmfSideTone = on ? 1 : 0;
        ctx_.notifyEdited(this);
    });
    return page;
}

QWidget* FrmDTMF::buildDecodeTab() {
    auto* page = new QWidget;
    auto* form = NewForm();
    text1_ = new QLineEdit(page);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setMaxLength(10);
    InstallKeyRule(text1_, &DigitRule);
    text1Label_ = new QLabel(page);
    form->addRow(text1Label_, text1_);
    connect(text1_, &QLineEdit::editingFinished, this, [this] { saveIdCode(); });
    AddComboRows(form, page, combo2_, label2_, QStringLiteral("Combo2"), {},
                 [this](int i) { saveCombo2(i); });
    check2_ = new QCheckBox(page);
    check2_->setObjectName(QStringLiteral("Check2"));
    form->addRow(check2_);
    connect(check2_, &QCheckBox::clicked, this, [this](bool on) {
        ctx_.doc().DtmfInfo.ClearToTranspond = on ? 1 : 0;
        ctx_.notifyEdited(this);
    });

    stunFrame_ = new QGroupBox(page);
    auto* stun = NewForm(stunFrame_);
    text2_ = new QLineEdit(stunFrame_);
    text2_->setObjectName(QStringLiteral("Text2"));
    text2_->setMaxLength(10);
    InstallKeyRule(text2_, &DtmfDigitRule);
    text2Label_ = new QLabel(stunFrame_);
    stun->addRow(text2Label_, text2_);
    connect(text2_, &QLineEdit::editingFinished, this, [this] { saveStunCode(); });
    combo3_ = new SettingsCombo(QStringLiteral("Combo3"), stunFrame_);
    combo3Label_ = new QLabel(stunFrame_);
    stun->addRow(combo3Label_, combo3_);
    connect(combo3_, &QComboBox::activated, this, [this](int p) {
        ctx_.doc().DtmfInfo.StunType = Int16(p);
        ctx_.notifyEdited(this);
    });

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
    text3_->setMaxLength(16);
    InstallKeyRule(text3_, &DtmfDigitRule);
    cellEditor_ = new SettingsCellEditor(
        grid_, text3_, {1}, [this](int row, int, const QString& t) { saveAutodial(row, t); });
    (new QVBoxLayout(page))->addWidget(grid_);
    return page;
}

void FrmDTMF::fillLists() {
    const int lang = ctx_.lang();
    combo1_[Speed]->setEntries(Entries(rv::DtmfSpeedChoices(), lang));
    combo1_[FirstTime]->setEntries(Entries(rv::DigitTimeChoices(), lang));
    combo1_[FirstDelay]->setEntries(Numbers(100, 1000, 50));
    combo1_[StarHash]->setEntries(Entries(rv::DigitTimeChoices(), lang));
    combo1_[DCode]->setEntries(Entries(rv::DCodeChoices(), lang));
    combo2_[Group]->setEntries(Entries(rv::GroupCodeChoices(), lang));
    combo2_[AutoReset]->setEntries(OffAndNumbers(lang, 15));
    combo2_[CallAlert]->setEntries(Entries(rv::CallAlertChoices(), lang));
    combo2_[Transpond]->setEntries(Entries(rv::TranspondChoices(), lang));
    combo3_->setEntries(Entries(rv::StunTypeChoices(), lang));
}

void FrmDTMF::changeShowByLanguage() {
    const int lang = ctx_.lang();
    setWindowTitle(Tr(lang, Caption));
    for (int i = 0; i < 3; ++i)
        tabs_->setTabText(i, Tr(lang, TabCaptions[i]));
    stunFrame_->setTitle(Tr(lang, StunCaption));
    for (int i = 0; i < 5; ++i)
        label1_[i]->setText(Tr(lang, Combo1Labels[i]));
    for (int i = 0; i < 4; ++i)
        label2_[i]->setText(Tr(lang, Combo2Labels[i]));
    check1_->setText(Tr(lang, SideTone));
    check2_->setText(Tr(lang, ClearToTranspond));
    text1Label_->setText(Tr(lang, IdCodeLabel));
    text2Label_->setText(Tr(lang, StunCodeLabel));
    combo3Label_->setText(Tr(lang, StunTypeLabel));
    grid_->setHorizontalHeaderLabels({Tr(lang, GridHeaders[0]), Tr(lang, GridHeaders[1])});
    buttons_.caption(lang);
    fillLists();
    reShow();
}

void FrmDTMF::reShow() {
    const auto& d = ctx_.doc().DtmfInfo;
    combo1_[Speed]->showEntry(d.DtmfSpeed);
    combo1_[FirstTime]->showEntry(d.FirstDigitTime);
    combo1_[FirstDelay]->showText(QString::number(rv::FirstDigitDelayMs(d.FirstDigitDelay)));
    combo1_[StarHash]->showEntry(d.StarHashTone);
    combo1_[DCode]->showEntry(d.DCodeAssign);
    check1_->setChecked(d.DtmfSideTone == 1);
    text1_->setText(Latin1(d.IdCode.get()));
    combo2_[Group]->showText(d.GroupCode == 0 ? QString::fromStdString(rv::OffText(ctx_.lang()))
                                              : QString(QChar(char16_t(d.GroupCode))));
    combo2_[AutoReset]->showEntry(d.AutoResetTimer);
    combo2_[CallAlert]->showEntry(d.CallAlert);
    combo2_[Transpond]->showEntry(d.Transpond);
    check2_->setChecked(d.ClearToTranspond == 1);
    text2_->setText(Latin1(d.StunCode.get()));
    combo3_->showEntry(d.StunType);
    showGrid();
}

void FrmDTMF::showGrid() {
    const auto& doc = ctx_.doc();
    for (int r = 0; r < 8; ++r)
        grid_->item(r, 1)->setText(QString());
    for (int i = 0; i < doc.DtmfCodeCount && i < 8; ++i) {
        const auto& e = doc.DtmfCodes[std::size_t(i)];
        if (e.No >= 1 && e.No <= 8) grid_->item(e.No - 1, 1)->setText(Latin1(e.Code.get()));
    }
    text3_->hide();
}

void FrmDTMF::saveCombo1(int i) {
    auto* box = combo1_[i];
    const int p = box->currentIndex();
    if (p < 0) return;
    auto& d = ctx_.doc().DtmfInfo;
    switch (i) {
    case Speed:
        d.DtmfSpeed = Int16(p);
        break;
    case FirstTime:
        d.FirstDigitTime = Int16(p);
        break;
    case FirstDelay:
        d.FirstDigitDelay = Int16(EntryNumber(box->currentText()) / 10);
        break;
    case StarHash:
        d.StarHashTone = Int16(p);
        break;
    case DCode:
        d.DCodeAssign = Int16(p);
        break;
    default:
        return;
    }
    ctx_.notifyEdited(this);
}

void FrmDTMF::saveCombo2(int i) {
    auto* box = combo2_[i];
    const int p = box->currentIndex();
    if (p < 0) return;
    auto& d = ctx_.doc().DtmfInfo;
    switch (i) {
    case Group:
        d.GroupCode = Int16(rv::ChoiceValue(rv::GroupCodeChoices(), p));
        break;
    case AutoReset:
        d.AutoResetTimer = Int16(p);
        break;
    case CallAlert:
        d.CallAlert = Int16(p);
        break;
    case Transpond:
        d.Transpond = Int16(p);
        break;
    default:
        return;
    }
    ctx_.notifyEdited(this);
}

void FrmDTMF::saveIdCode() {
    if (!rv::SetIdCode(ctx_.doc().DtmfInfo, CodeBytes(text1_->text()))) {
        TellInvalidData(ctx_, this);
        text1_->setText(Latin1(ctx_.doc().DtmfInfo.IdCode.get())); // the code it keeps
        return;
    }
    ctx_.notifyEdited(this);
}

void FrmDTMF::saveStunCode() {
    auto& d = ctx_.doc().DtmfInfo;
    if (!rv::SetStunCode(d, CodeBytes(text2_->text()))) {
        TellInvalidData(ctx_, this);
        text2_->setText(Latin1(d.StunCode.get()));
        return;
    }
    ctx_.notifyEdited(this);
}

void FrmDTMF::saveAutodial(int row, const QString& text) {
    if (!rv::IsAutodialCode(CodeBytes(text))) {
        TellInvalidData(ctx_, this); // the cell keeps its stored code
        return;
    }
    grid_->item(row, 1)->setText(text);
    auto& d = ctx_.doc();
    const Int16 no = Int16(row + 1);
    auto* begin = d.DtmfCodes.begin();
    auto* end = begin + std::clamp<int>(d.DtmfCodeCount, 0, 8);
    auto* it = std::find_if(begin, end, [no](const rv::DtmfCode& e) { return e.No == no; });
    if (it != end && text.isEmpty()) {
        std::move(it + 1, end, it); // later entries move up
        *(end - 1) = rv::DtmfCode{};
        --d.DtmfCodeCount;
    } else if (it != end) {
        it->Code.set(CodeBytes(text));
    } else if (!text.isEmpty() && end != d.DtmfCodes.end()) {
        // An empty code makes no entry: a memory without digits has nothing to dial.
        end->No = no;
        end->Code.set(CodeBytes(text));
        ++d.DtmfCodeCount;
    } else {
        return;
    }
    ctx_.notifyEdited(this);
}

} // namespace rv::ui
