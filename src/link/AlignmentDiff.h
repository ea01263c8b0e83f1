#pragma once

// The radio's alignment as a 62-byte tuning block: its points by item, what differs between
// two blocks and how each differing point is written back. Standard C++ only.

#include "TuneTables.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace rv::service {

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
const std::vector<AlignmentPoint>& AlignmentPoints();

/// Name of a point in both languages ("Test", "Low", ... "High", "Narrow").
const rv::LangText& PointName(int point);

/// How the test-mode frames reach a point: the addresses selected in order (the item's
/// distinct address first, so that an address shared by several items lands on this one),
/// the address written and stored, and whether the narrow band must be on. Empty `address`
/// (0): the radio offers no write for the point.
struct PointWrite {
    std::vector<int> select;
    int address = 0;
    bool narrow = false;
};
PointWrite WriteOf(const AlignmentPoint& p);

/// A point whose kept value differs from the radio's.
struct PointChange {
    AlignmentPoint at;
    int kept = 0;
    int now = 0;
    bool writable = false;
    bool operator==(const PointChange&) const = default;
};

/// Every point whose byte differs, in item order.
std::vector<PointChange> DiffAlignment(const TuneBlock& kept, const TuneBlock& now);

/// The written changes whose byte in `reread` is not the kept value.
std::vector<PointChange> Unverified(const std::vector<PointChange>& written,
                                    const TuneBlock& reread);

/// "RF High Power Low", in the language given.
std::string PointLabel(const AlignmentPoint& p, int language);

/// A block from its 124 hex digits (either case); false for anything else.
bool BlockFromHex(const std::string& hex, TuneBlock& out);
std::string BlockToHex(const TuneBlock& b);

} // namespace rv::service
