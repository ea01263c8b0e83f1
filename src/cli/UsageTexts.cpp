#include "cli/UsageTexts.h"

#include <array>

namespace rv::cli {

namespace {

// Each refusal of a command line in both languages; "%1" stands for the part that varies
// (an option, a key, a file name).
struct UsageText {
    const char* english;
    const char* chinese;
};

constexpr std::array Texts{
    UsageText{"unknown option %1", "未知选项 %1"},
    UsageText{"option %1 takes no value", "选项 %1 不带值"},
    UsageText{"option %1 needs a value", "选项 %1 需要一个值"},
    UsageText{"%1 needs a port: sim, a number 1 to 8 or a device path",
              "%1 需要端口：sim、1 到 8 的端口号或设备路径"},
    UsageText{"--retries takes a number 0 to 100", "--retries 取 0 到 100 的数"},
    UsageText{"--lang takes en or zh", "--lang 取 en 或 zh"},
    UsageText{"--count takes a number 1 to 16", "--count 取 1 到 16 的数"},
    UsageText{"--count takes a number 1 to 100000 and needs --repeat",
              "--count 取 1 到 100000 的数，且需要 --repeat"},
    UsageText{"--serial needs a serial number", "--serial 需要序列号"},
    UsageText{"--backup-dir needs a folder", "--backup-dir 需要一个文件夹"},
    UsageText{"--ports has an empty entry", "--ports 中有空项"},
    UsageText{"port %1 is given twice in --ports", "端口 %1 在 --ports 中重复给出"},
    UsageText{"--into keeps the model and band of DOC.dat", "--into 沿用 DOC.dat 的机型和频段"},
    UsageText{"new needs -o FILE and nothing else", "new 只需要 -o FILE"},
    UsageText{"show needs one FILE", "show 需要一个文件"},
    UsageText{"encode needs FILE and -o IMAGE", "encode 需要 FILE 和 -o IMAGE"},
    UsageText{"decode needs IMAGE and -o FILE", "decode 需要 IMAGE 和 -o FILE"},
    UsageText{"read needs -o FILE", "read 需要 -o FILE"},
    UsageText{"write needs one data file", "write 需要一个数据文件"},
    UsageText{"restore needs one backup image", "restore 需要一个备份映像"},
    UsageText{"diff needs two documents (data file, image or radio)",
              "diff 需要两份文档（数据文件、映像或对讲机）"},
    UsageText{"import-csv needs FILE.csv and -o OUT.dat", "import-csv 需要 FILE.csv 和 -o OUT.dat"},
    UsageText{"export-csv needs DOC.dat and -o FILE.csv", "export-csv 需要 DOC.dat 和 -o FILE.csv"},
    UsageText{"fleet needs one data file", "fleet 需要一个数据文件"},
    UsageText{"fleet needs --ports LIST", "fleet 需要 --ports LIST"},
    UsageText{"get needs a FILE", "get 需要一个文件"},
    UsageText{"set needs a FILE and KEY=VALUE", "set 需要文件和 KEY=VALUE"},
    UsageText{"keys takes no file", "keys 不带文件"},
    UsageText{"backups takes no file", "backups 不带文件"},
    UsageText{"history takes no file", "history 不带文件"},
    UsageText{"no file is read", "此命令不读取文件"},
    UsageText{"one kept alignment is needed", "需要一个保存的校准文件"},
    UsageText{"one topic at a time", "一次只能查看一个主题"},
    UsageText{"no command \"%1\"", "没有命令“%1”"},
    UsageText{"no setting has the key \"%1\"", "没有键为“%1”的设置"},
    UsageText{"\"%1\" is not KEY=VALUE", "“%1”不是 KEY=VALUE"},
    UsageText{"unknown command \"%1\"", "未知命令“%1”"},
    UsageText{"%1 is the same file as the input %2; it would be overwritten",
              "%1 与输入文件 %2 是同一个文件，会被覆盖"},
};

// Matches `text` against a template whose "%1" and "%2" stand for any text; the parts
// found, or nothing.
std::optional<std::vector<std::string>> Match(std::string_view pattern, std::string_view text) {
    std::vector<std::string> parts;
    std::size_t p = 0, t = 0;
    while (p < pattern.size()) {
        if (pattern.compare(p, 2, "%1") != 0 && pattern.compare(p, 2, "%2") != 0) {
            if (t >= text.size() || text[t] != pattern[p]) return std::nullopt;
            ++p, ++t;
            continue;
        }
        p += 2;
        // The varying part runs up to where the rest of the template's next piece starts.
        const std::size_t next = pattern.find('%', p);
        const std::string_view literal =
            pattern.substr(p, next == std::string_view::npos ? std::string_view::npos : next - p);
        const std::size_t end =
            literal.empty()
                ? text.size()
                : (next == std::string_view::npos ? text.rfind(literal) : text.find(literal, t));
        if (end == std::string_view::npos || end < t) return std::nullopt;
        parts.emplace_back(text.substr(t, end - t));
        t = end;
    }
    if (t != text.size()) return std::nullopt;
    return parts;
}

} // namespace

std::string UsageMessage(const std::string& english, int language) {
    if (language != Chinese) return english;
    for (const UsageText& u : Texts) {
        const auto parts = Match(u.english, english);
        if (!parts) continue;
        std::string out = u.chinese;
        for (std::size_t i = 0; i < parts->size(); ++i) {
            const std::string mark = "%" + std::to_string(i + 1);
            if (const auto at = out.find(mark); at != std::string::npos)
                out.replace(at, mark.size(), (*parts)[i]);
        }
        return out;
    }
    return english; // a refusal worded elsewhere, in the user's language already
}

std::string UsageWord(int language) {
    return language == Chinese ? "用法：" : "usage: ";
}

} // namespace rv::cli
