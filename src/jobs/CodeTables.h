#pragma once

#include "data/Session.h"

#include <string>

namespace rv::jobs {

/// Loads the DQT code table: dec.tbl from the program's folder (or the installed data folder)
/// when it is there, whole and shaped like the built-in table (its codes rising), else the
/// copy built into the program. A whole file that is refused for its shape is said in
/// `refusal`. Never leaves a table that would give wrong codes; false only if even the
/// built-in copy cannot be read.
bool LoadCodeTables(rv::Session& s, const std::string& programDir, std::string* refusal = nullptr);

} // namespace rv::jobs
