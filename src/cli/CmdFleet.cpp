#include "Commands.h"
#include "FleetRun.h"
#include "PortArgs.h"
#include "SafeJob.h"
#include "jobs/FleetDocuments.h"
#include "link/LocalFiles.h"

#include <cstdio>
#include <optional>

namespace rv::cli {

namespace {

// The values each radio gets of its own: --each (any number of them) and --units. Nullopt,
// with the message said, when they cannot be taken: exit status 2 for what the command line
// says, 1 for a units file that cannot be read.
std::optional<rv::FleetValues> ValuesOf(const CliArgs& args, int* status) {
    rv::FleetValues values;
    std::string error;
    for (const auto& each : args.values("--each"))
        if (!values.addEach(each, args.language, &error)) {
            *status = UsageErrorSaid(error, args.usage);
            return std::nullopt;
        }
    const auto units = args.value("--units");
    if (!units) return values;
    Session s;
    s.CurLanguage = args.language;
    const auto bytes = LoadInput(s, *units, rv::link::UnitsFileLimit);
    if (!bytes) {
        *status = 1;
        return std::nullopt;
    }
    if (!values.setUnits(std::string(bytes->begin(), bytes->end()), args.language, &error)) {
        *status = UsageErrorSaid(error, args.usage);
        return std::nullopt;
    }
    return values;
}

// --count N: with --repeat, the number of radios after which the run ends; 0 when not given.
std::optional<int> CountOf(const CliArgs& args) {
    const auto text = args.value("--count");
    if (!text) return 0;
    if (!args.has("--repeat") || text->empty() || text->size() > 6 ||
        text->find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int n = std::stoi(*text);
    if (n < 1 || n > 100000) return std::nullopt;
    return n;
}

} // namespace

int CmdFleet(CliArgs& args) {
    if (args.positional.size() != 1)
        return UsageError({"fleet needs one data file", "fleet 需要一个数据文件"}, args.usage);
    // Programming every port there is would write radios nobody meant to write.
    if (!args.value("--ports"))
        return UsageError({"fleet needs --ports LIST", "fleet 需要 --ports LIST"}, args.usage);
    const auto count = CountOf(args);
    if (!count)
        return UsageError({"--count takes a number 1 to 100000 and needs --repeat",
                           "--count 取 1 到 100000 的数，且需要 --repeat"},
                          args.usage);
    std::string error;
    EnsureApplication();
    SimRadios sims;
    int status = 0;
    const auto targets = PortsOf(args, args.usage, &status, &sims);
    if (!targets) return status;
    if (targets->isEmpty())
        return Fail(LangText{"No serial ports found.", "未找到串口。"}[args.language].c_str());
    const auto values = ValuesOf(args, &status);
    if (!values) return status;
    Session s = MakeSession(args);
    if (!OpenDocument(s, args.positional[0])) return 1;
    // What needs no radio is settled before any radio is asked.
    if (!DocumentEncodes(s)) return 1;
    FleetRun run(s, args.language);
    run.options.write = SafeOptionsOf(args, args.positional[0]);
    if (!BackupFolderUsable(s, run.options.write)) return 1;
    std::optional<rv::jobs::FleetDocuments> documents;
    if (!values->empty()) {
        // Every value of every radio is checked before the first radio is written.
        documents.emplace(s, *values);
        const auto refusals = documents->checkAhead(static_cast<int>(targets->size()));
        for (const auto& why : refusals)
            std::fprintf(stderr, "rv52n-cli: %s\n", why.c_str());
        if (!refusals.empty()) {
            std::fprintf(
                stderr, "%s\n",
                LangText{"No radio was written.", "未写入任何对讲机。"}[args.language].c_str());
            return 2;
        }
        run.options.documentFor = documents->documentFor(*targets);
    }
    run.options.repeat = args.has("--repeat");
    run.count = *count;
    run.options.again = args.has("--again");
    if (const auto log = args.value("--log"); log && !run.openLog(*log, &error)) return Fail(error);
    return run.exec(*targets, stdout, stderr);
}

} // namespace rv::cli
