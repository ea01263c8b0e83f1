#include "jobs/AlignmentDiff.h"
#include "data/Strings.h"

#include <QByteArray>

#include <algorithm>

namespace rv::jobs {

using rv::link::AlignmentPoints;
using rv::link::NarrowPoint;
using rv::link::TuneItemName;
using rv::link::WriteOf;

namespace {

const rv::LangText PointNames[7] = {{"Test", "测试"},   {"Low", "低"},     {"Low'", "较低"},
                                    {"Center", "中心"}, {"High'", "较高"}, {"High", "高"},
                                    {"Narrow", "窄带"}};

} // namespace

const rv::LangText& PointName(int point) {
    return PointNames[std::clamp(point, 0, NarrowPoint)];
}

std::vector<PointChange> DiffAlignment(const TuneBlock& kept, const TuneBlock& now) {
    std::vector<PointChange> out;
    for (const auto& p : AlignmentPoints()) {
        const auto i = static_cast<std::size_t>(p.byte);
        if (kept[i] != now[i]) out.push_back({p, kept[i], now[i], WriteOf(p).address > 0});
    }
    return out;
}

std::vector<AlignmentPoint> PointsSharing(const AlignmentPoint& p) {
    std::vector<AlignmentPoint> out;
    for (const int byte : rv::link::BytesSharing(p))
        if (byte != p.byte)
            for (const auto& q : AlignmentPoints())
                if (q.byte == byte) out.push_back(q);
    return out;
}

TuneBlock ExpectedAfter(const TuneBlock& now, const std::vector<PointChange>& chosen) {
    TuneBlock b = now;
    for (const auto& c : chosen)
        for (const int byte : rv::link::BytesSharing(c.at))
            b[static_cast<std::size_t>(byte)] = static_cast<std::uint8_t>(c.kept);
    return b;
}

RestoreCheck CheckRestore(const TuneBlock& kept, const TuneBlock& now,
                          const std::vector<PointChange>& chosen, const TuneBlock& reread) {
    RestoreCheck r;
    const TuneBlock expected = ExpectedAfter(now, chosen);
    r.differing = DiffAlignment(kept, reread);
    const auto isChosen = [&](const AlignmentPoint& p) {
        return std::any_of(chosen.begin(), chosen.end(),
                           [&](const PointChange& c) { return c.at == p; });
    };
    bool chosenKept = true;
    for (const auto& p : AlignmentPoints()) {
        const auto i = static_cast<std::size_t>(p.byte);
        if (isChosen(p))
            chosenKept = chosenKept && reread[i] == kept[i];
        else if (reread[i] != expected[i] && reread[i] != now[i])
            r.moved.push_back(p); // a point that failed to follow a lost store is not one
    }
    r.restored = chosenKept && r.moved.empty();
    return r;
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
    return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()))
        .toHex()
        .toUpper()
        .toStdString();
}

} // namespace rv::jobs
