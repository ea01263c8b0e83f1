#include "Show.h"

#include "data/Conversions.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace rv::cli {

namespace {

struct Words {
    const char* en;
    const char* zh;
    const char* in(int language) const { return language == Chinese ? zh : en; }
};

// Channel table columns: the headers of the channel grid, then the fields of the channel
// edit dialog.
const std::vector<Words> ChannelHeaders{
    {"CH No.", "信道"},       {"RX Frequency", "接收频率"}, {"TX FreQuency", "发射频率"},
    {"QT/DQT Dec", "解码"},   {"QT/DQT Enc", "编码"},       {"TX Power", "发射功率"},
    {"Scan Add", "扫描添加"}, {"Opt Signal", "可选信令"},   {"PTT ID", "PTT ID"},
    {"W/N", "带宽"},          {"Busy Lockout", "繁忙锁定"}, {"SP Unmute", "静噪开启"},
    {"Autodial", "自动拨号"}, {"Beat Shift", "差拍"},       {"Compander", "压扩"},
};

const Words High{"High", "高"}, Low{"Low", "低"}, Yes{"Yes", "有"}, No{"No", "无"};
const Words Wide{"Wide", "宽带"}, Narrow{"Narrow", "窄带"}, On{"On", "开"}, Off{"Off", "关"};
const std::vector<Words> OptSignals{{"None", "无"}, {"DTMF", "DTMF"}, {"FleetSync", "FleetSync"}};
const std::vector<Words> BusyLockouts{
    {"Off", "关"}, {"Carrier", "载波"}, {"QT/DQ", "QT/DQT"}, {"Option Signalling", "可选信令"}};
const std::vector<Words> UnmuteCarrier{{"Carrier", "载波"},
                                       {"Carrier + Opt.Sig.", "载波 + 可选信令"},
                                       {"Carrier or Opt.Sig", "载波或可选信令"}};
const std::vector<Words> UnmuteTone{{"QT/DQT", "QT/DQT"},
                                    {"QT/DQT + Opt.Sig.", "QT/DQT + 可选信令"},
                                    {"QT/DQT or Opt.Sig", "QT/DQT或可选信令"}};

std::string Pick(const std::vector<Words>& list, int v, int language) {
    if (v < 0 || v >= static_cast<int>(list.size())) return std::to_string(v);
    return list[static_cast<std::size_t>(v)].in(language);
}

std::string Flag(int v, const Words& one, const Words& zero, int language) {
    return v == 1 ? one.in(language) : v == 0 ? zero.in(language) : std::to_string(v);
}

// Columns are padded by the width a terminal gives them: CJK characters take two cells.
std::size_t DisplayWidth(const std::string& s) {
    std::size_t w = 0;
    for (unsigned char c : s) {
        if ((c & 0xC0) == 0x80) continue;
        w += c >= 0xE0 ? 2 : 1;
    }
    return w;
}

std::vector<std::string> ChannelRow(const Session& s, int n) {
    const int lang = s.CurLanguage;
    const RadioData& d = s.Doc;
    const int count = std::clamp<int>(d.ChannelCount, 0, 16);
    const auto it = std::find_if(d.Channels.begin(), d.Channels.begin() + count,
                                 [n](const ChannelInfo& c) { return c.ChNo == n; });
    if (it == d.Channels.begin() + count) return {std::to_string(n)};
    const ChannelInfo& c = *it;
    const bool noTone = c.RxCode.get() == "FFFF";
    return {std::to_string(n),
            StorageToFreq(s, c.RxFreq.get()),
            StorageToFreq(s, c.TxFreq.get()),
            ToneToText(s, c.RxCode.get()),
            ToneToText(s, c.TxCode.get()),
            Flag(c.TxPower, High, Low, lang),
            Flag(c.ScanAdd, Yes, No, lang),
            Pick(OptSignals, c.OptSignal, lang),
            Flag(c.PttId, On, Off, lang),
            Flag(c.WideNarrow, Wide, Narrow, lang),
            Pick(BusyLockouts, c.BusyLockout, lang),
            Pick(noTone ? UnmuteCarrier : UnmuteTone, c.SpUnmute, lang),
            std::to_string(c.AutodialMem + 1),
            Flag(c.BeatShift, On, Off, lang),
            Flag(c.Compander, On, Off, lang)};
}

std::string Table(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows)
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (widths.size() <= i) widths.push_back(0);
            widths[i] = std::max(widths[i], DisplayWidth(row[i]));
        }
    std::string out;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i)
            line += row[i] + std::string(widths[i] - DisplayWidth(row[i]) + 2, ' ');
        out += line.substr(0, line.find_last_not_of(' ') + 1) + "\n";
    }
    return out;
}

} // namespace

std::string DocumentText(const Session& s) {
    std::vector<std::vector<std::string>> rows{{}};
    for (const Words& h : ChannelHeaders)
        rows[0].push_back(h.in(s.CurLanguage));
    for (int n = 1; n <= 16; ++n)
        rows.push_back(ChannelRow(s, n));
    return Table(rows) + "\n" + SettingsText(s);
}

} // namespace rv::cli
