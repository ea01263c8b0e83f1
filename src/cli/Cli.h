#pragma once

#include "data/DataFile.h"
#include "data/Session.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace rv::cli {

/// The parsed command line of one command: positional arguments, options with a value
/// ("-o FILE", "--lang=zh") and flags without one ("--json").
struct CliArgs {
    std::string command;
    std::string usage; ///< the command's line of the command table
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
    std::set<std::string> flags;
    int language = English;
    std::string programDir;

    /// Every value of every option, in the order given (options that may be repeated).
    std::vector<std::pair<std::string, std::string>> given;

    /// The value of an option, if given.
    std::optional<std::string> value(const std::string& name) const;
    bool has(const std::string& flag) const { return flags.count(flag) != 0; }
    /// Every value of an option given more than once ("--each A --each B"), in order.
    std::vector<std::string> values(const std::string& name) const {
        std::vector<std::string> out;
        for (const auto& [n, v] : given)
            if (n == name) out.push_back(v);
        return out;
    }
};

/// Splits argv (after the command name). Options listed in `flagNames` take no value; those
/// in `optionNames` (and "--lang", which every command takes) take the next argument or
/// their "=value". Empty, with `error` set, on any other option, a flag given a value or a
/// missing value.
std::optional<CliArgs> ParseArgs(const std::vector<std::string>& args,
                                 const std::set<std::string>& flagNames,
                                 const std::set<std::string>& optionNames, LangText* error);

/// The one error path: "rv52n-cli: <message>" on stderr; returns the exit status 1.
int Fail(const std::string& message);

/// Usage errors: the message (in the language `SetUsageLanguage` chose) and the command's
/// usage line on stderr; exit status 2.
int UsageError(const LangText& message, const std::string& usage);
/// A usage error whose message another layer has already put in the user's language.
int UsageErrorSaid(const std::string& message, const std::string& usage);

/// "--retries takes a number 0 to 100", shared by every command that talks to a radio.
const LangText& RetriesRefusal();

/// The language of usage errors: from "--lang" among `args` when it is there, else the
/// locale's. Set before the arguments are parsed, so that a refusal of them is in it too.
void SetUsageLanguage(const std::vector<std::string>& args);
/// The language `SetUsageLanguage` chose, or the locale's before it is called.
int UsageLanguageChosen();
/// "usage: " in both languages.
const LangText& UsageWord();

/// Chinese when LC_ALL, else LC_MESSAGES, else LANG names the zh_CN locale; else English.
int LanguageFromLocale();

/// "--lang en|zh" when given, else the locale's language; nullopt for another value.
std::optional<int> ChooseLanguage(const CliArgs& args);

/// The folder of the running executable.
std::string ProgramDir();

/// A session in the chosen language with the DQT table: dec.tbl from the program folder, or
/// the built-in copy when that file is missing or damaged.
Session MakeSession(const CliArgs& args);

/// Opens a data file into the session; prints the file error and returns false on failure.
bool OpenDocument(Session& s, const std::string& path);

/// False, with the reason said, when `path` cannot be written (a folder or device, a
/// missing or read-only folder); checked before a radio is touched.
bool OutputUsable(const Session& s, const std::string& path);

/// Writes an output file atomically; on failure prints the file error and returns false.
bool WriteOutput(const Session& s, const std::string& path, std::span<const std::uint8_t> bytes);

/// Reads a whole input file of at most `limit` bytes; on failure prints the file error with
/// its reason and returns nullopt.
std::optional<std::vector<std::uint8_t>> LoadInput(const Session& s, const std::string& path,
                                                   std::size_t limit);

/// Reads a data file or an image as `accept` allows: anything but exactly 1641 (data file) or
/// 1024 bytes (image) is refused, saying what was expected and what was given. Every command
/// that takes a document reads it through here (OpenDocument for data files), before any port
/// is opened.
std::optional<std::vector<std::uint8_t>> LoadDocumentFile(const Session& s, const std::string& path,
                                                          DocumentFile accept);

/// A memory image (a backup) read through LoadDocumentFile.
std::optional<MemoryImage> LoadImage(const Session& s, const std::string& path);

/// When an output of the command (-o, --log) is the same file as one of its inputs (the
/// arguments, --into, --image), even under another name: prints a usage error and returns 2;
/// else 0.
int RefuseOutputOntoInput(const CliArgs& args, const std::string& usage);

} // namespace rv::cli
