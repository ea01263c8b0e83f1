#pragma once

#include <string>
#include <vector>

namespace rv::cli {

/// The hidden option the shell's completion asks.
inline constexpr const char* CompletionOption = "--completion-words";

/// Words for the shell's completion, one a line: with no argument the commands; with a
/// command its options, those that take a value ending in "="; with "--port" or "--ports"
/// the ports ("sim", then the number and the device of each port found); with "--model" the
/// model codes, "--band [MODEL]" the bands (of that model), "--lang" the languages. Exit
/// status 2 for anything else.
int PrintCompletionWords(const std::vector<std::string>& args);

} // namespace rv::cli
