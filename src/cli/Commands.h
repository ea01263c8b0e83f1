#pragma once

#include "Cli.h"

#include <QString>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace rv::cli {

/// A command of the tool: its name, the function that runs it, its usage line, the
/// options that take no value and those that take one (any other option is refused), what
/// it does in one line and what each of its exit statuses means (for --help and the manual
/// page).
struct Command {
    const char* name;
    int (*run)(CliArgs&);
    const char* usage;
    std::set<std::string> flags;
    std::set<std::string> options;
    LangText summary;
    std::vector<std::pair<int, std::string>> exits;
};

/// new -o FILE [--model CODE] [--band TEXT]
int CmdNew(CliArgs& args);
/// A new document of --model (7415 when not given) and --band (400 - 470 MHz, or the
/// model's first band); false, with the reason said, for a model or band that is not one.
bool StartNewDocument(Session& s, const CliArgs& args);
/// show FILE [--json] [--lang en|zh]
int CmdShow(CliArgs& args);
/// encode FILE -o IMAGE
int CmdEncode(CliArgs& args);
/// decode IMAGE -o FILE
int CmdDecode(CliArgs& args);
int CmdRead(CliArgs& args);
int CmdWrite(CliArgs& args);
int CmdInfo(CliArgs& args);
int CmdSetInfo(CliArgs& args);
int CmdPorts(CliArgs& args);
int CmdSim(CliArgs& args);
/// help [COMMAND]: the command-line section of the help page, or one command's part of it
int CmdHelp(CliArgs& args);
/// import-csv FILE.csv -o OUT.dat [--into DOC.dat | --model CODE --band TEXT] [options]
int CmdImportCsv(CliArgs& args);
/// export-csv DOC.dat -o FILE.csv
int CmdExportCsv(CliArgs& args);
/// restore BACKUP.img: writes a kept memory image back, then verifies it
int CmdRestore(CliArgs& args);
/// diff A B: the settings in which two documents (file, image or radio) differ
int CmdDiff(CliArgs& args);
int CmdFind(CliArgs& args);
/// fleet FILE --ports LIST: writes one file to the radios on several ports at once
int CmdFleet(CliArgs& args);
/// backups [--backup-dir DIR] [--serial S] [--json]: the kept backups, newest first
int CmdBackups(CliArgs& args);
/// history [--serial S] [--backup-dir DIR] [--json]: the reads and writes of each radio
int CmdHistory(CliArgs& args);
/// The backup folder `--backup-dir` names, or the default one.
QString BackupDirOf(const CliArgs& args);
/// The refusals of a listing of the backup folder `dir` (backups, history): a file given, an
/// empty --serial (2), a --backup-dir that names no folder (1); else 0.
int RefuseListing(const CliArgs& args, const QString& dir);

/// alignment-save: keeps the radio's alignment (tuning block) as a JSON file
int CmdAlignmentSave(CliArgs& args);
/// alignment-restore FILE: writes the points of a kept alignment back and verifies them
int CmdAlignmentRestore(CliArgs& args);

/// keys [--json]: every setting's key, label, kind, rule and default
int CmdKeys(CliArgs& args);
/// get FILE [KEY...] [--json]: settings by key, as their windows show them
int CmdGet(CliArgs& args);
/// set FILE KEY=VALUE... [-o OUT]: changes settings by key, each by its window's rule
int CmdSet(CliArgs& args);
/// report FILE -o OUT.pdf [--service]: the printed report of a data file as PDF
int CmdReport(CliArgs& args);
/// The table main() dispatches through.
const std::vector<Command>& CommandTable();

/// The hidden option the manual page is made with.
inline constexpr const char* ManSectionsOption = "--man-sections";

/// The manual page's EXIT STATUS section, in roff: every command of the table with the
/// meaning of each of its statuses.
std::string ManSections();

} // namespace rv::cli
