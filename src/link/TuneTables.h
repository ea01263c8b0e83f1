#pragma once

// Header-only so that the simulated radio can share the tables without a link dependency.

#include "data/Messages.h"

#include <array>
#include <vector>

namespace rv::service {

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
    {{"", "RF High Power", "RF高功率"}, {18, 48, 51, 49, 52, 50}, {10, 11, 12, 13, 14, 15, no}},
    {{"", "RF Low Power", "RF低功率"}, {20, 96, 99, 97, 100, 98}, {16, 17, 18, 19, 20, 21, no}},
    {{"", "DQT Balance", "DQT平衡"}, {24, 101, 0, 102, 0, 103}, {28, 29, no, 30, no, 31, 32}},
    {{"", "Max Deviation", "最大偏差"}, {24, 36, 0, 37, 0, 38}, {23, 24, no, 25, no, 26, 27}},
    {{"", "QT Fine Deviation", "QT细偏差"},
     {24, 106, 0, 107, 0, 108},
     {33, 34, no, 35, no, 36, 37}},
    {{"", "DQT Fine Deviation", "DQT细偏差"},
     {26, 111, 0, 112, 0, 113},
     {33, 34, no, 35, no, 36, 37}},
    {{"", "DTMF Fine Deviation", "DTMF细偏差"}, {29, 0, 0, 0, 0, 0}, {43, no, no, no, no, no, 44}},
    {{"", "Sensitivity", "灵敏度"}, {31, 53, 0, 54, 0, 55}, {45, 46, no, 47, no, 48, no}},
    {{"", "Squelch(Tight)", "最紧静噪"}, {13, 117, 0, 118, 0, 119}, {5, 6, no, 7, no, 8, 9}},
    {{"", "Squelch(Open)", "静噪打开"}, {12, 114, 0, 115, 0, 116}, {0, 1, no, 2, no, 3, 4}},
    {{"", "MSK Fine Deviation", "MSK频偏差"}, {27, 0, 0, 0, 0, 0}, {49, 50, no, 51, no, 52, 53}},
    {{"", "Battery Warning Level", "电池告警电平"},
     {28, 0, 0, 0, 0, 0},
     {54, no, no, no, no, no, 54}},
    {{"", "VOX1", "VOX1"}, {33, 0, 0, 0, 0, 0}, {56, no, no, no, no, no, 56}},
    {{"", "VOX10", "VOX10"}, {35, 0, 0, 0, 0, 0}, {57, no, no, no, no, no, 57}},
    {{"", "RSSI", "RSSI"}, {34, 0, 0, 0, 0, 0}, {58, 59, no, 60, no, 61, 58}},
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
    switch (item) {
    case 1:
    case 2:
        return 6;
    case 3:
    case 4:
    case 5:
    case 6:
    case 9:
    case 10:
        return wideMode ? 4 : 1;
    case 8:
        return 4;
    case 7:
    case 11:
    case 12:
    case 13:
    case 14:
    case 15:
        return 1;
    default:
        return 0;
    }
}

/// Byte of the 62-byte tuning block holding (item, point 0..6), or -1 when not held.
inline int TuneBlockIndex(int item, int point) {
    const auto* r = detail::rowOf(item);
    if (!r || point < 0 || point > TunePointSlots) return detail::no;
    return r->block[static_cast<std::size_t>(point)];
}

/// The points that an item with `count` values uses, in order (1: 0; 4: 0,1,3,5; 6: 0..5).
inline std::vector<int> PointsOfCount(int count) {
    switch (count) {
    case 1:
        return {0};
    case 4:
        return {0, 1, 3, 5};
    case 6:
        return {0, 1, 2, 3, 4, 5};
    default:
        return {};
    }
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

} // namespace rv::service
