#pragma once

#include <string>

namespace rv {

/// The folder below the installation prefix that holds the files the programs read.
inline constexpr const char* InstalledDataDir = "share/rv52n";

/// A file the programs ship with (the DQT table, the help pages): beside the executable
/// first, so a build folder or an unpacked copy keeps working, then in the installed
/// `<programDir>/../share/rv52n`. When neither exists, the path beside the executable, so
/// the message about it names the usual place.
std::string FindResource(const std::string& programDir, const std::string& name);

} // namespace rv
