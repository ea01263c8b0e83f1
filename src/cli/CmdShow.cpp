#include "Commands.h"
#include "Show.h"

#include "data/DamagedFields.h"

#include <cstdio>

namespace rv::cli {

int CmdShow(CliArgs& args) {
    if (args.positional.size() != 1)
        return UsageError({"show needs one FILE", "show 需要一个文件"}, args.usage);
    Session s = MakeSession(args);
    if (!OpenDocument(s, args.positional[0])) return 1;
    // Stored frequencies that are not numbers are shown as the band edge; one message
    // names them all, and the single fields then pass without another word.
    s.onMessage = [&s](Msg m) {
        const std::string& detail = s.MessageDetail;
        Fail(MsgText(m, s.CurLanguage) + (detail.empty() ? "" : "\n" + detail));
    };
    ReportDamagedFrequencies(s);
    s.onMessage = [&s](Msg m) {
        if (m != Msg::NotIsNumeric) Fail(MsgText(m, s.CurLanguage));
    };
    const std::string text = args.has("--json") ? DocumentJson(s.Doc) : DocumentText(s);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace rv::cli
