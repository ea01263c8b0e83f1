#include "AlignmentDiff.h"

#include <algorithm>
#include <cstdio>

namespace rv::service {

namespace {

const rv::LangText PointNames[7] = {
    {"", "Test", "测试"},  {"", "Low", "低"},  {"", "Low'", "较低"},  {"", "Center", "中心"},
    {"", "High'", "较高"}, {"", "High", "高"}, {"", "Narrow", "窄带"}};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

} // namespace

const std::vector<AlignmentPoint>& AlignmentPoints() {
    static const std::vector<AlignmentPoint> points = [] {
        std::vector<AlignmentPoint> v;
        std::array<bool, TuneBlockSize> seen{};
        for (int item = 1; item <= TuneItemCount; ++item)
            for (int pt = 0; pt <= NarrowPoint; ++pt) {
                const int at = TuneBlockIndex(item, pt);
                if (at < 0 || seen[static_cast<std::size_t>(at)]) continue;
                seen[static_cast<std::size_t>(at)] = true;
                v.push_back({item, pt, at});
            }
        return v;
    }();
    return points;
}

const rv::LangText& PointName(int point) {
    return PointNames[std::clamp(point, 0, NarrowPoint)];
}

PointWrite WriteOf(const AlignmentPoint& p) {
    PointWrite w;
    if (p.point == NarrowPoint) {
        // The narrow value lives behind the item's "Test" address while the band is narrow.
        if (!SwitchesWithBand(p.item)) return w;
        w.address = TuneAddress(p.item, 0);
        w.narrow = true;
        if (TuneAddress(p.item, 1) > 0) w.select.push_back(TuneAddress(p.item, 1));
    } else {
        w.address = TuneAddress(p.item, p.point);
    }
    if (w.address > 0) w.select.push_back(w.address);
    return w;
}

std::vector<PointChange> DiffAlignment(const TuneBlock& kept, const TuneBlock& now) {
    std::vector<PointChange> out;
    for (const auto& p : AlignmentPoints()) {
        const auto i = static_cast<std::size_t>(p.byte);
        if (kept[i] != now[i]) out.push_back({p, kept[i], now[i], WriteOf(p).address > 0});
    }
    return out;
}

std::vector<PointChange> Unverified(const std::vector<PointChange>& written,
                                    const TuneBlock& reread) {
    std::vector<PointChange> out;
    for (auto c : written) {
        c.now = reread[static_cast<std::size_t>(c.at.byte)];
        if (c.now != c.kept) out.push_back(c);
    }
    return out;
}

std::string PointLabel(const AlignmentPoint& p, int language) {
    const auto lang = static_cast<std::size_t>(std::clamp(language, 1, 2));
    return TuneItemName(p.item)[lang] + " " + PointName(p.point)[lang];
}

bool BlockFromHex(const std::string& hex, TuneBlock& out) {
    if (hex.size() != 2 * out.size()) return false;
    TuneBlock b{};
    for (std::size_t i = 0; i < b.size(); ++i) {
        const int hi = HexDigit(hex[2 * i]), lo = HexDigit(hex[2 * i + 1]);
        if (hi < 0 || lo < 0) return false;
        b[i] = static_cast<std::uint8_t>(hi * 16 + lo);
    }
    out = b;
    return true;
}

std::string BlockToHex(const TuneBlock& b) {
    std::string s;
    char two[3];
    for (auto v : b) {
        std::snprintf(two, sizeof two, "%02X", v);
        s += two;
    }
    return s;
}

} // namespace rv::service
