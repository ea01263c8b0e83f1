#include "Commands.h"
#include "SafeJob.h"

#include "jobs/SafeWrite.h"

#include <algorithm>
#include <filesystem>

namespace rv::cli {

namespace {
constexpr const char* Usage = "restore BACKUP.img [--port PORT] [--force] [--retries N] "
                              "[--backup-dir DIR] [--no-backup] [--no-verify]";
}

int CmdRestore(CliArgs& args) {
    if (args.positional.size() != 1) return UsageError("restore needs one backup image", Usage);
    if (!RetriesOf(args)) return UsageError("--retries takes a number 0 to 100", Usage);
    Session s = MakeSession(args);
    const std::string& path = args.positional[0];
    const auto loaded = LoadImage(s, path);
    if (!loaded) return 1;
    const MemoryImage& image = *loaded;
    const auto target = OpenTarget(args);
    if (!target) return 1;
    // The radio that is there now is kept too: restoring the wrong backup loses nothing.
    auto options = SafeOptionsOf(args);
    options.historyFile = QString::fromStdString(path);
    const auto result = RunSafeJob(s, args, [&](rv::jobs::SafeWrite& job, QString* error) {
        return job.startRestore(s, image, target->device, options, error);
    });
    return ReportWrite(s, args, result, options);
}

} // namespace rv::cli
