#include "ImageCompare.h"

#include "Catalogue.h"
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

// Bytes that hold no one setting of their own.
constexpr Named Areas[] = {
    {380, 381, "channel list", "信道列表"},
    {440, 447, "model and band", "机型和频段"},
    {480, 495, "test frequency signalling", "测试频率信令"},
};

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
    // The settings the byte holds, by area: "Channel 3: Busy Lockout, SP Unmute".
    std::string out;
    const LangText* area = nullptr;
    for (const SettingRow& r : Catalogue()) {
        if (r.address < 0 || address < r.address || address >= r.address + r.width) continue;
        if (area && *area == r.area) {
            out += ", " + LabelOf(r, language);
            continue;
        }
        out += (area ? "; " : "") + InLanguage(r.area, language) + ": " + LabelOf(r, language);
        area = &r.area;
    }
    if (!out.empty()) return out;
    for (const Named& n : Areas)
        if (address >= n.first && address <= n.last) return language == Chinese ? n.zh : n.en;
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
    if (addresses.size() > limit) out += " (+" + std::to_string(addresses.size() - limit) + ")";
    return out;
}

} // namespace rv
