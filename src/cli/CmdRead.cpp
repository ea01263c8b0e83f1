#include "Commands.h"
#include "RadioOperation.h"
#include "SafeJob.h"

#include "data/DataFile.h"

#include <cstdio>

namespace rv::cli {

namespace {

// Reads through the job layer, as the desktop program does; with --verify twice (a third
// read decides where they differ). The image then lands in `s`, and the history has a line.
bool ReadJob(Session& s, const CliArgs& args, const RadioTarget& target, const std::string& out) {
    const auto o = SafeOptionsOf(args, out);
    const auto r = RunSafeJob(s, args, [&](rv::jobs::SafeWrite& job, QString* error) {
        return job.startRead(s, target.device, o, error);
    });
    if (!r.ok()) return Fail(r.message.toStdString()), false;
    rv::jobs::TakeReadImage(s, r.before);
    return true;
}

} // namespace

int CmdRead(CliArgs& args) {
    const auto out = args.value("-o");
    if (!out || out->empty())
        return UsageError({"read needs -o FILE", "read 需要 -o FILE"}, args.usage);
    Session s = MakeSession(args);
    if (!OutputUsable(s, *out)) return 1;
    const auto target = OpenTarget(args);
    if (!target) return 1;
    if (!ReadJob(s, args, *target, *out)) return 1;
    WarnUnknownModel(s, s.Image);
    // The file is written only now, so a failed read leaves it as it was.
    const Record record = ToRecord(s.Doc);
    if (!WriteOutput(s, *out, record)) return 1;
    std::printf("%s\n", MsgText(Msg::ReadCompleted, s.CurLanguage).c_str());
    return 0;
}

} // namespace rv::cli
