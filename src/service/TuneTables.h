#pragma once

#include "data/Messages.h"

#include <vector>

namespace rv::service {

inline constexpr int TuneItemCount = 15;
/// Points 0 ("Test") to 5 ("High"); the tuning block adds point 6, the narrow-band value.
inline constexpr int TunePointSlots = 6;
inline constexpr int TuneBlockSize = 62;

/// One-byte radio address of a tuning point (item 1..15, point 0..5); 0 where there is none.
int TuneAddress(int item, int point);

/// How many values the item has: 6, 4, 1 or 0.
int TunePointCount(int item, bool wideMode);

/// Byte of the 62-byte tuning block holding (item, point 0..6), or -1 when not held.
int TuneBlockIndex(int item, int point);

/// The points that an item with `count` values uses, in order (1: 0; 4: 0,1,3,5; 6: 0..5).
std::vector<int> PointsOfCount(int count);

/// Name of a tuning item in both languages (empty outside 1..15).
const rv::LangText& TuneItemName(int item);

} // namespace rv::service
