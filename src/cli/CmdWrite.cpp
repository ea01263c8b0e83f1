#include "Commands.h"
#include "RadioOperation.h"

#include <cstdio>

namespace rv::cli {

namespace {
constexpr const char* Usage = "write FILE [--port PORT] [--force] [--retries N]";
}

int CmdWrite(CliArgs& args) {
    if (args.positional.size() != 1) return UsageError("write needs one data file", Usage);
    if (!RetriesOf(args)) return UsageError("--retries takes a number 0 to 100", Usage);
    Session s = MakeSession(args);
    if (!OpenDocument(s, args.positional[0])) return 1;
    const auto target = OpenTarget(args);
    if (!target) return 1;
    const auto result = RunOperation(s, rv::link::WriteRadio, *target, args, args.has("--force"));
    if (result.outcome == rv::link::Outcome::ModelRefused)
        return Fail(result.message + " (--force overwrites it)");
    if (!result.ok) return Fail(result.message);
    std::printf("%s\n", MsgText(Msg::WriteCompleted, s.CurLanguage).c_str());
    return 0;
}

} // namespace rv::cli
