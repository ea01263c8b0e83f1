#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rv {

/// One row of a fleet log: one radio.
struct FleetLogRow {
    std::string time; ///< ISO 8601, local time
    std::string port;
    std::string model;
    std::string band;
    std::string serial;
    std::string result;       ///< "OK" when programmed and verified
    std::string backup;       ///< path of the backup image, may be empty
    std::string document;     ///< the data file's name
    std::string documentHash; ///< `DocumentHash` of what was written
    std::string values;       ///< the settings this radio got of its own ("key=value; ...")
};

/// A short fingerprint of a data file's bytes (64-bit FNV-1a, 16 hex digits): two logs rows
/// with the same one wrote the same document.
std::string DocumentHash(const std::uint8_t* bytes, std::size_t size);

/// The serial numbers a log names as programmed, each with the hash of the document it got.
/// A radio with values of its own is programmed again when its values change.
std::set<std::pair<std::string, std::string>> ProgrammedRadios(std::string_view logText);

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

/// The serial numbers a log names as programmed with the document of `documentHash`. Rows of
/// another document, or of a log that kept no document, do not count.
std::set<std::string> ProgrammedSerials(std::string_view logText, std::string_view documentHash);

} // namespace rv
