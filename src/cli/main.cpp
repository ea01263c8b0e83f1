#include "cli/Commands.h"
#include "cli/Completion.h"

#include "data/OutsideText.h"
#include "data/Version.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Name, version, copyright and licence (--about), in `language`.
std::string AboutText(int language) {
    const std::string name = std::string("rv52n-cli ") + rv::Version;
    if (language == rv::Chinese)
        return name +
               "\nRV52N 手持调频对讲机编程软件的命令行工具\n"
               "版权所有 2026 RV52N 开发者。\n"
               "许可证 GPL-3.0-or-later：GNU 通用公共许可证第 3 版或（由您选择）任何更新的版本"
               " <https://www.gnu.org/licenses/gpl.html>。\n"
               "本程序是自由软件：您可以修改和再发布它。在法律允许的范围内，本程序不提供任何担保。"
               "\n";
    return name + "\nThe command-line tool of the programming software for the RV52N hand-held "
                  "FM radio\n"
                  "Copyright 2026 The RV52N developers.\n"
                  "Licence GPL-3.0-or-later: GNU General Public License, version 3 or (at your "
                  "option) any later version <https://www.gnu.org/licenses/gpl.html>.\n"
                  "This is free software: you are free to change and redistribute it. There is "
                  "NO WARRANTY, to the extent permitted by law.\n";
}

int PrintUsage(std::FILE* to) {
    std::fprintf(to, "usage: rv52n-cli <command> [arguments]\n"
                     "       rv52n-cli --help | --version | --about\n"
                     "commands:\n");
    for (const auto& c : rv::cli::CommandTable()) {
        std::fprintf(to, "  %s\n", c.usage);
        if (to == stdout) std::printf("        %s\n", c.summary);
    }
    if (to != stdout) return 2;
    std::printf("options of every command:\n"
                "  --lang en|zh  language of messages and output (default: from LANG)\n"
                "  --help        usage of the command\n");
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    using namespace rv::cli;
    if (argc < 2) return PrintUsage(stderr);
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || (name == "help" && argc == 2))
        return PrintUsage(stdout);
    if (name == "--version") {
        std::printf("rv52n-cli %s\n", rv::Version);
        return 0;
    }
    if (name == "--about") {
        std::fputs(AboutText(rv::cli::LanguageFromLocale()).c_str(), stdout);
        return 0;
    }
    if (name == ManSectionsOption) {
        std::fputs(ManSections().c_str(), stdout);
        return 0;
    }
    if (name == CompletionOption) return PrintCompletionWords({argv + 2, argv + argc});
    const std::vector<std::string> rest(argv + 2, argv + argc);
    SetUsageLanguage(rest);
    for (const auto& c : CommandTable()) {
        if (name != c.name) continue;
        if (rest.size() == 1 && (rest[0] == "--help" || rest[0] == "-h")) {
            std::printf("usage: rv52n-cli %s\n", c.usage);
            return 0;
        }
        rv::LangText error;
        auto args = ParseArgs(rest, c.flags, c.options, &error);
        if (!args) return UsageError(error, c.usage);
        args->command = name;
        args->usage = c.usage;
        if (const int refused = RefuseOutputOntoInput(*args, c.usage)) return refused;
        const auto language = ChooseLanguage(*args);
        if (!language) return UsageError({"--lang takes en or zh", "--lang 取 en 或 zh"}, c.usage);
        args->language = *language;
        args->programDir = ProgramDir();
        // An empty port is a mistake on the command line, not a port that cannot be opened.
        for (const char* option : {"--port", "--ports"})
            if (const auto port = args->value(option); port && port->empty())
                return UsageError(
                    {std::string(option) + " needs a port: sim, a number 1 to 8 or a device path",
                     std::string(option) + " 需要端口：sim、1 到 8 的端口号或设备路径"},
                    c.usage);
        // An empty folder would silently mean no backup at all.
        if (const auto dir = args->value("--backup-dir"); dir && dir->empty())
            return UsageError({"--backup-dir needs a folder", "--backup-dir 需要一个文件夹"},
                              c.usage);
        return c.run(*args);
    }
    SetUsageLanguage({argv + 1, argv + argc});
    const std::string shown = rv::ShownText(name);
    const rv::LangText unknown{"unknown command \"" + shown + "\"", "未知命令“" + shown + "”"};
    std::fprintf(stderr, "rv52n-cli: %s\n", unknown[UsageLanguageChosen()].c_str());
    return PrintUsage(stderr);
}
