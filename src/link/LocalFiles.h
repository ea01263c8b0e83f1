#pragma once

#include "data/FileFault.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <optional>
#include <string>

namespace rv::link {

/// The largest files read whole, by kind.
inline constexpr std::size_t AlignmentFileLimit = 64 * 1024;
inline constexpr std::size_t UnitsFileLimit = 1024 * 1024;
inline constexpr std::size_t CsvFileLimit = 4 * 1024 * 1024;
inline constexpr std::size_t LogFileLimit = 16 * 1024 * 1024;

/// The bytes the system names a file by (QFile::encodeName), for the standard library.
std::string SystemPath(const QString& path);

/// The whole of a regular file of at most `limit` bytes. Its kind and size are checked before
/// a byte is read: a folder, FIFO or device is refused at once and a file that is too large
/// is never read. nullopt, with the reason in `fault`, when it cannot be used.
std::optional<QByteArray> ReadLocalFile(const QString& path, std::size_t limit,
                                        rv::FileFault& fault);

/// Why no new file can be kept in the folder `dir`, found before anything is written: it is
/// no folder, or cannot be made, or refuses a new file (one is made and removed again to
/// know). A missing folder is made. None when files can be kept there.
rv::FileFault FolderFault(const QString& dir);

/// Why `path` cannot be written, found before anything is: the name belongs to a folder or a
/// device, or its folder cannot take a new file (see FolderFault, but a missing folder is not
/// made). None when it can be written.
rv::FileFault OutputFault(const QString& path);

/// What the user reads about a file that could not be used: "PATH: file error." and, on the
/// next line, the reason, in a language (1 English, 2 Chinese).
QString FileProblem(const QString& path, const rv::FileFault& fault, int language);

} // namespace rv::link
