#pragma once

#include "RadioOperation.h"
#include "jobs/SafeWrite.h"

#include <functional>

namespace rv::cli {

/// The job options of a command: --backup-dir / --no-backup, --no-verify, --verify, --retries,
/// --force; the history names `historyFile` as the file the job reads into or writes from.
rv::jobs::SafeWriteOptions SafeOptionsOf(const CliArgs& args, const std::string& historyFile);

/// False, with the reason said, when the backup folder of `options` cannot take new files;
/// checked before any port is opened.
bool BackupFolderUsable(const Session& s, const rv::jobs::SafeWriteOptions& options);

/// False, with the reason said, when the document cannot be made into an image for a radio.
bool DocumentEncodes(const Session& s);

/// Runs a job started by `start` to its end, answering its questions as `RunOperation`
/// does. A stop signal cancels it; `signalled` then tells which came.
rv::jobs::SafeWriteResult
RunSafeJob(const Session& s, const CliArgs& args,
           const std::function<bool(rv::jobs::SafeWrite&, QString*)>& start,
           int* signalled = nullptr);

/// Prints `Backup: PATH` when the job kept one.
void PrintBackup(const Session& s, const rv::jobs::SafeWriteResult& r);

/// The end of a write or restore: "Write Data Completed." and "Verified", or the failure
/// with its exit status (3 for a failed verify).
int ReportWrite(const Session& s, const CliArgs& args, const rv::jobs::SafeWriteResult& r,
                const rv::jobs::SafeWriteOptions& options);

/// A warning on stderr when an image names no known model and band.
void WarnUnknownModel(const Session& s, const rv::MemoryImage& image);

} // namespace rv::cli
