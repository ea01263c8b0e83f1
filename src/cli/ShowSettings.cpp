#include "Show.h"

#include "data/Conversions.h"
#include "data/SettingTexts.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace rv::cli {

namespace {

using Value = std::function<std::string(const Session&)>;

struct Setting {
    const char* en;
    const char* zh;
    Value value;
};

std::string N(int v) {
    return std::to_string(v);
}

// A text of the file as the program's windows read it: one byte, one Latin-1 character
// (as --json reads it too), written as UTF-8. Control characters, which would act on the
// terminal, show as the replacement character.
std::string Shown(const std::string& raw) {
    std::string out;
    for (const char ch : raw) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x20 || (c >= 0x7F && c < 0xA0)) {
            out += "\xEF\xBF\xBD";
        } else if (c < 0x80) {
            out += ch;
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

template <class Rec, class Field> Value Num(Rec RadioData::*rec, Field Rec::*field) {
    return [rec, field](const Session& s) { return N((s.Doc.*rec).*field); };
}

template <class Rec, std::size_t W> Value Txt(Rec RadioData::*rec, Text<W> Rec::*field) {
    return [rec, field](const Session& s) { return Shown(((s.Doc.*rec).*field).get()); };
}

template <class Rec> Value OnOff(Rec RadioData::*rec, Int16 Rec::*field) {
    return [rec, field](const Session& s) { return OnOffText((s.Doc.*rec).*field, s.CurLanguage); };
}

// A drop-down value as its window shows it; a value outside the list (a damaged file) as
// its number.
template <class Rec, class Field>
Value Pick(Rec RadioData::*rec, Field Rec::*field, const ChoiceList& (*list)()) {
    return [rec, field, list](const Session& s) {
        return ShownValue(list(), (s.Doc.*rec).*field, s.CurLanguage);
    };
}

template <class Rec, class Field> Value OffOrNumber(Rec RadioData::*rec, Field Rec::*field) {
    return [rec, field](const Session& s) {
        return OffOrNumberText((s.Doc.*rec).*field, s.CurLanguage);
    };
}

// Look-back times: list position + 1, from 0.50 s in steps of 0.05 s.
Value LookBack(Int16 ScanInfo::*field) {
    return [field](const Session& s) {
        const int v = s.Doc.ScanInfo.*field;
        return OrNumber(LookBackText(v), v);
    };
}

Value KeyFunction(Int16 RadioData::*field) {
    return [field](const Session& s) {
        const int v = s.Doc.*field;
        return OrNumber(KeyFunctionText(v, s.CurLanguage), v);
    };
}

// A fleet or ID number with its offset; in the fleet list 0 is "All" and 255 an empty
// cell. A value beyond the numbers (a damaged file) prints as stored.
std::string FleetNumber(const Session& s, int value, bool isId, bool inList) {
    const int count = isId ? IdNumberCount : FleetNumberCount;
    if (value >= 1 && value <= count) return N(value + (isId ? IdOffset : FleetOffset));
    if (inList && value == 0) return AllText(s.CurLanguage);
    if (inList && value == 255) return {};
    return N(value);
}

// Own fleet and ID: both blank while no own fleet is set (255).
Value OwnFleetNumber(bool isId) {
    return [isId](const Session& s) {
        const FleetSyncInfo& f = s.Doc.FleetSyncInfo;
        if (f.OwnFleet == 255) return std::string();
        return FleetNumber(s, isId ? f.OwnId : f.OwnFleet, isId, false);
    };
}

const std::vector<Setting>& Settings() {
    using D = RadioData;
    using O = OptFeatures;
    using Sc = ScanInfo;
    using T = DtmfInfo;
    using F = FleetSyncInfo;
    static const std::vector<Setting> table{
        {"Model", "机型", [](const Session& s) { return s.CurModelCode; }},
        {"Frequency band", "频段", [](const Session& s) { return s.CurBand; }},
        {"Serial number", "序列号",
         [](const Session& s) { return Shown(s.Doc.SerialNumber.get()); }},
        {"Version", "版本", [](const Session& s) { return Shown(s.Doc.Version.get()); }},
        {"Model type", "机型类型", [](const Session& s) { return Shown(s.Doc.ModelType.get()); }},
        {"Frequency code", "频率代码", [](const Session& s) { return N(s.Doc.FrequencyCode); }},
        {"Type letter", "类型字母", [](const Session& s) { return N(s.Doc.TypeLetter); }},
        {"Time Out Timer(TOT)[s]", "超时定时器(TOT)[秒]",
         [](const Session& s) { return N(TotSeconds(s.Doc.OptFeatures.TotTime)); }},
        {"TOT Pre-Alert[s]", "超时定时器预警[秒]", OffOrNumber(&D::OptFeatures, &O::TotPreAlert)},
        {"Squelch Level", "静躁电平", Num(&D::OptFeatures, &O::SquelchLevel)},
        {"Mic Sensitivity", "麦克风灵敏度",
         Pick(&D::OptFeatures, &O::MicSensitivity, &MicSensitivityChoices)},
        {"Voice Annunciation", "语音通知",
         Pick(&D::OptFeatures, &O::VoiceAnnunciation, &VoiceChoices)},
        {"Battery Save", "电池省电", OnOff(&D::OptFeatures, &O::BatterySave)},
        {"Beep", "哗音", OnOff(&D::OptFeatures, &O::Beep)},
        {"Scrambler Activation", "扰频器激活", OnOff(&D::OptFeatures, &O::ScramblerActivation)},
        {"Scrambler Backup", "扰频器备份", OnOff(&D::OptFeatures, &O::ScramblerBackup)},
        {"PTT ID Type", "PTT ID类型", Pick(&D::OptFeatures, &O::PttIdMode, &PttIdModeChoices)},
        {"PTT ID", "PTT ID", Pick(&D::OptFeatures, &O::PttIdType, &PttIdTypeChoices)},
        {"Begin of TX", "发射开始", Txt(&D::OptFeatures, &O::PttIdBot)},
        {"End of TX", "发射结束", Txt(&D::OptFeatures, &O::PttIdEot)},
        {"VOX Function", "VOX功能", OnOff(&D::OptFeatures, &O::VoxFunction)},
        {"VOX Gain Level", "VOX增益电平", OffOrNumber(&D::OptFeatures, &O::VoxGain)},
        {"VOX Delay Time[s]", "VOX延迟时间[秒]",
         Pick(&D::OptFeatures, &O::VoxDelay, &VoxDelayChoices)},
        {"Cancel Operation", "取消操作", OnOff(&D::OptFeatures, &O::VoxCancelOperation)},
        {"VOX Proceed Tone", "VOX可进行音调", OnOff(&D::OptFeatures, &O::VoxProceedTone)},
        {"VOX Inhibit on Receive", "接收时禁止VOX", OnOff(&D::OptFeatures, &O::VoxInhibitOnRx)},
        {"Clone Mode", "复制模式", OnOff(&D::OptFeatures, &O::CloneMode)},
        {"Key 1 function", "按键 1 功能", KeyFunction(&D::KeyFunc1)},
        {"Key 2 function", "按键 2 功能", KeyFunction(&D::KeyFunc2)},
        {"Priority", "优先", Pick(&D::ScanInfo, &Sc::PriorityType, &PriorityModeChoices)},
        {"Priority Channel", "优先信道",
         [](const Session& s) {
             return PriorityChannelText(s.Doc.ScanInfo.PriorityChannel, s.CurLanguage);
         }},
        {"Look Back Time A[s]", "回扫时间A[秒]", LookBack(&Sc::LookBackA)},
        {"Look Back Time B[s]", "回扫时间B[秒]", LookBack(&Sc::LookBackB)},
        {"Revert Channel", "返回信道",
         Pick(&D::ScanInfo, &Sc::RevertChannel, &RevertChannelChoices)},
        {"Dropout Delay Time[s]", "扫描接收恢复延迟时间[秒]", Num(&D::ScanInfo, &Sc::DropoutDelay)},
        {"TX Dwell Time[s]", "扫描发射恢复延迟时间[秒]", Num(&D::ScanInfo, &Sc::TxDwell)},
        {"DTMF speed", "DTMF 速度", Pick(&D::DtmfInfo, &T::DtmfSpeed, &DtmfSpeedChoices)},
        {"First digit time", "首位时间", Pick(&D::DtmfInfo, &T::FirstDigitTime, &DigitTimeChoices)},
        {"First digit delay (ms)", "首位延时 (毫秒)",
         [](const Session& s) { return N(FirstDigitDelayMs(s.Doc.DtmfInfo.FirstDigitDelay)); }},
        {"*/# tone", "*/# 音", Pick(&D::DtmfInfo, &T::StarHashTone, &DigitTimeChoices)},
        {"D code assign", "D 码分配", Pick(&D::DtmfInfo, &T::DCodeAssign, &DCodeChoices)},
        {"DTMF side tone", "DTMF 侧音", OnOff(&D::DtmfInfo, &T::DtmfSideTone)},
        {"ID code", "ID 码", Txt(&D::DtmfInfo, &T::IdCode)},
        {"Group code", "组码", Pick(&D::DtmfInfo, &T::GroupCode, &GroupCodeChoices)},
        {"Auto reset timer (s)", "自动复位时间 (秒)",
         OffOrNumber(&D::DtmfInfo, &T::AutoResetTimer)},
        {"Call alert", "呼叫提示", Pick(&D::DtmfInfo, &T::CallAlert, &CallAlertChoices)},
        {"Transpond", "应答", Pick(&D::DtmfInfo, &T::Transpond, &TranspondChoices)},
        {"Clear to transpond", "清除应答", OnOff(&D::DtmfInfo, &T::ClearToTranspond)},
        {"Stun code", "遥毙码", Txt(&D::DtmfInfo, &T::StunCode)},
        {"Stun type", "遥毙类型", Pick(&D::DtmfInfo, &T::StunType, &StunTypeChoices)},
        {"Own fleet", "本机组号", OwnFleetNumber(false)},
        {"Own ID", "本机 ID", OwnFleetNumber(true)},
        {"Baud rate", "波特率", Pick(&D::FleetSyncInfo, &F::BaudRate, &BaudRateChoices)},
        {"TX modulation delay (ms)", "发射调制延时 (毫秒)", Num(&D::FleetSyncInfo, &F::TxModDelay)},
        {"Message mode timer (s)", "消息模式时间 (秒)",
         OffOrNumber(&D::FleetSyncInfo, &F::MsgModeTimer)},
        {"PTT ID side tone", "PTT ID 侧音", OnOff(&D::FleetSyncInfo, &F::PttIdSideTone)},
        {"Embedded message 1", "开机信息 1",
         [](const Session& s) { return Shown(s.Doc.EmbMsg1.get()); }},
        {"Embedded message 2", "开机信息 2",
         [](const Session& s) { return Shown(s.Doc.EmbMsg2.get()); }},
    };
    return table;
}

std::string Line(const Session& s, const char* en, const char* zh, const std::string& v) {
    return std::string(s.CurLanguage == Chinese ? zh : en) + (v.empty() ? ":" : ": " + v) + "\n";
}

std::string ListsText(const Session& s) {
    const RadioData& d = s.Doc;
    std::string out;
    for (int i = 0; i < std::clamp<int>(d.DtmfCodeCount, 0, 8); ++i)
        out += Line(s, ("Autodial memory " + N(d.DtmfCodes[i].No)).c_str(),
                    ("自动拨号存储 " + N(d.DtmfCodes[i].No)).c_str(),
                    Shown(d.DtmfCodes[i].Code.get()));
    for (int i = 0; i < std::clamp<int>(d.TestFreCount, 0, 16); ++i) {
        const TestFre& t = d.TestFres[i];
        const std::string v = StorageToFreq(s, t.RxFreq.get()) + " / " +
                              StorageToFreq(s, t.TxFreq.get()) + " (" + N(t.RxSig) + " / " +
                              N(t.TxSig) + ")";
        out += Line(s, ("Test frequency " + N(t.No)).c_str(), ("测试频率 " + N(t.No)).c_str(), v);
    }
    for (int i = 0; i < std::clamp<int>(d.FleetCount, 0, 8); ++i) {
        const FleetEntry& f = d.Fleets[i];
        out += Line(s, ("Fleet " + N(f.Slot)).c_str(), ("组 " + N(f.Slot)).c_str(),
                    FleetNumber(s, f.Fleet, false, true) + " / " +
                        FleetNumber(s, f.IdValue, true, true));
    }
    return out;
}

} // namespace

std::string SettingsText(const Session& s) {
    std::string out;
    for (const Setting& row : Settings())
        out += Line(s, row.en, row.zh, row.value(s));
    return out + ListsText(s);
}

} // namespace rv::cli
