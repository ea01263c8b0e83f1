#include "Commands.h"
#include "SafeJob.h"

#include "data/DataFile.h"

namespace rv::cli {

int CmdDecode(CliArgs& args) {
    const auto out = args.value("-o");
    if (!out || args.positional.size() != 1)
        return UsageError({"decode needs IMAGE and -o FILE", "decode 需要 IMAGE 和 -o FILE"},
                          args.usage);
    Session s = MakeSession(args);
    const auto image = LoadImage(s, args.positional[0]);
    if (!image) return 1;
    // As after a read from the radio.
    rv::jobs::TakeReadImage(s, *image);
    WarnUnknownModel(s, *image);
    return WriteOutput(s, *out, ToRecord(s.Doc)) ? 0 : 1;
}

} // namespace rv::cli
