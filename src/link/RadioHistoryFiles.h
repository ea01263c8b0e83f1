#pragma once

#include "data/FileFault.h"
#include "data/RadioHistory.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace rv::link {

/// Writes `bytes` to a new file at `path` that no one else may have taken meanwhile (parallel
/// jobs, the same second). False, with nothing left behind, when the name is taken or the
/// write fails.
bool WriteNewFile(const QString& path, const QByteArray& bytes);

/// The backups kept in `dir`, newest first, each with the model and band its image names.
/// Nullopt when the folder does not exist or cannot be read.
std::optional<std::vector<rv::BackupEntry>> ListBackups(const QString& dir);

/// Adds one line to the history log in `dir`, creating the folder and the log (with its
/// header) when needed. False with the reason when it cannot be written.
bool AppendHistory(const QString& dir, const rv::HistoryEntry& entry, QString* error);

/// The history log's path in `dir`.
QString HistoryPath(const QString& dir);

/// The lines of the history log in `dir`; none when there is no log yet. Nullopt, with the
/// reason in `fault`, when the log exists but cannot be read (a folder, a device, too large)
/// or a quote in it never closes.
std::optional<std::vector<rv::HistoryEntry>> ReadHistory(const QString& dir, rv::FileFault& fault);

} // namespace rv::link
