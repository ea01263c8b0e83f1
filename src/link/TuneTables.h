#pragma once

// Header-only so that the simulated radio can share the tables without a link dependency.

#include "data/Messages.h"

#include <array>
#include <cstdint>
#include <vector>

namespace rv::link {

inline constexpr int TuneItemCount = 15;
/// Points 0 ("Test") to 5 ("High"); the tuning block adds point 6, the narrow-band value.
inline constexpr int TunePointSlots = 6;
inline constexpr int TuneBlockSize = 62;

namespace detail {

struct TuneItemRow {
    rv::LangText name;
    std::array<int, TunePointSlots> address; ///< points 0..5, 0 = none
    std::array<int, 7> block;                ///< block byte of points 0..6, -1 = none
};

inline constexpr int no = -1;

// Item 1 to 15, in list order.
inline const std::array<TuneItemRow, TuneItemCount> Items{{
    {{"RF High Power", "RF高功率"}, {18, 48, 51, 49, 52, 50}, {10, 11, 12, 13, 14, 15, no}},
    {{"RF Low Power", "RF低功率"}, {20, 96, 99, 97, 100, 98}, {16, 17, 18, 19, 20, 21, no}},
    {{"DQT Balance", "DQT平衡"}, {24, 101, 0, 102, 0, 103}, {28, 29, no, 30, no, 31, 32}},
    {{"Max Deviation", "最大偏差"}, {24, 36, 0, 37, 0, 38}, {23, 24, no, 25, no, 26, 27}},
    {{"QT Fine Deviation", "QT细偏差"}, {24, 106, 0, 107, 0, 108}, {33, 34, no, 35, no, 36, 37}},
    {{"DQT Fine Deviation", "DQT细偏差"}, {26, 111, 0, 112, 0, 113}, {33, 34, no, 35, no, 36, 37}},
    {{"DTMF Fine Deviation", "DTMF细偏差"}, {29, 0, 0, 0, 0, 0}, {43, no, no, no, no, no, 44}},
    {{"Sensitivity", "灵敏度"}, {31, 53, 0, 54, 0, 55}, {45, 46, no, 47, no, 48, no}},
    {{"Squelch(Tight)", "最紧静噪"}, {13, 117, 0, 118, 0, 119}, {5, 6, no, 7, no, 8, 9}},
    {{"Squelch(Open)", "静噪打开"}, {12, 114, 0, 115, 0, 116}, {0, 1, no, 2, no, 3, 4}},
    {{"MSK Fine Deviation", "MSK频偏差"}, {27, 0, 0, 0, 0, 0}, {49, 50, no, 51, no, 52, 53}},
    {{"Battery Warning Level", "电池告警电平"}, {28, 0, 0, 0, 0, 0}, {54, no, no, no, no, no, 54}},
    {{"VOX1", "VOX1"}, {33, 0, 0, 0, 0, 0}, {56, no, no, no, no, no, 56}},
    {{"VOX10", "VOX10"}, {35, 0, 0, 0, 0, 0}, {57, no, no, no, no, no, 57}},
    {{"RSSI", "RSSI"}, {34, 0, 0, 0, 0, 0}, {58, 59, no, 60, no, 61, 58}},
}};

inline const TuneItemRow* rowOf(int item) {
    return item >= 1 && item <= TuneItemCount ? &Items[static_cast<std::size_t>(item - 1)]
                                              : nullptr;
}

} // namespace detail

/// One-byte radio address of a tuning point (item 1..15, point 0..5); 0 where there is none.
inline int TuneAddress(int item, int point) {
    const auto* r = detail::rowOf(item);
    if (!r || point < 0 || point >= TunePointSlots) return 0;
    return r->address[static_cast<std::size_t>(point)];
}

/// How many values the item has: 6, 4, 1 or 0.
inline int TunePointCount(int item, bool wideMode) {
    if (item < 1 || item > TuneItemCount) return 0;
    if (item <= 2) return 6;
    if (item == 8) return 4;
    // The deviations, the DQT balance and the squelches tune one point on the narrow band.
    const bool bandPoints = (item >= 3 && item <= 6) || item == 9 || item == 10;
    return bandPoints && wideMode ? 4 : 1;
}

/// Byte of the 62-byte tuning block holding (item, point 0..6), or -1 when not held.
inline int TuneBlockIndex(int item, int point) {
    const auto* r = detail::rowOf(item);
    if (!r || point < 0 || point > TunePointSlots) return detail::no;
    return r->block[static_cast<std::size_t>(point)];
}

/// The points that an item with `count` values uses, in order (1: 0; 4: 0,1,3,5; 6: 0..5).
inline std::vector<int> PointsOfCount(int count) {
    if (count == 1) return {0};
    if (count == 4) return {0, 1, 3, 5};
    if (count == 6) return {0, 1, 2, 3, 4, 5};
    return {};
}

/// Items whose narrow-band value is a value of its own (point 6 of the block).
inline bool SwitchesWithBand(int item) {
    return (item >= 3 && item <= 7) || item == 9 || item == 10 || item == 11;
}

/// Name of a tuning item in both languages (empty outside 1..15).
inline const rv::LangText& TuneItemName(int item) {
    static const rv::LangText none{};
    const auto* r = detail::rowOf(item);
    return r ? r->name : none;
}

using TuneBlock = std::array<std::uint8_t, TuneBlockSize>;

/// Point 6 of an item: its value on the narrow band.
inline constexpr int NarrowPoint = 6;

/// One byte of the tuning block, named by the first item and point that hold it.
struct AlignmentPoint {
    int item = 0;
    int point = 0; ///< 0 "Test", 1..5 Low..High, 6 narrow band
    int byte = 0;  ///< index into the block
    bool operator==(const AlignmentPoint&) const = default;
};

/// Every byte of the block that holds a value, once, in item order.
inline const std::vector<AlignmentPoint>& AlignmentPoints() {
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

/// How the test-mode frames reach a point: the addresses selected in order (the item's
/// distinct address first, so that an address shared by several items lands on this one),
/// the address written and stored, and whether the narrow band must be on. Empty `address`
/// (0): the radio offers no write for the point.
struct PointWrite {
    std::vector<int> select;
    int address = 0;
    bool narrow = false;
};

inline PointWrite WriteOf(const AlignmentPoint& p) {
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

/// The block bytes a store at (address, band) sets, the radio keeping one value per address
/// and band: every point that is written through the same address on the same band.
inline std::vector<int> BytesSharing(const AlignmentPoint& p) {
    std::vector<int> bytes;
    const PointWrite w = WriteOf(p);
    if (w.address == 0) return bytes;
    for (const auto& other : AlignmentPoints()) {
        const PointWrite o = WriteOf(other);
        if (o.address == w.address && o.narrow == w.narrow) bytes.push_back(other.byte);
    }
    return bytes;
}

} // namespace rv::link
