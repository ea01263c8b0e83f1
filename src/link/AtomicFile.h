#pragma once

#include "data/FileFault.h"
#include "data/Session.h"

#include <cstdint>
#include <span>
#include <string>

namespace rv {

/// Writes the bytes to a new file beside `path` and renames it over `path`, so that a
/// failed write leaves whatever stood at `path` untouched and never a half-written file.
/// A symbolic link is followed: the file it names gets the bytes and the link stays. The
/// replacement keeps the old file's permissions and, where the system allows, its owner;
/// a read-only file is not replaced. Leftovers of an earlier save of the same file that
/// was killed before its rename are removed. On failure `fault` (if given) says why.
bool WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes,
                         FileFault* fault = nullptr);

/// Saves the document atomically, as above: on failure the old file and the document stay as
/// they were, Msg::FileError is reported and `LastFileFault` says why.
bool SaveDataFile(Session& s, const std::string& path);

} // namespace rv
