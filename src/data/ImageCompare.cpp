#include "ImageCompare.h"

#include "ImageMap.h"
#include "ModelTables.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace rv {

namespace {

struct Named {
    int first;
    int last;
    const char* en;
    const char* zh;
};

// Single settings and fixed areas, by address range.
constexpr std::array<Named, 52> Areas{{
    {272, 272, "DTMF speed", "DTMF 速度"},
    {273, 273, "DTMF first digit time", "DTMF 首位时间"},
    {274, 274, "DTMF first digit delay", "DTMF 首位延时"},
    {275, 275, "DTMF */# tone", "DTMF */# 音"},
    {276, 276, "DTMF D code assign", "DTMF D 码分配"},
    {277, 277, "DTMF side tone", "DTMF 侧音"},
    {278, 278, "DTMF group code", "DTMF 组码"},
    {279, 279, "DTMF auto reset timer", "DTMF 自动复位时间"},
    {280, 280, "DTMF call alert", "DTMF 呼叫提示"},
    {281, 281, "DTMF transpond", "DTMF 应答"},
    {282, 282, "DTMF clear to transpond", "DTMF 清除应答"},
    {285, 285, "key 1 function", "按键 1 功能"},
    {286, 286, "key 2 function", "按键 2 功能"},
    {288, 297, "DTMF ID code", "DTMF ID 码"},
    {300, 300, "scrambler activation", "扰频器激活"},
    {301, 301, "scrambler backup", "扰频器备份"},
    {303, 303, "voice annunciation", "语音通知"},
    {304, 304, "time-out timer", "超时定时器"},
    {305, 305, "TOT pre-alert", "超时定时器预警"},
    {306, 306, "PTT ID", "PTT ID"},
    {307, 307, "PTT ID type", "PTT ID类型"},
    {308, 308, "squelch level", "静躁电平"},
    {309, 309, "battery save", "电池省电"},
    {310, 310, "beep", "哗音"},
    {311, 311, "VOX cancel operation", "VOX取消操作"},
    {312, 312, "VOX inhibit on receive", "接收时禁止VOX"},
    {313, 313, "VOX function", "VOX功能"},
    {314, 314, "VOX gain level", "VOX增益电平"},
    {315, 315, "VOX delay time", "VOX延迟时间"},
    {316, 316, "VOX proceed tone", "VOX可进行音调"},
    {317, 317, "mic sensitivity", "麦克风灵敏度"},
    {318, 318, "clone mode", "复制模式"},
    {320, 335, "PTT ID begin of TX", "PTT ID 发射开始"},
    {336, 351, "PTT ID end of TX", "PTT ID 发射结束"},
    {352, 352, "scan priority", "扫描优先"},
    {353, 353, "scan priority channel", "扫描优先信道"},
    {354, 354, "scan look back time A", "回扫时间A"},
    {355, 355, "scan look back time B", "回扫时间B"},
    {356, 356, "scan revert channel", "扫描返回信道"},
    {357, 358, "scan dropout delay time", "扫描接收恢复延迟时间"},
    {359, 360, "scan TX dwell time", "扫描发射恢复延迟时间"},
    {368, 368, "FleetSync own fleet", "FleetSync 本机组号"},
    {369, 370, "FleetSync own ID", "FleetSync 本机 ID"},
    {371, 372, "FleetSync TX modulation delay", "FleetSync 发射调制延时"},
    {373, 373, "FleetSync baud rate", "FleetSync 波特率"},
    {374, 375, "FleetSync message mode timer", "FleetSync 消息模式时间"},
    {376, 376, "FleetSync PTT ID side tone", "FleetSync PTT ID 侧音"},
    {380, 383, "channel and scan list", "信道和扫描列表"},
    {440, 447, "model and band", "机型和频段"},
    {496, 505, "DTMF stun code", "DTMF 遥毙码"},
    {506, 506, "DTMF stun type", "DTMF 遥毙类型"},
    {768, 831, "embedded message line", "开机信息"},
}};

// The 16 bytes of a channel.
constexpr std::array<Named, 6> ChannelParts{{
    {0, 3, "receive frequency", "接收频率"},
    {4, 7, "transmit frequency", "发射频率"},
    {8, 9, "receive QT/DQT", "接收 QT/DQT"},
    {10, 11, "transmit QT/DQT", "发射 QT/DQT"},
    {12, 14, "options", "选项"},
    {15, 15, "autodial", "自动拨号"},
}};

std::string In(const Named& n, int language) {
    return language == Chinese ? n.zh : n.en;
}

std::string N(int v) {
    return std::to_string(v);
}

std::string ChannelSetting(int address, int language) {
    const int n = address / 16;
    const int offset = address % 16;
    const auto part = std::find_if(ChannelParts.begin(), ChannelParts.end(), [&](const Named& p) {
        return offset >= p.first && offset <= p.last;
    });
    return language == Chinese ? "信道 " + N(n) + " " + In(*part, language)
                               : "channel " + N(n) + " " + In(*part, language);
}

// The lists: fleet slots, test frequencies and their signalling, autodial memories.
std::optional<std::string> ListSetting(int a, int language) {
    const bool zh = language == Chinese;
    for (int s = 1; s <= 8; ++s)
        if (a >= image::FleetSlotAt(s) && a < image::FleetSlotAt(s) + 3)
            return (zh ? "FleetSync 组 " : "FleetSync fleet slot ") + N(s);
    if (a >= image::TestSigAt(1) && a <= image::TestSigAt(16))
        return (zh ? "测试频率 " : "test frequency ") + N(a - 479) + (zh ? " 信令" : " signalling");
    if (a >= image::AutodialAt(1) && a < image::AutodialAt(9))
        return (zh ? "自动拨号存储 " : "autodial memory ") + N((a - 512) / 16 + 1);
    if (a >= image::TestFreAt(1) && a < image::TestFreAt(17)) {
        const bool rx = (a - 640) % 8 < 4;
        return (zh ? "测试频率 " : "test frequency ") + N((a - 640) / 8 + 1) +
               (zh ? (rx ? " 接收" : " 发射") : (rx ? " receive" : " transmit"));
    }
    return std::nullopt;
}

} // namespace

