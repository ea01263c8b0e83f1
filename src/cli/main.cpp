#include "cli/Commands.h"
#include "cli/Completion.h"
#include "cli/RadioOperation.h"

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

// The tool's usage; on stdout (asked for) with what each command does and the common options.
int PrintUsage(std::FILE* to, int language) {
    using rv::LangText;
    const std::string& usage = rv::cli::UsageWord()[language];
    std::fprintf(
        to, "%srv52n-cli %s\n%*srv52n-cli --help | --version | --about\n%s\n", usage.c_str(),
        LangText{"<command> [arguments]", "<命令> [参数]"}[language].c_str(),
        language == rv::Chinese ? 6 : 7, "", LangText{"commands:", "命令："}[language].c_str());
    for (const auto& c : rv::cli::CommandTable()) {
        std::fprintf(to, "  %s\n", c.usage);
        if (to == stdout) std::printf("        %s\n", c.summary[language].c_str());
    }
    if (to != stdout) return 2;
    std::printf("%s\n  --lang en|zh  %s\n  --help        %s\n",
                LangText{"options of every command:", "每个命令的选项："}[language].c_str(),
                LangText{"language of messages and output (default: from LANG)",
                         "消息和输出的语言（默认取自 LANG）"}[language]
                    .c_str(),
                LangText{"usage of the command", "命令的用法"}[language].c_str());
    return 0;
}

// True for `--lang X` or `--lang=X` at `args[i]`; `*width` is how many arguments it takes.
bool IsLangOption(const std::vector<std::string>& args, std::size_t i, std::size_t* width) {
    *width = args[i] == "--lang" ? 2 : 1;
    return (args[i] == "--lang" && i + 1 < args.size()) || args[i].rfind("--lang=", 0) == 0;
}

// The arguments without their `--lang` options.
std::vector<std::string> WithoutLang(const std::vector<std::string>& args) {
    std::vector<std::string> out;
    for (std::size_t i = 0, width = 1; i < args.size(); i += width)
        if (!IsLangOption(args, i, &width)) out.push_back(args[i]);
    return out;
}

// A command's own --help, perhaps with --lang.
bool AsksHelp(const std::vector<std::string>& rest) {
    const auto left = WithoutLang(rest);
    return left.size() == 1 && (left[0] == "--help" || left[0] == "-h");
}

} // namespace

int main(int argc, char** argv) {
    using namespace rv::cli;
    std::vector<std::string> words(argv + 1, argv + argc);
    SetUsageLanguage(words);
    const int usageLanguage = UsageLanguageChosen();
    // --lang may come first, before the command or the tool's own option; it is handed on.
    std::vector<std::string> lang;
    if (std::size_t width = 0; !words.empty() && IsLangOption(words, 0, &width)) {
        lang.assign(words.begin(), words.begin() + static_cast<std::ptrdiff_t>(width));
        words.erase(words.begin(), words.begin() + static_cast<std::ptrdiff_t>(width));
    }
    if (words.empty()) return PrintUsage(stderr, usageLanguage);
    const std::string name = words[0];
    if (name == "--help" || name == "-h" || (name == "help" && words.size() == 1))
        return PrintUsage(stdout, usageLanguage);
    if (name == "--version") {
        std::printf("rv52n-cli %s\n", rv::Version);
        return 0;
    }
    if (name == "--about") {
        std::fputs(AboutText(usageLanguage).c_str(), stdout);
        return 0;
    }
    if (name == ManSectionsOption) {
        std::fputs(ManSections().c_str(), stdout);
        return 0;
    }
    if (name == CompletionOption) return PrintCompletionWords({words.begin() + 1, words.end()});
    std::vector<std::string> rest(lang);
    rest.insert(rest.end(), words.begin() + 1, words.end());
    for (const auto& c : CommandTable()) {
        if (name != c.name) continue;
        if (AsksHelp(rest)) {
            std::printf("%srv52n-cli %s\n", UsageWord()[usageLanguage].c_str(), c.usage);
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
        if (c.options.count("--retries") && !RetriesOf(*args))
            return UsageError(RetriesRefusal(), c.usage);
        // An empty folder would silently mean no backup at all.
        if (const auto dir = args->value("--backup-dir"); dir && dir->empty())
            return UsageError({"--backup-dir needs a folder", "--backup-dir 需要一个文件夹"},
                              c.usage);
        return c.run(*args);
    }
    const std::string shown = rv::ShownText(name);
    const rv::LangText unknown{"unknown command \"" + shown + "\"", "未知命令“" + shown + "”"};
    std::fprintf(stderr, "rv52n-cli: %s\n", unknown[usageLanguage].c_str());
    return PrintUsage(stderr, usageLanguage);
}
