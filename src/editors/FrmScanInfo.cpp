#include "FrmScanInfo.h"

#include "SettingsInput.h"
#include "SettingsLayout.h"

#include <QFormLayout>
#include <QLabel>

namespace rv::ui {

namespace {

using L = rv::LangText;

const L Caption{"", "Scan Information", "扫描信息"};
const std::array<L, 7> Labels{{{"", "Priority", "优先"},
                               {"", "Priority Channel", "优先信道"},
                               {"", "Look Back Time A[s]", "回扫时间A[秒]"},
                               {"", "Look Back Time B[s]", "回扫时间B[秒]"},
                               {"", "Revert Channel", "返回信道"},
                               {"", "Dropout Delay Time[s]", "扫描接收恢复延迟时间[秒]"},
                               {"", "TX Dwell Time[s]", "扫描发射恢复延迟时间[秒]"}}};
enum Box { Priority, PriorityCh, LookBackA, LookBackB, Revert, Dropout, TxDwell };

/// The two models with eight channels offer only those as priority channel.
int ChannelsOfModel(const std::string& model) {
    return model == "813" || model == "913" ? 8 : 16;
}

QStringList LookBackEntries() {
    QStringList l;
    for (int n = 1; n <= rv::LookBackCount; ++n)
        l << QString::fromStdString(rv::LookBackText(n));
    return l;
}

QString RevertText(int value, int language) {
    return QString::fromStdString(rv::ChoiceText(rv::RevertChannelChoices(), value, language));
}

} // namespace

FrmScanInfo::FrmScanInfo(AppContext& ctx, QWidget* parent)
    : ChildWindow(ctx, QStringLiteral("FrmScanInfo"), parent) {
    auto* form = NewForm();
    AddComboRows(form, this, combo1_, label1_, QStringLiteral("Combo1"), QStringLiteral("Label1"),
                 [this](int i) { commit(i); });
    buttons_ = MakeCommandButtons(this, true);
    LayOutWindow(this, form, buttons_, true);
    InstallEnterMovesFocusOnControls(this);
    changeShowByLanguage();
}

void FrmScanInfo::fillLists() {
    const int lang = ctx_.lang();
    QStringList channels{QString::fromStdString(rv::PriorityChannelText(255, lang))};
    channels << Numbers(1, ChannelsOfModel(ctx_.session.CurModelCode));
    combo1_[PriorityCh]->setEntries(channels);
    combo1_[LookBackA]->setEntries(LookBackEntries());
    combo1_[LookBackB]->setEntries(LookBackEntries());
    combo1_[Dropout]->setEntries(Numbers(0, 300));
    combo1_[TxDwell]->setEntries(Numbers(0, 300));
    combo1_[Priority]->setEntries(Entries(rv::PriorityModeChoices(), lang));
}

void FrmScanInfo::changeShowByLanguage() {
    const int lang = ctx_.lang();
    setWindowTitle(Tr(lang, Caption));
    for (int i = 0; i < 7; ++i)
        label1_[i]->setText(Tr(lang, Labels[i]));
    fillLists();
    buttons_.caption(lang);
    reShow();
}

void FrmScanInfo::reShow() {
    const auto& s = ctx_.doc().ScanInfo;
    combo1_[Priority]->showEntry(s.PriorityType);
    combo1_[PriorityCh]->showEntry(s.PriorityChannel == 255 ? 0 : s.PriorityChannel);
    combo1_[LookBackA]->showEntry(s.LookBackA - 1);
    combo1_[LookBackB]->showEntry(s.LookBackB - 1);
    fillRevertList(s.PriorityType);
    // The stored revert channel is shown even when the mode does not offer it.
    combo1_[Revert]->showText(RevertText(s.RevertChannel, ctx_.lang()));
    combo1_[Dropout]->showEntry(s.DropoutDelay);
    combo1_[TxDwell]->showEntry(s.TxDwell);
    enableByMode(s.PriorityType);
}

void FrmScanInfo::fillRevertList(int mode) {
    combo1_[Revert]->setEntries(Entries(rv::RevertChoicesOfMode(mode), ctx_.lang()));
}

void FrmScanInfo::enableByMode(int mode) {
    combo1_[PriorityCh]->setEnabled(mode == 1);
    combo1_[LookBackA]->setEnabled(mode == 1 || mode == 2);
    combo1_[LookBackB]->setEnabled(mode == 1 || mode == 2);
}

void FrmScanInfo::commit(int i) {
    const int p = combo1_[i]->currentIndex();
    if (p < 0) return;
    auto& s = ctx_.doc().ScanInfo;
    switch (i) {
    case Priority:
        commitPriorityMode();
        break;
    case PriorityCh:
        s.PriorityChannel = Int16(p == 0 ? 255 : p);
        break;
    case LookBackA:
        s.LookBackA = Int16(p + 1);
        break;
    case LookBackB:
        s.LookBackB = Int16(p + 1);
        break;
    case Revert: {
        const int v = rv::ChoiceValue(rv::RevertChoicesOfMode(s.PriorityType), p);
        if (v >= 0) s.RevertChannel = Int16(v);
        break;
    }
    case Dropout:
        s.DropoutDelay = Int16(p);
        break;
    case TxDwell:
        s.TxDwell = Int16(p);
        break;
    default:
        return;
    }
    ctx_.notifyEdited(this);
}

void FrmScanInfo::commitPriorityMode() {
    auto& s = ctx_.doc().ScanInfo;
    const int mode = combo1_[Priority]->currentIndex();
    s.PriorityType = Int16(mode);
    fillRevertList(mode >= 0 && mode <= 2 ? mode : 0);
    // The revert channel keeps its stored value until the user picks one; the list only
    // moves to the entry of the same kind (with or without talk back).
    combo1_[Revert]->showEntry(mode == 1 ? s.RevertChannel : s.RevertChannel % 2);
    enableByMode(mode);
}

} // namespace rv::ui
