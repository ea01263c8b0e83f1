#include "Commands.h"
#include "Show.h"

#include <cstdio>

namespace rv::cli {

int CmdShow(CliArgs& args) {
    if (args.positional.size() != 1)
        return UsageError("show needs one FILE", "show FILE [--json] [--lang en|zh]");
    Session s = MakeSession(args);
    if (!OpenDocument(s, args.positional[0])) return 1;
    // A stored frequency that is not a number is shown as the band edge; say so.
    s.onMessage = [&s](Msg m) { Fail(MsgText(m, s.CurLanguage)); };
    const std::string text = args.has("--json") ? DocumentJson(s.Doc) : DocumentText(s);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace rv::cli
