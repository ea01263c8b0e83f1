#include "Commands.h"
#include "SafeJob.h"

namespace rv::cli {

int CmdWrite(CliArgs& args) {
    if (args.positional.size() != 1)
        return UsageError({"write needs one data file", "write 需要一个数据文件"}, args.usage);
    Session s = MakeSession(args);
    if (!OpenDocument(s, args.positional[0])) return 1;
    // Backup read, write, verify read: each a whole session of its own.
    const auto options = SafeOptionsOf(args, args.positional[0]);
    if (!BackupFolderUsable(s, options)) return 1;
    const auto target = OpenTarget(args);
    if (!target) return 1;
    const auto result = RunSafeJob(s, args, [&](rv::jobs::SafeWrite& job, QString* error) {
        return job.startWrite(s, target->device, options, error);
    });
    return ReportWrite(s, args, result, options);
}

} // namespace rv::cli
