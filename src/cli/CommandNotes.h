#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rv::cli {

/// What a command does, in one line, and what each of its exit statuses means: for --help
/// and the manual page.
struct CommandNotes {
    const char* name;
    const char* summary;
    std::vector<std::pair<int, std::string>> exits;
};

/// The notes of the command `name`; nullptr for a command that has none.
const CommandNotes* NotesOf(std::string_view name);

/// The hidden option the manual page is made with.
inline constexpr const char* ManSectionsOption = "--man-sections";

/// The manual page's EXIT STATUS section, in roff: every command of the table with the
/// meaning of each of its statuses.
std::string ManSections();

/// Name, version, copyright and licence (--about), in `language`.
std::string AboutText(int language);

} // namespace rv::cli
