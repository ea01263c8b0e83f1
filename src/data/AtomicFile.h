#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace rv {

/// Writes the bytes to a new file beside `path` and renames it over `path`, so that a
/// failed write leaves whatever stood at `path` untouched and never a half-written file.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

} // namespace rv
