#include "Commands.h"

#include <string_view>

namespace rv::cli {

namespace {

constexpr const char* Usage = "a usage error: an unknown option, a missing or wrong value";

// Text as roff reads it: backslashes and minus signs escaped, no line starting a request.
std::string Roff(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '\'')) out.insert(0, "\\&");
    return out;
}

} // namespace

const std::vector<Command>& CommandTable() {
    static const std::vector<Command> table{
        {"new",
         CmdNew,
         "new -o FILE [--model CODE] [--band TEXT]",
         {},
         {"-o", "--model", "--band"},
         {"Makes a data file with the defaults of a model and band.",
          "按机型和频段的默认值生成数据文件。"},
         {{0, "the file was made"},
          {1, "an unknown model or band, or the file could not be written"},
          {2, Usage}}},
        {"show",
         CmdShow,
         "show FILE [--json] [--lang en|zh]",
         {"--json"},
         {},
         {"Prints the settings of a data file as text or JSON.",
          "以文本或 JSON 打印数据文件的设置。"},
         {{0, "printed"}, {1, "the file could not be read or is no data file"}, {2, Usage}}},
        {"encode",
         CmdEncode,
         "encode FILE -o IMAGE",
         {},
         {"-o"},
         {"Converts a data file into the radio's 1024-byte memory image.",
          "将数据文件转换为对讲机的 1024 字节存储映像。"},
         {{0, "converted"}, {1, "a file could not be read or written"}, {2, Usage}}},
        {"decode",
         CmdDecode,
         "decode IMAGE -o FILE",
         {},
         {"-o"},
         {"Converts a memory image into a data file.", "将存储映像转换为数据文件。"},
         {{0, "converted"},
          {1, "a file could not be read or written, or the image has the wrong size"},
          {2, Usage}}},
        {"read",
         CmdRead,
         "read [--port PORT] -o FILE [--retries N] [--verify]",
         {"--verify"},
         {"--port", "-o", "--retries"},
         {"Reads the radio's configuration into a data file.", "将对讲机的配置读入数据文件。"},
         {{0, "read and saved"},
          {1, "the radio did not answer, the read was cancelled, two reads differed (--verify) "
              "or the file could not be written; the file is then left as it was"},
          {2, Usage}}},
        {"write",
         CmdWrite,
         "write FILE [--port PORT] [--force] [--retries N] [--backup-dir DIR] [--no-backup] "
         "[--no-verify]",
         {"--force", "--no-backup", "--no-verify"},
         {"--port", "--retries", "--backup-dir"},
         {"Writes a data file to the radio, after a backup of its contents, and verifies it.",
          "先备份对讲机内容，再将数据文件写入对讲机并校验。"},
         {{0, "written (and verified)"},
          {1, "not written or only partly: no answer, another model (without --force), a "
              "cancel, an unreadable file or backup folder; the message says how to restore"},
          {2, Usage},
          {3, "written, but the radio's contents differ from the file"}}},
        {"restore",
         CmdRestore,
         "restore BACKUP.img [--port PORT] [--force] [--retries N] [--backup-dir DIR] "
         "[--no-backup] [--no-verify] [--other-serial]",
         {"--force", "--no-backup", "--no-verify", "--other-serial"},
         {"--port", "--retries", "--backup-dir"},
         {"Writes a kept backup image back to the radio and verifies it.",
          "将保存的备份映像写回对讲机并校验。"},
         {{0, "restored (and verified)"},
          {1, "not written or only partly: no answer, another model (without --force), a "
              "cancel, a missing or wrong backup file"},
          {2, Usage},
          {3, "written, but the radio's contents differ from the backup"}}},
        {"diff",
         CmdDiff,
         "diff A B [--port PORT] [--json] [--lang en|zh] [--retries N]",
         {"--json"},
         {"--port", "--retries"},
         {"Lists the settings in which two documents (data file, image or radio) differ.",
          "列出两个文档（数据文件、映像或对讲机）中不同的设置。"},
         {{0, "the documents are the same"},
          {1, "they differ"},
          {2, "trouble: a document could not be read, or " + std::string(Usage)}}},
        {"info",
         CmdInfo,
         "info [--port PORT] [--retries N]",
         {},
         {"--port", "--retries"},
         {"Prints the radio's model, band, serial number and version.",
          "打印对讲机的机型、频段、序号和版本。"},
         {{0, "printed"}, {1, "the radio did not answer"}, {2, Usage}}},
        {"set-info",
         CmdSetInfo,
         "set-info [--port PORT] [--model-type T] [--band B] [--serial S] [--version V] "
         "[--time-sync]",
         {"--time-sync"},
         {"--port", "--retries", "--model-type", "--band", "--serial", "--version"},
         {"Changes the radio's model type, band, serial number or version.",
          "更改对讲机的机型类型、频段、序号或版本。"},
         {{0, "changed"}, {1, "the radio did not answer or took no change"}, {2, Usage}}},
        {"ports",
         CmdPorts,
         "ports",
         {},
         {},
         {"Lists the serial ports with their numbers.", "列出串口及其编号。"},
         {{0, "listed"}, {2, Usage}}},
        {"help",
         CmdHelp,
         "help [COMMAND] [--lang en|zh]",
         {},
         {},
         {"Prints the help page's part about the tool or one of its commands.",
          "打印帮助页面中关于本工具或其某个命令的部分。"},
         {{0, "printed"}, {1, "the help page cannot be read"}, {2, "no such command"}}},
        {"import-csv",
         CmdImportCsv,
         "import-csv FILE.csv -o OUT.dat [--into DOC.dat | --model CODE --band TEXT] [--renumber] "
         "[--replace-all] [--strict] [--dry-run]",
         {"--renumber", "--replace-all", "--strict", "--dry-run"},
         {"-o", "--into", "--model", "--band"},
         {"Imports channels from a CSV file into a new or an existing data file.",
          "将 CSV 文件中的信道导入新的或已有的数据文件。"},
         {{0, "imported (or, with --dry-run, reported)"},
          {1, "rows were skipped under --strict: nothing was written"},
          {2, "trouble: a file could not be read or written, or " + std::string(Usage)}}},
        {"export-csv",
         CmdExportCsv,
         "export-csv DOC.dat -o FILE.csv",
         {},
         {"-o"},
         {"Writes the channels of a data file as CSV.", "将数据文件的信道写为 CSV。"},
         {{0, "written"},
          {2, "trouble: a file could not be read or written, or " + std::string(Usage)}}},
        {"sim",
         CmdSim,
         "sim [--link PATH] [--image FILE] [--fast] [--count N] [--corrupt-write ADDR] "
         "[--corrupt-read ADDR] [--garbage-ident] [--hang-up-after N] [--silent] "
         "[--silent-after N] [--other-model]",
         {"--fast", "--garbage-ident", "--silent", "--other-model"},
         {"--link", "--image", "--count", "--corrupt-write", "--corrupt-read", "--hang-up-after",
          "--silent-after"},
         {"Runs the simulated radio on a pseudo-terminal for other programs.",
          "在伪终端上为其他程序运行模拟对讲机。"},
         {{0, "stopped by a signal"},
          {1, "it could not start, e.g. the link is in use"},
          {2, Usage}}},
        {"find",
         CmdFind,
         "find [--ports LIST] [--json]",
         {"--json"},
         {"--ports"},
         {"Looks for radios on the ports and names those that answer.",
          "在各端口上查找对讲机，并列出应答的对讲机。"},
         {{0, "at least one radio answered"}, {1, "none did"}, {2, Usage}}},
        {"fleet",
         CmdFleet,
         "fleet FILE --ports LIST [--each KEY=START[:STEP]] [--units UNITS.csv] [--log LOG.csv] "
         "[--repeat [--count N]] [--again] [--no-backup] [--no-verify] [--backup-dir DIR] "
         "[--force] [--retries N]",
         {"--repeat", "--again", "--no-backup", "--no-verify", "--force"},
         {"--ports", "--log", "--backup-dir", "--retries", "--each", "--units", "--count"},
         {"Writes one data file to the radios on several ports at once, with a log.",
          "将一个数据文件同时写入多个端口上的对讲机，并记录日志。"},
         {{0, "every radio was written (or skipped as done before); with --count, all of them"},
          {1, "a radio was not written, fewer than --count came, or a file could not be used"},
          {2, Usage}}},
        {"alignment-save",
         CmdAlignmentSave,
         "alignment-save [--port PORT] [-o FILE] [--backup-dir DIR] [--retries N]",
         {},
         {"--port", "-o", "--backup-dir", "--retries"},
         {"Enters test mode, keeps the radio's alignment values in a file and leaves.",
          "进入测试模式，将对讲机的校准值保存到文件后退出。"},
         {{0, "kept"},
          {1, "the radio did not answer or the file could not be written"},
          {2, Usage}}},
        {"alignment-restore",
         CmdAlignmentRestore,
         "alignment-restore FILE [--port PORT] [--other-serial] [--dry-run] [--backup-dir DIR] "
         "[--retries N]",
         {"--other-serial", "--dry-run"},
         {"--port", "--backup-dir", "--retries"},
         {"Writes kept alignment values back to the radio and verifies every point.",
          "将保存的校准值写回对讲机并逐点校验。"},
         {{0, "written and verified"},
          {1, "not written or cancelled"},
          {2, Usage},
          {3, "a point did not read back as written"}}},
        {"keys",
         CmdKeys,
         "keys [--json] [--lang en|zh]",
         {"--json"},
         {},
         {"Lists every settings key with its label, kind, range or values, unit and default.",
          "列出每个设置键及其名称、类型、范围或取值、单位和默认值。"},
         {{0, "listed"}, {2, Usage}}},
        {"get",
         CmdGet,
         "get FILE [KEY...] [--json] [--lang en|zh]",
         {"--json"},
         {},
         {"Prints settings of a data file as KEY = value lines.",
          "以 KEY = 值 的行打印数据文件的设置。"},
         {{0, "printed"},
          {1, "the file could not be read"},
          {2, "an unknown key, or " + std::string(Usage)}}},
        {"set",
         CmdSet,
         "set FILE KEY=VALUE... [-o OUT] [--lang en|zh]",
         {},
         {"-o"},
         {"Changes settings of a data file, each value checked as its window checks it.",
          "更改数据文件的设置，每个值都按其窗口的规则检查。"},
         {{0, "saved"},
          {1, "the file could not be read or written"},
          {2, "a value was refused (nothing was written), or " + std::string(Usage)}}},
        {"backups",
         CmdBackups,
         "backups [--backup-dir DIR] [--serial S] [--json]",
         {"--json"},
         {"--backup-dir", "--serial"},
         {"Lists the kept backups by radio serial number, newest first.",
          "按对讲机序号列出保存的备份，最新的在前。"},
         {{0, "listed (none kept yet counts too)"},
          {1, "the folder given by --backup-dir does not exist"},
          {2, Usage}}},
        {"history",
         CmdHistory,
         "history [--serial S] [--backup-dir DIR] [--json]",
         {"--json"},
         {"--serial", "--backup-dir"},
         {"Prints the log of reads and writes, by radio serial number.",
          "按对讲机序号打印读写记录。"},
         {{0, "printed (no log yet counts too)"},
          {1, "the folder given by --backup-dir does not exist, or the log could not be read"},
          {2, Usage}}},
        {"report",
         CmdReport,
         "report FILE -o OUT.pdf [--lang en|zh] [--service]",
         {"--service"},
         {"-o"},
         {"Writes the printed report of a data file (channels and settings) as a PDF file.",
          "将数据文件的打印报告（信道和设置）写为 PDF 文件。"},
         {{0, "written"}, {1, "a file could not be read or written"}, {2, Usage}}},
    };
    return table;
}

std::string ManSections() {
    std::string exits =
        ".SH EXIT STATUS\n"
        "0 is success, 1 a failure or a negative answer (an output file is then neither made "
        "nor changed), 2 a usage error, 3 a radio whose contents differ from what was "
        "written. Each command:\n";
    for (const auto& c : CommandTable()) {
        exits += ".TP\n.B " + Roff(c.name) + "\n";
        for (std::size_t i = 0; i < c.exits.size(); ++i) {
            const auto& [status, meaning] = c.exits[i];
            exits += (i ? ".br\n" : "") + std::to_string(status) + "  " + Roff(meaning) + "\n";
        }
    }
    return exits;
}

} // namespace rv::cli
