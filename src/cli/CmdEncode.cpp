#include "Commands.h"

#include "data/Image.h"

namespace rv::cli {

int CmdEncode(CliArgs& args) {
    const auto out = args.value("-o");
    if (!out || args.positional.size() != 1)
        return UsageError({"encode needs FILE and -o IMAGE", "encode 需要 FILE 和 -o IMAGE"},
                          args.usage);
    Session s = MakeSession(args);
    if (!OpenDocument(s, args.positional[0])) return 1;
    InitImage(s.Image);
    std::string error;
    if (!EncodeImage(s.Doc, s.Image, &error)) return Fail(error);
    return WriteOutput(s, *out, s.Image) ? 0 : 1;
}

} // namespace rv::cli
