#pragma once

#include "Session.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace rv {

inline constexpr std::size_t RecordSize = 1641;
using Record = std::array<std::uint8_t, RecordSize>;

/// The document as the 1641-byte little-endian record.
Record ToRecord(const RadioData& d);

/// The record back into a document; nullopt when fewer than 1641 bytes are given
/// (bytes beyond 1641 are ignored).
std::optional<RadioData> FromRecord(std::span<const std::uint8_t> bytes);

/// Opens a data file into the document. On failure (missing, short, unreadable) reports
/// Msg::FileError, with the reason in `LastFileFault`, and leaves document, saved copy, model and
/// band exactly as they were. Never creates a file.
bool OpenDataFile(Session& s, const std::string& path);

/// Saves the document (ModelInfo refreshed first) atomically: the record goes to a
/// temporary file in the same folder that then replaces the target (see WriteFileAtomically).
/// On failure reports Msg::FileError, with the reason in `LastFileFault`, and leaves the old file
/// and the document as they were.
bool SaveDataFile(Session& s, const std::string& path);

/// True when the two documents hold the same data (list entries matched by slot number).
bool IsUnchanged(const RadioData& current, const RadioData& saved);
inline bool IsUnchanged(const Session& s) {
    return IsUnchanged(s.Doc, s.SavedCopy);
}

} // namespace rv
