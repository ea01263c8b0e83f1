#pragma once

#include <optional>
#include <string>

namespace rv::cli {

/// The section of a help page that begins at the heading with `id`, up to the next
/// heading of the same or a higher level, as plain text: tags dropped, entities read,
/// paragraphs and list items on lines of their own, preformatted text kept as it is.
/// Nothing when the page has no such heading.
std::optional<std::string> HelpSection(const std::string& html, const std::string& id);

} // namespace rv::cli
