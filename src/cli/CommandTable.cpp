#include "Commands.h"

namespace rv::cli {

const std::vector<Command>& CommandTable() {
    static const std::vector<Command> table{
        {"new",
         CmdNew,
         "new -o FILE [--model CODE] [--band TEXT]",
         {},
         {"-o", "--model", "--band"}},
        {"show", CmdShow, "show FILE [--json] [--lang en|zh]", {"--json"}, {}},
        {"encode", CmdEncode, "encode FILE -o IMAGE", {}, {"-o"}},
        {"decode", CmdDecode, "decode IMAGE -o FILE", {}, {"-o"}},
        {"read",
         CmdRead,
         "read [--port PORT] -o FILE [--retries N] [--verify]",
         {"--verify"},
         {"--port", "-o", "--retries"}},
        {"write",
         CmdWrite,
         "write FILE [--port PORT] [--force] [--retries N] [--backup-dir DIR] [--no-backup] "
         "[--no-verify]",
         {"--force", "--no-backup", "--no-verify"},
         {"--port", "--retries", "--backup-dir"}},
        {"restore",
         CmdRestore,
         "restore BACKUP.img [--port PORT] [--force] [--retries N] [--backup-dir DIR] "
         "[--no-backup] [--no-verify] [--other-serial]",
         {"--force", "--no-backup", "--no-verify", "--other-serial"},
         {"--port", "--retries", "--backup-dir"}},
        {"diff",
         CmdDiff,
         "diff A B [--port PORT] [--json] [--lang en|zh] [--retries N]",
         {"--json"},
         {"--port", "--retries"}},
        {"info", CmdInfo, "info [--port PORT] [--retries N]", {}, {"--port", "--retries"}},
        {"set-info",
         CmdSetInfo,
         "set-info [--port PORT] [--model-type T] [--band B] [--serial S] [--version V] "
         "[--time-sync]",
         {"--time-sync"},
         {"--port", "--retries", "--model-type", "--band", "--serial", "--version"}},
        {"ports", CmdPorts, "ports", {}, {}},
        {"help", CmdHelp, "help [COMMAND] [--lang en|zh]", {}, {}},
        {"import-csv",
         CmdImportCsv,
         "import-csv FILE.csv -o OUT.dat [--into DOC.dat | --model CODE --band TEXT] [--renumber] "
         "[--replace-all] [--strict] [--dry-run]",
         {"--renumber", "--replace-all", "--strict", "--dry-run"},
         {"-o", "--into", "--model", "--band"}},
        {"export-csv", CmdExportCsv, "export-csv DOC.dat -o FILE.csv", {}, {"-o"}},
        {"sim",
         CmdSim,
         "sim [--link PATH] [--image FILE] [--fast] [--count N] [--corrupt-write ADDR] "
         "[--corrupt-read ADDR] [--garbage-ident] [--hang-up-after N] [--silent] "
         "[--silent-after N] [--other-model]",
         {"--fast", "--garbage-ident", "--silent", "--other-model"},
         {"--link", "--image", "--count", "--corrupt-write", "--corrupt-read", "--hang-up-after",
          "--silent-after"}},
        {"find", CmdFind, "find [--ports LIST] [--json]", {"--json"}, {"--ports"}},
        {"fleet",
         CmdFleet,
         "fleet FILE --ports LIST [--each KEY=START[:STEP]] [--units UNITS.csv] [--log LOG.csv] "
         "[--repeat [--count N]] [--again] [--no-backup] [--no-verify] [--backup-dir DIR] "
         "[--force] [--retries N]",
         {"--repeat", "--again", "--no-backup", "--no-verify", "--force"},
         {"--ports", "--log", "--backup-dir", "--retries", "--each", "--units", "--count"}},
        {"alignment-save",
         CmdAlignmentSave,
         "alignment-save [--port PORT] [-o FILE] [--backup-dir DIR] [--retries N]",
         {},
         {"--port", "-o", "--backup-dir", "--retries"}},
        {"alignment-restore",
         CmdAlignmentRestore,
         "alignment-restore FILE [--port PORT] [--other-serial] [--dry-run] [--backup-dir DIR] "
         "[--retries N]",
         {"--other-serial", "--dry-run"},
         {"--port", "--backup-dir", "--retries"}},
        {"keys", CmdKeys, "keys [--json] [--lang en|zh]", {"--json"}, {}},
        {"get", CmdGet, "get FILE [KEY...] [--json] [--lang en|zh]", {"--json"}, {}},
        {"set", CmdSet, "set FILE KEY=VALUE... [-o OUT] [--lang en|zh]", {}, {"-o"}},
        {"backups",
         CmdBackups,
         "backups [--backup-dir DIR] [--serial S] [--json]",
         {"--json"},
         {"--backup-dir", "--serial"}},
        {"history",
         CmdHistory,
         "history [--serial S] [--backup-dir DIR] [--json]",
         {"--json"},
         {"--serial", "--backup-dir"}},
    };
    return table;
}

} // namespace rv::cli
