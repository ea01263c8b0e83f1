#pragma once

#include "data/Session.h"

#include <string>

namespace rv::jobs {

/// Loads the DQT code table: dec.tbl from the program's folder (or the installed data folder)
/// when it is there and whole, else the copy built into the program. Never leaves a table
/// that would give wrong codes; false only if even the built-in copy cannot be read.
bool LoadCodeTables(rv::Session& s, const std::string& programDir);

} // namespace rv::jobs
