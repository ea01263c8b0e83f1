#include "Show.h"

#include "data/Conversions.h"

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

template <class Rec, class Field> Value Num(Rec RadioData::*rec, Field Rec::*field) {
    return [rec, field](const Session& s) { return N((s.Doc.*rec).*field); };
}

template <class Rec, std::size_t W> Value Txt(Rec RadioData::*rec, Text<W> Rec::*field) {
    return [rec, field](const Session& s) { return ((s.Doc.*rec).*field).get(); };
}

template <class Rec> Value OnOff(Rec RadioData::*rec, Int16 Rec::*field) {
    return [rec, field](const Session& s) {
        const int v = (s.Doc.*rec).*field;
        if (v != 0 && v != 1) return N(v);
        if (s.CurLanguage == Chinese) return std::string(v ? "开" : "关");
        return std::string(v ? "On" : "Off");
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
        {"Serial number", "序列号", [](const Session& s) { return s.Doc.SerialNumber.get(); }},
        {"Version", "版本", [](const Session& s) { return s.Doc.Version.get(); }},
        {"Model type", "机型类型", [](const Session& s) { return s.Doc.ModelType.get(); }},
        {"Frequency code", "频率代码", [](const Session& s) { return N(s.Doc.FrequencyCode); }},
        {"Type letter", "类型字母", [](const Session& s) { return N(s.Doc.TypeLetter); }},
        {"TOT (x 15 s)", "发射限时 (x 15 秒)", Num(&D::OptFeatures, &O::TotTime)},
        {"TOT pre-alert (s)", "发射限时预警 (秒)", Num(&D::OptFeatures, &O::TotPreAlert)},
        {"Squelch level", "静噪等级", Num(&D::OptFeatures, &O::SquelchLevel)},
        {"Mic sensitivity", "话筒灵敏度", Num(&D::OptFeatures, &O::MicSensitivity)},
        {"Voice annunciation", "语音提示", Num(&D::OptFeatures, &O::VoiceAnnunciation)},
        {"Battery save", "省电", OnOff(&D::OptFeatures, &O::BatterySave)},
        {"Beep", "按键音", OnOff(&D::OptFeatures, &O::Beep)},
        {"Scrambler activation", "加密启用", OnOff(&D::OptFeatures, &O::ScramblerActivation)},
        {"Scrambler backup", "加密备份", OnOff(&D::OptFeatures, &O::ScramblerBackup)},
        {"PTT ID mode", "PTT ID 模式", Num(&D::OptFeatures, &O::PttIdMode)},
        {"PTT ID type", "PTT ID 类型", Num(&D::OptFeatures, &O::PttIdType)},
        {"PTT ID BOT", "PTT ID 首发", Txt(&D::OptFeatures, &O::PttIdBot)},
        {"PTT ID EOT", "PTT ID 尾发", Txt(&D::OptFeatures, &O::PttIdEot)},
        {"VOX", "声控", OnOff(&D::OptFeatures, &O::VoxFunction)},
        {"VOX gain", "声控增益", Num(&D::OptFeatures, &O::VoxGain)},
        {"VOX delay", "声控延时", Num(&D::OptFeatures, &O::VoxDelay)},
        {"VOX cancel operation", "声控取消操作", OnOff(&D::OptFeatures, &O::VoxCancelOperation)},
        {"VOX proceed tone", "声控提示音", OnOff(&D::OptFeatures, &O::VoxProceedTone)},
        {"VOX inhibit on RX", "接收时禁止声控", OnOff(&D::OptFeatures, &O::VoxInhibitOnRx)},
        {"Clone mode", "克隆模式", OnOff(&D::OptFeatures, &O::CloneMode)},
        {"Key 1 function", "按键 1 功能", [](const Session& s) { return N(s.Doc.KeyFunc1); }},
        {"Key 2 function", "按键 2 功能", [](const Session& s) { return N(s.Doc.KeyFunc2); }},
        {"Priority type", "优先类型", Num(&D::ScanInfo, &Sc::PriorityType)},
        {"Priority channel", "优先信道", Num(&D::ScanInfo, &Sc::PriorityChannel)},
        {"Look back time A", "回看时间 A", Num(&D::ScanInfo, &Sc::LookBackA)},
        {"Look back time B", "回看时间 B", Num(&D::ScanInfo, &Sc::LookBackB)},
        {"Revert channel", "回复信道", Num(&D::ScanInfo, &Sc::RevertChannel)},
        {"Dropout delay", "掉线延时", Num(&D::ScanInfo, &Sc::DropoutDelay)},
        {"TX dwell", "发射停留", Num(&D::ScanInfo, &Sc::TxDwell)},
        {"DTMF speed", "DTMF 速度", Num(&D::DtmfInfo, &T::DtmfSpeed)},
        {"First digit time", "首位时间", Num(&D::DtmfInfo, &T::FirstDigitTime)},
        {"First digit delay (x 10 ms)", "首位延时 (x 10 毫秒)",
         Num(&D::DtmfInfo, &T::FirstDigitDelay)},
        {"*/# tone", "*/# 音", Num(&D::DtmfInfo, &T::StarHashTone)},
        {"D code assign", "D 码分配", Num(&D::DtmfInfo, &T::DCodeAssign)},
        {"DTMF side tone", "DTMF 侧音", OnOff(&D::DtmfInfo, &T::DtmfSideTone)},
        {"ID code", "ID 码", Txt(&D::DtmfInfo, &T::IdCode)},
        {"Group code", "组码", Num(&D::DtmfInfo, &T::GroupCode)},
        {"Auto reset timer (s)", "自动复位时间 (秒)", Num(&D::DtmfInfo, &T::AutoResetTimer)},
        {"Call alert", "呼叫提示", Num(&D::DtmfInfo, &T::CallAlert)},
        {"Transpond", "应答", Num(&D::DtmfInfo, &T::Transpond)},
        {"Clear to transpond", "清除应答", OnOff(&D::DtmfInfo, &T::ClearToTranspond)},
        {"Stun code", "遥毙码", Txt(&D::DtmfInfo, &T::StunCode)},
        {"Stun type", "遥毙类型", Num(&D::DtmfInfo, &T::StunType)},
        {"Own fleet", "本机组号", Num(&D::FleetSyncInfo, &F::OwnFleet)},
        {"Own ID", "本机 ID", Num(&D::FleetSyncInfo, &F::OwnId)},
        {"Baud rate", "波特率", Num(&D::FleetSyncInfo, &F::BaudRate)},
        {"TX modulation delay (ms)", "发射调制延时 (毫秒)", Num(&D::FleetSyncInfo, &F::TxModDelay)},
        {"Message mode timer (s)", "消息模式时间 (秒)", Num(&D::FleetSyncInfo, &F::MsgModeTimer)},
        {"PTT ID side tone", "PTT ID 侧音", OnOff(&D::FleetSyncInfo, &F::PttIdSideTone)},
        {"Embedded message 1", "开机信息 1", [](const Session& s) { return s.Doc.EmbMsg1.get(); }},
        {"Embedded message 2", "开机信息 2", [](const Session& s) { return s.Doc.EmbMsg2.get(); }},
    };
    return table;
}

std::string Line(const Session& s, const char* en, const char* zh, const std::string& v) {
    return std::string(s.CurLanguage == Chinese ? zh : en) + ": " + v + "\n";
}

std::string ListsText(const Session& s) {
    const RadioData& d = s.Doc;
    std::string out;
    for (int i = 0; i < std::clamp<int>(d.DtmfCodeCount, 0, 8); ++i)
        out += Line(s, ("Autodial memory " + N(d.DtmfCodes[i].No)).c_str(),
                    ("自动拨号存储 " + N(d.DtmfCodes[i].No)).c_str(), d.DtmfCodes[i].Code.get());
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
                    N(f.Fleet) + " / " + N(f.IdValue));
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
