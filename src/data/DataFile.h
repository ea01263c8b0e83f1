#pragma once

#include "Session.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace rv {

inline constexpr std::size_t RecordSize = 1641;
using Record = std::array<std::uint8_t, RecordSize>;
/// The size of the radio's memory image, as a backup or `encode` writes it.
inline constexpr std::size_t ImageBytes = std::tuple_size_v<MemoryImage>;

/// The whole of a file of at most `limit` bytes. nullopt, with the reason in `fault`, when
/// it is missing, not a plain file, unreadable or larger (TooLarge).
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::size_t limit,
                                                       FileFault& fault);

/// What a file given as a document may be.
enum class DocumentFile { Data, Image, DataOrImage };

/// The one way a data file or an image is read: the whole file, which must have exactly the
/// size of what is accepted; any other size is refused as WrongSize with the size expected and
/// the size given.
std::optional<std::vector<std::uint8_t>> ReadDocumentFile(const std::string& path,
                                                          DocumentFile accept, FileFault& fault);

/// The document as the 1641-byte little-endian record.
Record ToRecord(const RadioData& d);

/// The record back into a document; nullopt when fewer than 1641 bytes are given
/// (bytes beyond 1641 are ignored).
std::optional<RadioData> FromRecord(std::span<const std::uint8_t> bytes);

/// Opens a data file into the document. On failure (missing, not 1641 bytes, unreadable) reports
/// Msg::FileError, with the reason in `LastFileFault`, and leaves document, saved copy, model and
/// band exactly as they were. Never creates a file.
bool OpenDataFile(Session& s, const std::string& path);

/// Puts bytes in place of a file, or says why not; the system's atomic writer
/// (link/AtomicFile.h) is the one the programs use.
using FileWriter =
    std::function<bool(const std::string& path, std::span<const std::uint8_t>, FileFault*)>;

/// Saves the document (ModelInfo refreshed first) through `write`. On failure reports
/// Msg::FileError, with the reason in `LastFileFault`, and leaves the document as it was.
bool SaveDataFileWith(Session& s, const std::string& path, const FileWriter& write);

/// True when the two documents hold the same data (list entries matched by slot number).
bool IsUnchanged(const RadioData& current, const RadioData& saved);
inline bool IsUnchanged(const Session& s) {
    return IsUnchanged(s.Doc, s.SavedCopy);
}

} // namespace rv
