#include "FrmOptFeatures.h"

#include "SettingsInput.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <cmath>

namespace rv::ui {

namespace {

using L = rv::LangText;

const L Caption{"", "Optional Features", "可选功能"};
const std::array<L, 5> Combo1Labels{{{"", "Time Out Timer(TOT)[s]", "超时定时器(TOT)[秒]"},
                                     {"", "TOT Pre-Alert[s]", "超时定时器预警[秒]"},
                                     {"", "Squelch Level", "静躁电平"},
                                     {"", "Mic Sensitivity", "麦克风灵敏度"},
                                     {"", "Voice Annunciation", "语音通知"}}};
const std::array<L, 4> Check1Captions{{{"", "Battery Save", "电池省电"},
                                       {"", "Beep", "哗音"},
                                       {"", "Scrambler Activation", "扰频器激活"},
                                       {"", "Scrambler Backup", "扰频器备份"}}};
const std::array<L, 4> Label2Captions{{{"", "PTT ID Type", "PTT ID类型"},
                                       {"", "PTT ID", "PTT ID"},
                                       {"", "Begin of TX", "发射开始"},
                                       {"", "End of TX", "发射结束"}}};
const L VoxFrame{"", "VOX", "VOX(声控发射)"};
const std::array<L, 4> Check2Captions{{{"", "VOX Function", "VOX功能"},
                                       {"", "Cancel Operation", "取消操作"},
                                       {"", "VOX Proceed Tone", "VOX可进行音调"},
                                       {"", "VOX Inhibit on Receive", "接收时禁止VOX"}}};
const std::array<L, 2> Label3Captions{
    {{"", "VOX Gain Level", "VOX增益电平"}, {"", "VOX Delay Time[s]", "VOX延迟时间[秒]"}}};
const L ModeFrame{"", "Mode", "模式"};
const L CloneCaption{"", "Clone Mode", "复制模式"};

/// The first `count` texts of a value list.
QStringList FirstEntries(const rv::ChoiceList& list, int language, int count) {
    return Entries(list, language).mid(0, count);
}

/// Russian voice prompts exist only in the export models.
bool HasRussianVoice(const std::string& model) {
    return model == "6415" || model == "7415";
}

/// The greyed look of a disabled field: the window background instead of the field's.
void SetFieldLook(QWidget* w, bool normal) {
    w->setBackgroundRole(normal ? QPalette::Base : QPalette::Window);
    w->setEnabled(normal);
}

} // namespace

FrmOptFeatures::FrmOptFeatures(AppContext& ctx, QWidget* parent)
    : ChildWindow(ctx, QStringLiteral("FrmOptFeatures"), parent) {
    buildControls();
    changeShowByLanguage(); // fills the lists and shows the stored values
    wireControls();
}

void FrmOptFeatures::buildControls() {
    auto* top = NewForm();
    AddComboRows(top, this, combo1_, label1_, QStringLiteral("Combo1"), QStringLiteral("Label1"));
    auto* checks = new QVBoxLayout;
    for (int i = 0; i < 4; ++i) {
        check1_[i] = new QCheckBox(this);
        check1_[i]->setObjectName(QStringLiteral("Check1_%1").arg(i));
        checks->addWidget(check1_[i]);
    }

    pttFrame_ = new QGroupBox(QStringLiteral("PTT ID"), this);
    auto* ptt = NewForm(pttFrame_);
    for (int i = 0; i < 4; ++i) {
        label2_[i] = new QLabel(pttFrame_);
        label2_[i]->setObjectName(QStringLiteral("Label2_%1").arg(i));
    }
    for (int i = 0; i < 2; ++i) {
        combo2_[i] = new SettingsCombo(QStringLiteral("Combo2_%1").arg(i), pttFrame_);
        ptt->addRow(label2_[i], combo2_[i]);
    }
    for (int i = 0; i < 2; ++i) {
        text1_[i] = new QLineEdit(pttFrame_);
        text1_[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        text1_[i]->setMaxLength(16);
        InstallKeyRule(text1_[i], &DtmfDigitRule);
        ptt->addRow(label2_[2 + i], text1_[i]);
    }

    voxFrame_ = new QGroupBox(this);
    auto* vox = NewForm(voxFrame_);
    for (int i = 0; i < 4; ++i) {
        check2_[i] = new QCheckBox(voxFrame_);
        check2_[i]->setObjectName(QStringLiteral("Check2_%1").arg(i));
    }
    vox->addRow(check2_[0]);
    for (int i = 0; i < 2; ++i) {
        combo3_[i] = new SettingsCombo(QStringLiteral("Combo3_%1").arg(i), voxFrame_);
        label3_[i] = new QLabel(voxFrame_);
        label3_[i]->setObjectName(QStringLiteral("Label3_%1").arg(i));
        vox->addRow(label3_[i], combo3_[i]);
    }
    for (int i = 1; i < 4; ++i)
        vox->addRow(check2_[i]);
    // Tab and Enter go through the frame in screen order: the gain and delay boxes were
    // made after the check boxes below them.
    QWidget::setTabOrder(check2_[0], combo3_[0]);
    QWidget::setTabOrder(combo3_[0], combo3_[1]);
    QWidget::setTabOrder(combo3_[1], check2_[1]);

    modeFrame_ = new QGroupBox(this);
    check3_ = new QCheckBox(modeFrame_);
    check3_->setObjectName(QStringLiteral("Check3"));
    (new QVBoxLayout(modeFrame_))->addWidget(check3_);

    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addLayout(checks);
    left->addWidget(pttFrame_);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(voxFrame_);
    right->addWidget(modeFrame_);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    buttons_ = MakeCommandButtons(this, true);
    LayOutWindow(this, columns, buttons_, false);

    InstallEnterMovesFocusOnControls(this);

    // Carried but never shown: their values still pass through unchanged.
    check1_[2]->hide();
    check1_[3]->hide();
    pttFrame_->hide();
    combo1_[3]->hide();
    label1_[3]->hide();
}

void FrmOptFeatures::wireControls() {
    for (int i = 0; i < 5; ++i)
        connect(combo1_[i], &QComboBox::activated, this, [this, i] { SaveOptFeat(i + 1); });
    connect(combo2_[0], &QComboBox::activated, this, [this] { SaveOptFeat(10); });
    connect(combo2_[1], &QComboBox::activated, this, [this](int pos) {
        SaveOptFeat(11);
        applyPttIdTextRule(pos);
    });
    for (int i = 0; i < 2; ++i)
        connect(combo3_[i], &QComboBox::activated, this, [this, i] { SaveOptFeat(i + 15); });
    for (int i = 0; i < 4; ++i)
        connect(check1_[i], &QCheckBox::clicked, this, [this, i] { SaveOptFeat(i + 6); });
    connect(check2_[0], &QCheckBox::clicked, this, [this] {
        SaveOptFeat(14);
        EnableVOX(check2_[0]->isChecked() ? 1 : 0);
    });
    for (int i = 1; i < 4; ++i)
        connect(check2_[i], &QCheckBox::clicked, this, [this, i] { SaveOptFeat(i + 16); });
    connect(check3_, &QCheckBox::clicked, this, [this] { SaveOptFeat(20); });
    for (int i = 0; i < 2; ++i)
        connect(text1_[i], &QLineEdit::editingFinished, this, [this, i] { SaveOptFeat(12 + i); });
}

void FrmOptFeatures::fillLists() {
    const int lang = ctx_.lang();
    combo1_[0]->setEntries(Numbers(15, 600, 15));
    combo1_[1]->setEntries(OffAndNumbers(lang, 10));
    combo1_[2]->setEntries(Numbers(0, 9));
    combo3_[0]->setEntries(OffAndNumbers(lang, 10));
    combo3_[1]->setEntries(Entries(rv::VoxDelayChoices(), lang));
}

void FrmOptFeatures::changeShowByLanguage() {
    const int lang = ctx_.lang();
    setWindowTitle(Tr(lang, Caption));
    fillLists();
    for (int i = 0; i < 5; ++i)
        label1_[i]->setText(Tr(lang, Combo1Labels[i]));
    for (int i = 0; i < 4; ++i) {
        check1_[i]->setText(Tr(lang, Check1Captions[i]));
        label2_[i]->setText(Tr(lang, Label2Captions[i]));
        check2_[i]->setText(Tr(lang, Check2Captions[i]));
    }
    for (int i = 0; i < 2; ++i)
        label3_[i]->setText(Tr(lang, Label3Captions[i]));
    voxFrame_->setTitle(Tr(lang, VoxFrame));
    modeFrame_->setTitle(Tr(lang, ModeFrame));
    check3_->setText(Tr(lang, CloneCaption));
    combo1_[3]->setEntries(Entries(rv::MicSensitivityChoices(), lang));
    combo1_[4]->setEntries(
        FirstEntries(rv::VoiceChoices(), lang, HasRussianVoice(ctx_.session.CurModelCode) ? 4 : 3));
    combo2_[0]->setEntries(Entries(rv::PttIdModeChoices(), lang));
    combo2_[1]->setEntries(Entries(rv::PttIdTypeChoices(), lang));
    buttons_.caption(lang);
    reShow();
}

void FrmOptFeatures::reShow() {
    const auto& f = ctx_.doc().OptFeatures;
    combo1_[0]->showText(QString::number(rv::TotSeconds(f.TotTime)));
    combo1_[1]->showEntry(f.TotPreAlert);
    combo1_[2]->showText(QString::number(f.SquelchLevel));
    combo1_[3]->showEntry(f.MicSensitivity);
    combo1_[4]->showEntry(f.VoiceAnnunciation);
    combo3_[0]->showEntry(f.VoxGain);
    combo3_[1]->showEntry(f.VoxDelay);
    // A mode or type outside its list shows the first entry; the stored value stays.
    for (int i = 0; i < 2; ++i) {
        const int v = i == 0 ? f.PttIdMode : f.PttIdType;
        combo2_[i]->showEntry(NotInComboList(combo2_[i], v) || v < 0 ? 0 : v);
    }
    applyPttIdTextRule(combo2_[1]->currentIndex());
    const std::array<Int16, 4> c1{f.BatterySave, f.Beep, f.ScramblerActivation, f.ScramblerBackup};
    const std::array<Int16, 4> c2{f.VoxFunction, f.VoxCancelOperation, f.VoxProceedTone,
                                  f.VoxInhibitOnRx};
    for (int i = 0; i < 4; ++i) {
        check1_[i]->setChecked(c1[i] == 1);
        check2_[i]->setChecked(c2[i] == 1);
    }
    check3_->setChecked(f.CloneMode == 1);
    text1_[0]->setText(QString::fromStdString(f.PttIdBot.get()));
    text1_[1]->setText(QString::fromStdString(f.PttIdEot.get()));
    EnableVOX(check2_[0]->isChecked() ? 1 : 0);
}

void FrmOptFeatures::SaveOptFeat(int id) {
    auto& f = ctx_.doc().OptFeatures;
    auto flag = [](QCheckBox* c) { return static_cast<Int16>(c->isChecked() ? 1 : 0); };
    switch (id) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
        saveCombo1(id - 1);
        break;
    case 6:
        f.BatterySave = flag(check1_[0]);
        break;
    case 7:
        f.Beep = flag(check1_[1]);
        break;
    case 8:
        f.ScramblerActivation = flag(check1_[2]);
        break;
    case 9:
        f.ScramblerBackup = flag(check1_[3]);
        break;
    case 10:
        if (combo2_[0]->currentIndex() >= 0) f.PttIdMode = Int16(combo2_[0]->currentIndex());
        break;
    case 11:
        if (combo2_[1]->currentIndex() >= 0) f.PttIdType = Int16(combo2_[1]->currentIndex());
        break;
    case 12:
    case 13:
        saveText(id - 12);
        break;
    case 14:
        f.VoxFunction = flag(check2_[0]);
        break;
    case 15:
        if (combo3_[0]->currentIndex() >= 0)
            f.VoxGain = Int16(EntryNumber(combo3_[0]->currentText()));
        break;
    case 16:
        if (combo3_[1]->currentIndex() >= 0) f.VoxDelay = Int16(combo3_[1]->currentIndex());
        break;
    case 17:
        f.VoxCancelOperation = flag(check2_[1]);
        break;
    case 18:
        f.VoxProceedTone = flag(check2_[2]);
        break;
    case 19:
        f.VoxInhibitOnRx = flag(check2_[3]);
        break;
    case 20:
        f.CloneMode = flag(check3_);
        break;
    default:
        return;
    }
    ctx_.notifyEdited(this);
}

void FrmOptFeatures::saveCombo1(int i) {
    auto* box = combo1_[i];
    if (box->currentIndex() < 0) return; // nothing chosen: the field keeps its value
    auto& f = ctx_.doc().OptFeatures;
    const QString t = box->currentText();
    switch (i) {
    case 0:
        f.TotTime = Int16(std::lround(EntryNumber(t) / 15.0));
        break;
    case 1:
        f.TotPreAlert = Int16(EntryNumber(t));
        break;
    case 2:
        f.SquelchLevel = Int16(EntryNumber(t));
        break;
    case 3:
        f.MicSensitivity = Int16(box->currentIndex());
        break;
    case 4:
        f.VoiceAnnunciation = Int16(box->currentIndex());
        break;
    default:
        break;
    }
}

void FrmOptFeatures::saveText(int i) {
    auto& f = ctx_.doc().OptFeatures;
    // A fixed 16-character field: the text cut or padded with blanks.
    (i == 0 ? f.PttIdBot : f.PttIdEot).assign(text1_[i]->text().toStdString());
}

void FrmOptFeatures::applyPttIdTextRule(int position) {
    if (position < 0 || position > 2) return;
    SetFieldLook(text1_[0], position != 1);
    SetFieldLook(text1_[1], position != 0);
}

bool FrmOptFeatures::NotInComboList(const QComboBox* box, int index) {
    return index > box->count() - 1;
}

void FrmOptFeatures::EnableVOX(int on) {
    for (auto* box : combo3_)
        SetFieldLook(box, on == 1);
    for (int i = 1; i < 4; ++i)
        check2_[i]->setEnabled(on == 1);
}

} // namespace rv::ui
