#pragma once

#include "RadioData.h"
#include "Session.h"

#include <array>
#include <string>
#include <string_view>

namespace rv {

/// Band index 0..5 from the first 13 characters of a band text; anything else gives 0.
int BandIndexOf(std::string_view bandText);

/// Default test frequencies of a band index as MHz texts in the shortest form
/// (entry i: {receive, transmit}); entries 7 to 16 are empty.
std::array<std::array<std::string, 2>, 16> DefaultTestFrequencies(int bandIndex);

/// A channel with the defaults of a newly created one.
ChannelInfo NewChannel(int chNo);

/// Today's date in local time as a serial number, eight digits (YYYYMMDD).
std::string TodaySerial();

/// Makes the document a new document of the current model and band and takes the saved
/// copy, so the new document counts as unchanged. `yyyymmdd` is the creation date used as
/// serial number; empty means today.
void InitRadioData(Session& s, std::string_view yyyymmdd = {});

} // namespace rv
