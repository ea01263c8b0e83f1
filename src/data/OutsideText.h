#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text that came from outside the program (a file, a CSV cell, a radio, the history log, a
// file name) on its way to a terminal, a window or a log.

namespace rv {

/// The longest field shown whole; a longer one is cut and ends in "…".
inline constexpr std::size_t ShownFieldLimit = 200;

/// `text` safe to show: every C0 and C1 control (NUL included) becomes its visible picture
/// or U+FFFD, direction overrides and isolates become U+FFFD, each byte that is not valid
/// UTF-8 becomes U+FFFD, and more than `limit` characters are cut to `limit - 1` and "…".
/// Valid characters, Chinese ones included, pass unchanged.
std::string ShownText(std::string_view text, std::size_t limit = ShownFieldLimit);

/// A cell for a CSV log that a spreadsheet will not take for a formula: a cell starting with
/// '=', '+', '@', a tab or a carriage return, or '-' not followed by a plain number, gets a
/// leading apostrophe. `CellOfLog` takes it off again.
std::string LogCell(std::string_view text);
/// The text a `LogCell` stood for.
std::string CellOfLog(std::string_view cell);

} // namespace rv
