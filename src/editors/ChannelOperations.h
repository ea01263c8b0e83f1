#pragma once

#include "data/RadioData.h"

#include <vector>

// Changes to the channel list as a whole: the numbers the records carry move, their
// settings stay as they are.
namespace rv::editors {

/// Channel `at` becomes empty and the channels from it on move down one number. Refused
/// (false, nothing changed) when channel 16 is in use.
bool InsertEmptyChannel(rv::RadioData& doc, int at);

/// Deletes the channels given and closes the gaps: later channels move up.
void DeleteChannelsClosingGap(rv::RadioData& doc, const std::vector<int>& chNos);

/// Swaps the channels `chNo` and `chNo + delta` (either may be empty); false when the other
/// number is outside 1 to 16.
bool MoveChannel(rv::RadioData& doc, int chNo, int delta);

/// Numbers the channels 1, 2, … in order of receive frequency (equal ones keep their order).
void SortChannelsByRx(rv::RadioData& doc);

} // namespace rv::editors
