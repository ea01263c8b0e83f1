#include "Commands.h"
#include "SafeJob.h"

#include "PortArgs.h"

#include "data/RadioHistory.h"
#include "jobs/SafeWrite.h"

#include <cstdio>
#include <filesystem>

namespace rv::cli {

namespace fs = std::filesystem;

int CmdRestore(CliArgs& args) {
    if (args.positional.size() != 1)
        return UsageError({"restore needs one backup image", "restore 需要一个备份映像"},
                          args.usage);
    Session s = MakeSession(args);
    const std::string& path = args.positional[0];
    const auto loaded = LoadImage(s, path);
    if (!loaded) return 1;
    const MemoryImage& image = *loaded;
    // The radio that is there now is kept too: restoring the wrong backup loses nothing.
    auto options = SafeOptionsOf(args, path);
    if (!BackupFolderUsable(s, options)) return 1;
    const auto target = OpenTarget(args);
    if (!target) return 1;
    // A backup named by another radio's serial is written to it only when asked for.
    if (!args.has("--other-serial")) {
        const auto name = rv::ParseBackupName(fs::path(path).filename().string());
        if (name) options.backupSerial = name->serial;
    }
    const auto result = RunSafeJob(s, args, [&](rv::jobs::SafeWrite& job, QString* error) {
        return job.startRestore(s, image, target->device, options, error);
    });
    const int status = ReportWrite(s, args, result, options);
    if (status != 0 && !options.backupSerial.empty() && result.serial != options.backupSerial &&
        !result.serial.empty())
        std::fprintf(stderr, "%s\n",
                     LangText{"--other-serial writes it to this radio anyway.",
                              "加上 --other-serial 可仍写入这台对讲机。"}[args.language]
                         .c_str());
    return status;
}

} // namespace rv::cli
