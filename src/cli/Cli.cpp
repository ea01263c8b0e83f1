#include "Cli.h"

#include "link/AtomicFile.h"
#include "data/Conversions.h"
#include "data/DataFile.h"
#include "jobs/CodeTables.h"
#include "link/LocalFiles.h"
#include "link/Os.h"

#include <QFile>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>

namespace rv::cli {

namespace fs = std::filesystem;

std::optional<std::string> CliArgs::value(const std::string& name) const {
    const auto it = options.find(name);
    if (it == options.end()) return std::nullopt;
    return it->second;
}

std::optional<CliArgs> ParseArgs(const std::vector<std::string>& args,
                                 const std::set<std::string>& flagNames,
                                 const std::set<std::string>& optionNames, LangText* error) {
    const auto refuse = [error](LangText why) {
        if (error) *error = std::move(why);
        return std::nullopt;
    };
    CliArgs out;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!optionsEnded && a == "--") {
            optionsEnded = true; // what follows is a file, even "-x.dat"
            continue;
        }
        if (optionsEnded || a.size() < 2 || a[0] != '-') {
            out.positional.push_back(a);
            continue;
        }
        const auto eq = a.find('=');
        const std::string name = a.substr(0, eq);
        if (flagNames.count(name)) {
            if (eq != std::string::npos)
                return refuse({"option " + name + " takes no value", "选项 " + name + " 不带值"});
            out.flags.insert(name);
        } else if (!optionNames.count(name) && name != "--lang") {
            return refuse({"unknown option " + name, "未知选项 " + name});
        } else if (eq != std::string::npos) {
            out.options[name] = a.substr(eq + 1);
            out.given.emplace_back(name, out.options[name]);
        } else if (i + 1 < args.size()) {
            out.options[name] = args[++i];
            out.given.emplace_back(name, out.options[name]);
        } else {
            return refuse({"option " + name + " needs a value", "选项 " + name + " 需要一个值"});
        }
    }
    return out;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "rv52n-cli: %s\n", message.c_str());
    return 1;
}

namespace {
int UsageLanguage = 0; // 0: not chosen yet, the locale's
} // namespace

const LangText& UsageWord() {
    static const LangText word{"usage: ", "用法："};
    return word;
}

int UsageErrorSaid(const std::string& message, const std::string& usage) {
    std::fprintf(stderr, "rv52n-cli: %s\n%srv52n-cli %s\n", message.c_str(),
                 UsageWord()[UsageLanguageChosen()].c_str(), usage.c_str());
    return 2;
}

int UsageError(const LangText& message, const std::string& usage) {
    return UsageErrorSaid(message[UsageLanguageChosen()], usage);
}

const LangText& RetriesRefusal() {
    static const LangText text{"--retries takes a number 0 to 100", "--retries 取 0 到 100 的数"};
    return text;
}

int UsageLanguageChosen() {
    return UsageLanguage ? UsageLanguage : LanguageFromLocale();
}

void SetUsageLanguage(const std::vector<std::string>& args) {
    UsageLanguage = LanguageFromLocale();
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string value;
        if (args[i] == "--lang" && i + 1 < args.size())
            value = args[i + 1];
        else if (args[i].rfind("--lang=", 0) == 0)
            value = args[i].substr(7);
        if (value == "en") UsageLanguage = English;
        if (value == "zh") UsageLanguage = Chinese;
    }
}

int LanguageFromLocale() {
    // The first of these that is set decides, as the C library itself chooses.
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* v = std::getenv(name);
        if (v && *v) return std::string(v).rfind("zh_CN", 0) == 0 ? Chinese : English;
    }
    return English;
}

std::optional<int> ChooseLanguage(const CliArgs& args) {
    const auto lang = args.value("--lang");
    if (!lang) return LanguageFromLocale();
    if (*lang == "en") return English;
    if (*lang == "zh") return Chinese;
    return std::nullopt;
}

std::string ProgramDir() {
    const std::string dir = rv::link::os::ExecutableDir();
    return dir.empty() ? std::string(".") : dir;
}

Session MakeSession(const CliArgs& args) {
    Session s;
    s.CurLanguage = args.language;
    s.onMessage = [&s](Msg m) { Fail(MsgText(m, s.CurLanguage)); };
    std::string refusal;
    rv::jobs::LoadCodeTables(s, args.programDir, &refusal);
    if (!refusal.empty()) Fail(refusal);
    s.onMessage = nullptr;
    return s;
}

namespace {

std::string FileErrorText(const Session& s, const std::string& path, const FileFault& fault) {
    return rv::link::FileProblem(QFile::decodeName(path.c_str()), fault, s.CurLanguage)
        .toStdString();
}

} // namespace

std::optional<std::vector<std::uint8_t>> LoadInput(const Session& s, const std::string& path,
                                                   std::size_t limit) {
    FileFault fault;
    auto bytes = ReadWholeFile(path, limit, fault);
    if (!bytes) Fail(FileErrorText(s, path, fault));
    return bytes;
}

std::optional<std::vector<std::uint8_t>> LoadDocumentFile(const Session& s, const std::string& path,
                                                          DocumentFile accept) {
    FileFault fault;
    auto bytes = ReadDocumentFile(path, accept, fault);
    if (!bytes) Fail(FileErrorText(s, path, fault));
    return bytes;
}

std::optional<MemoryImage> LoadImage(const Session& s, const std::string& path) {
    const auto bytes = LoadDocumentFile(s, path, DocumentFile::Image);
    if (!bytes) return std::nullopt;
    MemoryImage image{};
    std::copy(bytes->begin(), bytes->end(), image.begin());
    return image;
}

int RefuseOutputOntoInput(const CliArgs& args, const std::string& usage) {
    std::vector<std::string> inputs = args.positional;
    for (const char* name : {"--into", "--image", "--units"})
        if (const auto v = args.value(name)) inputs.push_back(*v);
    for (const char* name : {"-o", "--log"}) {
        const auto out = args.value(name);
        if (!out) continue;
        for (const std::string& in : inputs) {
            // The same device and inode: a link or another spelling of the path counts too.
            std::error_code ec;
            if (fs::equivalent(*out, in, ec))
                return UsageError({std::string(name) + " " + *out +
                                       " is the same file as the input " + in +
                                       "; it would be overwritten",
                                   std::string(name) + " " + *out + " 与输入文件 " + in +
                                       " 是同一个文件，会被覆盖"},
                                  usage);
        }
    }
    return 0;
}

bool OpenDocument(Session& s, const std::string& path) {
    if (OpenDataFile(s, path)) return true;
    Fail(FileErrorText(s, path, s.LastFileFault));
    return false;
}

bool OutputUsable(const Session& s, const std::string& path) {
    const FileFault fault = rv::link::OutputFault(QFile::decodeName(path.c_str()));
    if (fault.kind == FileFault::None) return true;
    Fail(FileErrorText(s, path, fault));
    return false;
}

bool WriteOutput(const Session& s, const std::string& path, std::span<const std::uint8_t> bytes) {
    FileFault fault;
    if (WriteFileAtomically(path, bytes, &fault)) return true;
    Fail(FileErrorText(s, path, fault));
    return false;
}

} // namespace rv::cli
