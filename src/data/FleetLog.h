#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

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

/// Each radio's latest row in a log: its serial number and the hash of the document it got
/// when that row says "OK", an empty hash when it failed. A radio is programmed with a
/// document only while its latest row names it: a later write of another document counts.
std::map<std::string, std::string> LatestWrites(std::string_view logText);

/// The first line of a fleet log file.
std::string FleetLogHeader();

/// The row as one CSV line (with its line end), each cell quoted where needed and kept from
/// being taken for a formula.
std::string FleetLogLine(const FleetLogRow& row);

} // namespace rv
