#pragma once

// The radio's alignment as a 62-byte tuning block: what differs between two blocks, what the
// radio holds after points are written (its addresses are shared) and what a read-back says.

#include "link/TuneTables.h"

#include <string>
#include <vector>

namespace rv::jobs {

using rv::link::AlignmentPoint;
using rv::link::TuneBlock;

/// Name of a point in both languages ("Test", "Low", ... "High", "Narrow").
const rv::LangText& PointName(int point);

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

/// The other points a write of `p` sets as well, the radio keeping one value per address.
std::vector<AlignmentPoint> PointsSharing(const AlignmentPoint& p);

/// The block the radio should hold once the writable changes in `chosen` are written over
/// `now`: every byte that shares a written address takes the written value.
TuneBlock ExpectedAfter(const TuneBlock& now, const std::vector<PointChange>& chosen);

/// What the block read back after a restore says.
struct RestoreCheck {
    std::vector<PointChange> differing; ///< every point whose read-back is not the kept value
    std::vector<AlignmentPoint> moved;  ///< points not chosen that changed unexpectedly
    bool restored = false; ///< every chosen point reads back as kept and nothing else moved
};
/// Compares the block read back after writing `chosen` over `now` with what was kept.
RestoreCheck CheckRestore(const TuneBlock& kept, const TuneBlock& now,
                          const std::vector<PointChange>& chosen, const TuneBlock& reread);

/// "RF High Power Low", in the language given.
std::string PointLabel(const AlignmentPoint& p, int language);

/// A block from its 124 hex digits (either case); false for anything else.
bool BlockFromHex(const std::string& hex, TuneBlock& out);
std::string BlockToHex(const TuneBlock& b);

} // namespace rv::jobs
