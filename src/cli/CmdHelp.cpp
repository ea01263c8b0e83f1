#include "Commands.h"
#include "HelpText.h"

#include "data/Resources.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace rv::cli {

namespace {

std::string HelpPagePath(const std::string& programDir, int language) {
    return rv::FindResource(programDir,
                            language == Chinese ? "RVPS-52N_c.html" : "RVPS-52N_e.html");
}

} // namespace

int CmdHelp(CliArgs& args) {
    if (args.positional.size() > 1)
        return UsageError({"one topic at a time", "一次只能查看一个主题"}, args.usage);
    const std::string path = HelpPagePath(args.programDir, args.language);
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Fail(
            LangText{"the help page cannot be read: ", "无法读取帮助页面："}[args.language] + path);
    std::stringstream page;
    page << in.rdbuf();
    // The section of the desktop program's help page that tells about this tool.
    const std::string id = args.positional.empty() ? "command-line" : "cli-" + args.positional[0];
    if (const auto text = HelpSection(page.str(), id)) {
        std::fputs(text->c_str(), stdout);
        return 0;
    }
    // A command the page does not describe yet still has its usage.
    for (const auto& c : CommandTable()) {
        if (args.positional[0] != c.name) continue;
        std::printf("%srv52n-cli %s\n", UsageWord()[args.language].c_str(), c.usage);
        return 0;
    }
    return UsageError(
        {"no command \"" + args.positional[0] + "\"", "没有命令“" + args.positional[0] + "”"},
        args.usage);
}

} // namespace rv::cli
