#include "Commands.h"
#include "FleetRun.h"
#include "PortArgs.h"
#include "SafeJob.h"

namespace rv::cli {

namespace {

constexpr const char* Usage =
    "fleet FILE --ports LIST [--log LOG.csv] [--repeat] [--again] [--no-backup] [--no-verify] "
    "[--backup-dir DIR] [--force] [--retries N]";

} // namespace

int CmdFleet(CliArgs& args) {
    if (args.positional.size() != 1) return UsageError("fleet needs one data file", Usage);
    if (!RetriesOf(args)) return UsageError("--retries takes a number 0 to 100", Usage);
    // Programming every port there is would write radios nobody meant to write.
    if (!args.value("--ports")) return UsageError("fleet needs --ports LIST", Usage);
    std::string error;
    EnsureApplication();
    SimRadios sims;
    const auto targets = PortsOf(args, &error, &sims);
    if (!targets) return UsageError(error, Usage);
    if (targets->isEmpty())
        return Fail(InLanguage(args.language, "No serial ports found.", "未找到串口。"));
    Session s = MakeSession(args);
    if (!OpenDocument(s, args.positional[0])) return 1;
    FleetRun run(s, args.language);
    run.options.write = SafeOptionsOf(args);
    run.options.repeat = args.has("--repeat");
    run.options.again = args.has("--again");
    if (const auto log = args.value("--log"); log && !run.openLog(*log, &error)) return Fail(error);
    return run.exec(*targets, stdout, stderr);
}

} // namespace rv::cli
