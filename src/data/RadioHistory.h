#pragma once

#include "Session.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A radio's history by its serial number: the backups kept of it (named SERIAL-DATE-TIME) and
// a log, beside them, of every read, write, restore and fleet write.

namespace rv {

/// A serial number as it may stand in a file name: blanks and padding (NUL, 0xFF) cut from
/// its ends, any character other than a letter, a digit, '.' or '_' made '_'. Empty when no
/// letter or digit is left: the radio has no readable serial number.
std::string FileSafeSerial(std::string_view serial);

/// The name, without extension, of a backup taken at `stamp` ("YYYYMMDD-HHMMSS"): the
/// serial number first ("C0000003-20261207-103000"), or for a radio without a readable one
/// the time and the model ("20261207-103000-7415").
std::string BackupBaseName(std::string_view serial, std::string_view stamp, std::string_view model);

/// A backup's file name taken apart.
struct BackupName {
    std::string base;      ///< the name without extension
    std::string serial;    ///< empty for a backup named by time and model
    std::string date;      ///< "2026-12-07"
    std::string time;      ///< "10:30:00"
    std::string model;     ///< only in the names by time and model
    int copy = 1;          ///< 2, 3 ... for a name taken twice in one second
    std::string extension; ///< "img" or "dat"
    bool dateValid = true; ///< the date and time are of the calendar (no month 13, no 25:61)
};

/// The parts of a backup's file name; nullopt for any other file.
std::optional<BackupName> ParseBackupName(std::string_view fileName);

/// One kept backup: the image and the data file of one name.
struct BackupEntry {
    std::string serial;
    std::string date;
    std::string time;
    std::string model; ///< from the image when it can be read, else from the name
    std::string band;
    std::string image; ///< the .img file name; empty when only the data file is left
    std::string data;  ///< the .dat file name; may be empty
    int copy = 1;
    bool imageOk = false;  ///< the image is a whole memory image (checked by whoever reads it)
    bool dateValid = true; ///< see BackupName; a backup with an impossible date sorts last
    /// The file to restore from, or to show when there is no image.
    const std::string& file() const { return image.empty() ? data : image; }
};

/// The backups among the file names of a folder, newest first, those with impossible dates
/// after all others.
std::vector<BackupEntry> BackupsOf(const std::vector<std::string>& fileNames);

/// The model code and band text a memory image names; empty when it names no known model or
/// no band of it.
void TakeModelOfImage(const MemoryImage& image, BackupEntry& entry);

/// The history log's file name, in the backups folder.
inline constexpr const char* HistoryFileName = "history.csv";

/// One line of the history log.
struct HistoryEntry {
    std::string time;      ///< ISO 8601, local time
    std::string serial;    ///< empty when the radio's could not be read
    std::string operation; ///< one of the words of `HistoryOperations`
    std::string file;      ///< the data file, image or backup read or written
    std::string hash;      ///< of that file's content
    std::string outcome;   ///< "OK" or the failure word
    bool operator==(const HistoryEntry&) const = default;
};

/// The operations the history log records, as the log keeps them.
inline const std::vector<std::string> HistoryOperations{"read", "write", "restore", "fleet write"};

/// The first line of a history log.
std::string HistoryHeader();
/// The entry as one line of the log, with its line end.
std::string HistoryLine(const HistoryEntry& entry);
/// The entries of a log in its order. The header, blank lines and lines that are no
/// history line (wrong field count, unknown operation) are passed over.
std::vector<HistoryEntry> ParseHistory(std::string_view text);

/// An operation of the log in a language.
std::string OperationText(const std::string& operation, int language);

} // namespace rv
