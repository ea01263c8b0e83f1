#pragma once

#include "Session.h"

#include <string>

namespace rv {

/// The stored frequencies of the document that are not numbers, named for the user in the
/// session's language ("channel 3 RX frequency, test frequency 2 TX"); empty when none.
std::string DamagedFrequencyList(const Session& s);

/// Reports Msg::NotIsNumeric once for all damaged frequencies, naming them on the second
/// line; reports nothing when there are none. True when something was reported.
bool ReportDamagedFrequencies(const Session& s);

} // namespace rv