bool InWriteMap(int address) {
    return (address >= 0 && address < 0x180) || (address >= 0x1B8 && address < 0x340);
}

std::vector<int> DifferingAddresses(const MemoryImage& a, const MemoryImage& b, bool writeMapOnly) {
    std::vector<int> out;
    for (int i = 0; i < static_cast<int>(a.size()); ++i)
        if (a[i] != b[i] && (!writeMapOnly || InWriteMap(i))) out.push_back(i);
    return out;
}

ReadVote VoteReads(const MemoryImage& a, const MemoryImage& b, const MemoryImage& c) {
    ReadVote vote;
    MemoryImage decided = a;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == b[i] || a[i] == c[i]) continue;
        if (b[i] == c[i])
            decided[i] = b[i];
        else
            vote.addresses.push_back(static_cast<int>(i));
    }
    if (vote.addresses.empty()) vote.image = decided;
    return vote;
}

std::string AddressSetting(int address, int language) {
    if (address >= 16 && address < 272) return ChannelSetting(address, language);
    if (const auto list = ListSetting(address, language)) return *list;
    for (const Named& n : Areas) {
        if (address < n.first || address > n.last) continue;
        if (n.first == image::EmbMsg1At) return In(n, language) + (address < 800 ? " 1" : " 2");
        return In(n, language);
    }
    return (language == Chinese ? "地址 " : "address ") + HexAddress(address);
}

std::string HexAddress(int address) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%04X", static_cast<unsigned>(address) & 0xFFFF);
    return buf;
}

bool NamesKnownModel(const MemoryImage& image) {
    const int band = image[image::BandCodeAt];
    const std::string model = ModelCodeOf(band, image[image::ModelByteAt]);
    if (ModelByteOf(model) != image[image::ModelByteAt]) return false;
    const std::string text = BandTextOf(band, model);
    const auto bands = BandsOfModel(model);
    return std::find(bands.begin(), bands.end(), text) != bands.end() &&
           BandCodeOf(text, model) == band;
}

std::string AddressList(const std::vector<int>& addresses, std::size_t limit) {
    std::string out;
    for (std::size_t i = 0; i < addresses.size() && i < limit; ++i)
        out += (i ? ", " : "") + HexAddress(addresses[i]);
    if (addresses.size() > limit)
        out += " (+" + N(static_cast<int>(addresses.size() - limit)) + ")";
    return out;
}

} // namespace rv
