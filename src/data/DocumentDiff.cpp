#include "DocumentDiff.h"

#include "Conversions.h"
#include "ImageMap.h"
#include "SettingTexts.h"

#include <algorithm>
#include <functional>
#include <map>

namespace rv {

namespace {

using Value = std::function<std::string(const Session&)>;

struct Row {
    LangText area;
    LangText item;
    Value value;
};

const LangText OptArea{"", "Optional Features", "可选功能"};
const LangText KeyArea{"", "Key Assignment", "键设定"};
const LangText ScanArea{"", "Scan Information", "扫描信息"};
const LangText DtmfArea{"", "DTMF", "DTMF(双音多频)"};
const LangText FleetArea{"", "FleetSync", "FleetSync(队列同步)"};
const LangText TestArea{"", "Test Frequency", "测试频率"};
const LangText MsgArea{"", "Embedded Message", "嵌入信息"};
const LangText ModelArea{"", "Model", "机型"};

std::string N(int v) {
    return std::to_string(v);
}

// Stored texts are one byte a character (the windows read them as Latin-1); shown texts are
// UTF-8 like every other text of the comparison.
std::string Shown(const std::string& stored) {
    std::string out;
    for (const char ch : stored) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

template <class Rec, class F> Value Num(Rec RadioData::*rec, F Rec::*field) {
    return [=](const Session& s) { return N((s.Doc.*rec).*field); };
}
template <class Rec> Value OnOff(Rec RadioData::*rec, Int16 Rec::*field) {
    return [=](const Session& s) { return OnOffText((s.Doc.*rec).*field, s.CurLanguage); };
}
template <class Rec, class F> Value OffNum(Rec RadioData::*rec, F Rec::*field) {
    return [=](const Session& s) { return OffOrNumberText((s.Doc.*rec).*field, s.CurLanguage); };
}
template <class Rec, class F>
Value Pick(Rec RadioData::*rec, F Rec::*field, const ChoiceList& (*list)()) {
    return [=](const Session& s) { return ShownValue(list(), (s.Doc.*rec).*field, s.CurLanguage); };
}
template <class Rec, std::size_t W> Value Txt(Rec RadioData::*rec, Text<W> Rec::*field) {
    return [=](const Session& s) { return Shown(((s.Doc.*rec).*field).get()); };
}

// Own fleet and ID: blank while no own fleet is set.
Value Own(bool isId) {
    return [isId](const Session& s) {
        const FleetSyncInfo& f = s.Doc.FleetSyncInfo;
        if (f.OwnFleet == 255) return std::string();
        const int v = isId ? f.OwnId : f.OwnFleet;
        return FleetNumberText(v, isId ? IdOffset : FleetOffset, false, s.CurLanguage);
    };
}

Value LookBack(Int16 ScanInfo::*field) {
    return [field](const Session& s) {
        const int v = s.Doc.ScanInfo.*field;
        return OrNumber(LookBackText(v), v);
    };
}

Value Key(Int16 RadioData::*field) {
    return [field](const Session& s) {
        const int v = s.Doc.*field;
        return OrNumber(KeyFunctionText(v, s.CurLanguage), v);
    };
}

const std::vector<Row>& SettingRows() {
    using D = RadioData;
    using O = OptFeatures;
    using Sc = ScanInfo;
    using T = DtmfInfo;
    using F = FleetSyncInfo;
    static const std::vector<Row> rows{
        {ModelArea, {"", "Model", "机型"}, [](const Session& s) { return s.CurModelCode; }},
        {ModelArea, {"", "Frequency Band", "频段"}, [](const Session& s) { return s.CurBand; }},
        {OptArea,
         {"", "Time Out Timer(TOT)[s]", "超时定时器(TOT)[秒]"},
         [](const Session& s) { return N(TotSeconds(s.Doc.OptFeatures.TotTime)); }},
        {OptArea,
         {"", "TOT Pre-Alert[s]", "超时定时器预警[秒]"},
         OffNum(&D::OptFeatures, &O::TotPreAlert)},
        {OptArea, {"", "Squelch Level", "静躁电平"}, Num(&D::OptFeatures, &O::SquelchLevel)},
        {OptArea,
         {"", "Mic Sensitivity", "麦克风灵敏度"},
         Pick(&D::OptFeatures, &O::MicSensitivity, &MicSensitivityChoices)},
        {OptArea,
         {"", "Voice Annunciation", "语音通知"},
         Pick(&D::OptFeatures, &O::VoiceAnnunciation, &VoiceChoices)},
        {OptArea, {"", "Battery Save", "电池省电"}, OnOff(&D::OptFeatures, &O::BatterySave)},
        {OptArea, {"", "Beep", "哗音"}, OnOff(&D::OptFeatures, &O::Beep)},
        {OptArea,
         {"", "Scrambler Activation", "扰频器激活"},
         OnOff(&D::OptFeatures, &O::ScramblerActivation)},
        {OptArea,
         {"", "Scrambler Backup", "扰频器备份"},
         OnOff(&D::OptFeatures, &O::ScramblerBackup)},
        {OptArea,
         {"", "PTT ID Type", "PTT ID类型"},
         Pick(&D::OptFeatures, &O::PttIdMode, &PttIdModeChoices)},
        {OptArea,
         {"", "PTT ID", "PTT ID"},
         Pick(&D::OptFeatures, &O::PttIdType, &PttIdTypeChoices)},
        {OptArea, {"", "Begin of TX", "发射开始"}, Txt(&D::OptFeatures, &O::PttIdBot)},
        {OptArea, {"", "End of TX", "发射结束"}, Txt(&D::OptFeatures, &O::PttIdEot)},
        {OptArea, {"", "VOX Function", "VOX功能"}, OnOff(&D::OptFeatures, &O::VoxFunction)},
        {OptArea, {"", "VOX Gain Level", "VOX增益电平"}, OffNum(&D::OptFeatures, &O::VoxGain)},
        {OptArea,
         {"", "VOX Delay Time[s]", "VOX延迟时间[秒]"},
         Pick(&D::OptFeatures, &O::VoxDelay, &VoxDelayChoices)},
        {OptArea,
         {"", "Cancel Operation", "取消操作"},
         OnOff(&D::OptFeatures, &O::VoxCancelOperation)},
        {OptArea,
         {"", "VOX Proceed Tone", "VOX可进行音调"},
         OnOff(&D::OptFeatures, &O::VoxProceedTone)},
        {OptArea,
         {"", "VOX Inhibit on Receive", "接收时禁止VOX"},
         OnOff(&D::OptFeatures, &O::VoxInhibitOnRx)},
        {OptArea, {"", "Clone Mode", "复制模式"}, OnOff(&D::OptFeatures, &O::CloneMode)},
        {KeyArea, {"", "PF1", "PF1"}, Key(&D::KeyFunc1)},
        {KeyArea, {"", "PF2", "PF2"}, Key(&D::KeyFunc2)},
        {ScanArea,
         {"", "Priority", "优先"},
         Pick(&D::ScanInfo, &Sc::PriorityType, &PriorityModeChoices)},
        {ScanArea,
         {"", "Priority Channel", "优先信道"},
         [](const Session& s) {
             return PriorityChannelText(s.Doc.ScanInfo.PriorityChannel, s.CurLanguage);
         }},
        {ScanArea, {"", "Look Back Time A[s]", "回扫时间A[秒]"}, LookBack(&Sc::LookBackA)},
        {ScanArea, {"", "Look Back Time B[s]", "回扫时间B[秒]"}, LookBack(&Sc::LookBackB)},
        {ScanArea,
         {"", "Revert Channel", "返回信道"},
         Pick(&D::ScanInfo, &Sc::RevertChannel, &RevertChannelChoices)},
        {ScanArea,
         {"", "Dropout Delay Time[s]", "扫描接收恢复延迟时间[秒]"},
         Num(&D::ScanInfo, &Sc::DropoutDelay)},
        {ScanArea,
         {"", "TX Dwell Time[s]", "扫描发射恢复延迟时间[秒]"},
         Num(&D::ScanInfo, &Sc::TxDwell)},
        {DtmfArea,
         {"", "DTMF Speed[digit/s]", "DTMF 速率[数字/秒]"},
         Pick(&D::DtmfInfo, &T::DtmfSpeed, &DtmfSpeedChoices)},
        {DtmfArea,
         {"", "First Digit Time[ms]", "首位数码时间[毫秒]"},
         Pick(&D::DtmfInfo, &T::FirstDigitTime, &DigitTimeChoices)},
        {DtmfArea,
         {"", "First Digit Delay[ms]", "首位数码延迟[毫秒]"},
         [](const Session& s) { return N(FirstDigitDelayMs(s.Doc.DtmfInfo.FirstDigitDelay)); }},
        {DtmfArea,
         {"", "* and # Tone[ms]", "*和#音[毫秒]"},
         Pick(&D::DtmfInfo, &T::StarHashTone, &DigitTimeChoices)},
        {DtmfArea,
         {"", "D Code Assignment", "D键设定"},
         Pick(&D::DtmfInfo, &T::DCodeAssign, &DCodeChoices)},
        {DtmfArea, {"", "DTMF Side Tone", "DTMF 侧音"}, OnOff(&D::DtmfInfo, &T::DtmfSideTone)},
        {DtmfArea, {"", "ID Code", "ID 码"}, Txt(&D::DtmfInfo, &T::IdCode)},
        {DtmfArea,
         {"", "Group Code", "组呼码"},
         Pick(&D::DtmfInfo, &T::GroupCode, &GroupCodeChoices)},
        {DtmfArea,
         {"", "Auto Reset Timer[s]", "自动复位定时器[秒]"},
         OffNum(&D::DtmfInfo, &T::AutoResetTimer)},
        {DtmfArea,
         {"", "Call Alert", "呼叫告警"},
         Pick(&D::DtmfInfo, &T::CallAlert, &CallAlertChoices)},
        {DtmfArea,
         {"", "Transpond", "自动应答"},
         Pick(&D::DtmfInfo, &T::Transpond, &TranspondChoices)},
        {DtmfArea,
         {"", "Clear to Transpond", "清除自动应答"},
         OnOff(&D::DtmfInfo, &T::ClearToTranspond)},
        {DtmfArea, {"", "Stun Code", "遥毙码"}, Txt(&D::DtmfInfo, &T::StunCode)},
        {DtmfArea,
         {"", "Stun Type", "遥毙类型"},
         Pick(&D::DtmfInfo, &T::StunType, &StunTypeChoices)},
        {FleetArea, {"", "Fleet(Own)", "队列（自身）"}, Own(false)},
        {FleetArea, {"", "ID(Own)", "ID（自身）"}, Own(true)},
        {FleetArea,
         {"", "FleetSync Baud Rate[bps]", "队列同步波特率[bps]"},
         Pick(&D::FleetSyncInfo, &F::BaudRate, &BaudRateChoices)},
        {FleetArea,
         {"", "Data TX Modulation Delay Time[ms]", "数据发射调制延迟时间[毫秒]"},
         Num(&D::FleetSyncInfo, &F::TxModDelay)},
        {FleetArea,
         {"", "Message Mode Timer[s]", "信息模式定时器[秒]"},
         OffNum(&D::FleetSyncInfo, &F::MsgModeTimer)},
        {FleetArea,
         {"", "PTT ID Side Tone", "PTT ID 侧音"},
         OnOff(&D::FleetSyncInfo, &F::PttIdSideTone)},
        {MsgArea,
         {"", "Line 1", "第 1 行"},
         [](const Session& s) { return Shown(s.Doc.EmbMsg1.get()); }},
        {MsgArea,
         {"", "Line 2", "第 2 行"},
         [](const Session& s) { return Shown(s.Doc.EmbMsg2.get()); }},
    };
    return rows;
}

// The words of the channel window for a channel's settings.
struct ChannelWords {
    LangText high{"", "High", "高"}, low{"", "Low", "低"}, yes{"", "Yes", "有"}, no{"", "No", "无"};
    LangText wide{"", "Wide", "宽带"}, narrow{"", "Narrow", "窄带"}, on{"", "On", "开"},
        off{"", "Off", "关"};
    std::vector<LangText> optSignals{
        {"", "None", "无"}, {"", "DTMF", "DTMF"}, {"", "FleetSync", "FleetSync"}};
    std::vector<LangText> busy{{"", "Off", "关"},
                               {"", "Carrier", "载波"},
                               {"", "QT/DQ", "QT/DQT"},
                               {"", "Option Signalling", "可选信令"}};
    std::vector<LangText> unmuteCarrier{{"", "Carrier", "载波"},
                                        {"", "Carrier + Opt.Sig.", "载波 + 可选信令"},
                                        {"", "Carrier or Opt.Sig", "载波或可选信令"}};
    std::vector<LangText> unmuteTone{{"", "QT/DQT", "QT/DQT"},
                                     {"", "QT/DQT + Opt.Sig.", "QT/DQT + 可选信令"},
                                     {"", "QT/DQT or Opt.Sig", "QT/DQT或可选信令"}};
};

std::string Word(const std::vector<LangText>& list, int v, int lang) {
    if (v < 0 || v >= static_cast<int>(list.size())) return N(v);
    return InLanguage(list[static_cast<std::size_t>(v)], lang);
}

std::string Flag(int v, const LangText& one, const LangText& zero, int lang) {
    return v == 1 ? InLanguage(one, lang) : v == 0 ? InLanguage(zero, lang) : N(v);
}

void AddChannel(const Session& s, int n, std::vector<ShownSetting>& out) {
    static const ChannelWords w;
    const int lang = s.CurLanguage;
    const std::string area = (lang == Chinese ? "信道 " : "Channel ") + N(n);
    const auto add = [&](const char* en, const char* zh, std::string v) {
        out.push_back({area, lang == Chinese ? zh : en, std::move(v)});
    };
    const RadioData& d = s.Doc;
    const auto end = d.Channels.begin() + image::Used(d.ChannelCount, 16);
    const auto it =
        std::find_if(d.Channels.begin(), end, [n](const ChannelInfo& c) { return c.ChNo == n; });
    if (it == end) return add("RX Frequency", "接收频率", "");
    const ChannelInfo& c = *it;
    add("RX Frequency", "接收频率", StorageToFreq(s, c.RxFreq.get()));
    add("TX Frequency", "发射频率", StorageToFreq(s, c.TxFreq.get()));
    add("QT/DQT Dec", "解码", ToneToText(s, c.RxCode.get()));
    add("QT/DQT Enc", "编码", ToneToText(s, c.TxCode.get()));
    add("TX Power", "发射功率", Flag(c.TxPower, w.high, w.low, lang));
    add("Scan Add", "扫描添加", Flag(c.ScanAdd, w.yes, w.no, lang));
    add("Opt Signal", "可选信令", Word(w.optSignals, c.OptSignal, lang));
    add("PTT ID", "PTT ID", Flag(c.PttId, w.on, w.off, lang));
    add("W/N", "带宽", Flag(c.WideNarrow, w.wide, w.narrow, lang));
    add("Busy Lockout", "繁忙锁定", Word(w.busy, c.BusyLockout, lang));
    add("SP Unmute", "静噪开启",
        Word(c.RxCode.get() == "FFFF" ? w.unmuteCarrier : w.unmuteTone, c.SpUnmute, lang));
    add("Autodial", "自动拨号", N(c.AutodialMem + 1));
    add("Beat Shift", "差拍", Flag(c.BeatShift, w.on, w.off, lang));
    add("Compander", "压扩", Flag(c.Compander, w.on, w.off, lang));
}

// The lists: autodial memories, fleet slots and test frequencies, one row per slot.
void AddLists(const Session& s, std::vector<ShownSetting>& out) {
    const int lang = s.CurLanguage;
    const bool zh = lang == Chinese;
    const RadioData& d = s.Doc;
    for (int slot = 1; slot <= 8; ++slot) {
        std::string v;
        for (int i = 0; i < image::Used(d.DtmfCodeCount, 8); ++i)
            if (d.DtmfCodes[i].No == slot) v = Shown(d.DtmfCodes[i].Code.get());
        out.push_back({InLanguage(DtmfArea, lang),
                       (zh ? "自动拨号存储器 " : "Autodial Memory ") + N(slot), v});
    }
    for (int slot = 1; slot <= 8; ++slot) {
        std::string v;
        for (int i = 0; i < image::Used(d.FleetCount, 8); ++i) {
            const FleetEntry& f = d.Fleets[i];
            if (f.Slot == slot)
                v = FleetNumberText(f.Fleet, FleetOffset, true, lang) + " / " +
                    FleetNumberText(f.IdValue, IdOffset, true, lang);
        }
        out.push_back({InLanguage(FleetArea, lang), (zh ? "队列表 " : "Fleet List ") + N(slot), v});
    }
    for (int slot = 1; slot <= 16; ++slot) {
        std::string v;
        for (int i = 0; i < image::Used(d.TestFreCount, 16); ++i) {
            const TestFre& t = d.TestFres[i];
            if (t.No == slot)
                v = StorageToFreq(s, t.RxFreq.get()) + " / " + StorageToFreq(s, t.TxFreq.get()) +
                    " (" + N(t.RxSig) + " / " + N(t.TxSig) + ")";
        }
        out.push_back({InLanguage(TestArea, lang), (zh ? "信道 " : "Channel ") + N(slot), v});
    }
}

} // namespace

std::string NoneText(int language) {
    return language == Chinese ? "（无）" : "(none)";
}

std::vector<ShownSetting> ShownSettings(const Session& s) {
    std::vector<ShownSetting> out;
    for (int n = 1; n <= 16; ++n)
        AddChannel(s, n, out);
    for (const Row& r : SettingRows())
        out.push_back(
            {InLanguage(r.area, s.CurLanguage), InLanguage(r.item, s.CurLanguage), r.value(s)});
    AddLists(s, out);
    return out;
}

std::vector<SettingDifference> CompareDocuments(const Session& a, const Session& b) {
    Session other = b;
    other.CurLanguage = a.CurLanguage;
    // Conversions may report a damaged number; a comparison only shows what is there.
    Session first = a;
    first.onMessage = nullptr;
    other.onMessage = nullptr;
    const auto left = ShownSettings(first);
    const auto right = ShownSettings(other);
    std::map<std::pair<std::string, std::string>, std::string> rightValues;
    for (const auto& r : right)
        rightValues[{r.area, r.item}] = r.value;
    std::vector<SettingDifference> out;
    const auto shown = [&](const std::string& v) {
        return v.empty() ? NoneText(a.CurLanguage) : v;
    };
    for (const auto& l : left) {
        // A channel programmed on one side only differs in its receive frequency alone.
        const auto it = rightValues.find({l.area, l.item});
        if (it == rightValues.end()) continue;
        const std::string& rv = it->second;
        if (rv != l.value) out.push_back({l.area, l.item, shown(l.value), shown(rv)});
    }
    return out;
}

} // namespace rv
