#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace rv {

/// One row of a fleet log: one radio.
struct FleetLogRow {
    std::string time; ///< ISO 8601, local time
    std::string port;
    std::string model;
    std::string band;
    std::string serial;
    std::string result; ///< "OK" when programmed and verified
    std::string backup; ///< path of the backup image, may be empty
};

/// The first line of a fleet log file.
std::string FleetLogHeader();

/// The row as one CSV line (with its line end); fields with a comma, a quote or a line
/// break are quoted.
std::string FleetLogLine(const FleetLogRow& row);

/// The fields of one CSV record starting at `pos`; `pos` moves past it. Quoted fields may
/// hold commas, doubled quotes and line breaks.
std::vector<std::string> ReadCsvRecord(std::string_view text, std::size_t& pos);

/// The serial numbers a log names as programmed (result "OK"). Rows that are not rows of a
/// fleet log are passed over.
std::set<std::string> ProgrammedSerials(std::string_view logText);

} // namespace rv
