#include "CommandNotes.h"

#include "Commands.h"

#include "data/Version.h"

#include <algorithm>

namespace rv::cli {

namespace {

constexpr const char* Usage = "a usage error: an unknown option, a missing or wrong value";

const std::vector<CommandNotes>& Notes() {
    static const std::vector<CommandNotes> notes{
        {"new",
         "Makes a data file with the defaults of a model and band.",
         {{0, "the file was made"},
          {1, "an unknown model or band, or the file could not be written"},
          {2, Usage}}},
        {"show",
         "Prints the settings of a data file as text or JSON.",
         {{0, "printed"}, {1, "the file could not be read or is no data file"}, {2, Usage}}},
        {"encode",
         "Converts a data file into the radio's 1024-byte memory image.",
         {{0, "converted"}, {1, "a file could not be read or written"}, {2, Usage}}},
        {"decode",
         "Converts a memory image into a data file.",
         {{0, "converted"},
          {1, "a file could not be read or written, or the image has the wrong size"},
          {2, Usage}}},
        {"read",
         "Reads the radio's configuration into a data file.",
         {{0, "read and saved"},
          {1, "the radio did not answer, the read was cancelled, two reads differed (--verify) "
              "or the file could not be written; the file is then left as it was"},
          {2, Usage}}},
        {"write",
         "Writes a data file to the radio, after a backup of its contents, and verifies it.",
         {{0, "written (and verified)"},
          {1, "not written or only partly: no answer, another model (without --force), a "
              "cancel, an unreadable file or backup folder; the message says how to restore"},
          {2, Usage},
          {3, "written, but the radio's contents differ from the file"}}},
        {"restore",
         "Writes a kept backup image back to the radio and verifies it.",
         {{0, "restored (and verified)"},
          {1, "not written or only partly: no answer, another model (without --force), a "
              "cancel, a missing or wrong backup file"},
          {2, Usage},
          {3, "written, but the radio's contents differ from the backup"}}},
        {"diff",
         "Lists the settings in which two documents (data file, image or radio) differ.",
         {{0, "the documents are the same"},
          {1, "they differ"},
          {2, "trouble: a document could not be read, or " + std::string(Usage)}}},
        {"info",
         "Prints the radio's model, band, serial number and version.",
         {{0, "printed"}, {1, "the radio did not answer"}, {2, Usage}}},
        {"set-info",
         "Changes the radio's model type, band, serial number or version.",
         {{0, "changed"}, {1, "the radio did not answer or took no change"}, {2, Usage}}},
        {"ports", "Lists the serial ports with their numbers.", {{0, "listed"}, {2, Usage}}},
        {"help",
         "Prints the help page's part about the tool or one of its commands.",
         {{0, "printed"}, {1, "the help page cannot be read"}, {2, "no such command"}}},
        {"import-csv",
         "Imports channels from a CSV file into a new or an existing data file.",
         {{0, "imported (or, with --dry-run, reported)"},
          {1, "rows were skipped under --strict: nothing was written"},
          {2, "trouble: a file could not be read or written, or " + std::string(Usage)}}},
        {"export-csv",
         "Writes the channels of a data file as CSV.",
         {{0, "written"},
          {2, "trouble: a file could not be read or written, or " + std::string(Usage)}}},
        {"sim",
         "Runs the simulated radio on a pseudo-terminal for other programs.",
         {{0, "stopped by a signal"},
          {1, "it could not start, e.g. the link is in use"},
          {2, Usage}}},
        {"find",
         "Looks for radios on the ports and names those that answer.",
         {{0, "at least one radio answered"}, {1, "none did"}, {2, Usage}}},
        {"fleet",
         "Writes one data file to the radios on several ports at once, with a log.",
         {{0, "every radio was written (or skipped as done before); with --count, all of them"},
          {1, "a radio was not written, fewer than --count came, or a file could not be used"},
          {2, Usage}}},
        // Commands of the settings catalogue, the radio history and the alignment backups.
        {"keys",
         "Lists every settings key with its label, kind, range or values, unit and default.",
         {{0, "listed"}, {2, Usage}}},
        {"get",
         "Prints settings of a data file as KEY = value lines.",
         {{0, "printed"},
          {1, "the file could not be read"},
          {2, "an unknown key, or " + std::string(Usage)}}},
        {"set",
         "Changes settings of a data file, each value checked as its window checks it.",
         {{0, "saved"},
          {1, "the file could not be read or written"},
          {2, "a value was refused (nothing was written), or " + std::string(Usage)}}},
        {"backups",
         "Lists the kept backups by radio serial number, newest first.",
         {{0, "listed (none kept yet counts too)"},
          {1, "the folder given by --backup-dir does not exist"},
          {2, Usage}}},
        {"history",
         "Prints the log of reads and writes, by radio serial number.",
         {{0, "printed (no log yet counts too)"},
          {1, "the folder given by --backup-dir does not exist, or the log could not be read"},
          {2, Usage}}},
        {"alignment-save",
         "Enters test mode, keeps the radio's alignment values in a file and leaves.",
         {{0, "kept"},
          {1, "the radio did not answer or the file could not be written"},
          {2, Usage}}},
        {"alignment-restore",
         "Writes kept alignment values back to the radio and verifies every point.",
         {{0, "written and verified"},
          {1, "not written or cancelled"},
          {2, Usage},
          {3, "a point did not read back as written"}}},
    };
    return notes;
}

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

const CommandNotes* NotesOf(std::string_view name) {
    const auto& notes = Notes();
    const auto it = std::find_if(notes.begin(), notes.end(),
                                 [name](const CommandNotes& n) { return name == n.name; });
    return it == notes.end() ? nullptr : &*it;
}

std::string ManSections() {
    std::string exits =
        ".SH EXIT STATUS\n"
        "0 is success, 1 a failure or a negative answer (an output file is then neither made "
        "nor changed), 2 a usage error, 3 a radio whose contents differ from what was "
        "written. Each command:\n";
    for (const auto& c : CommandTable()) {
        exits += ".TP\n.B " + Roff(c.name) + "\n";
        const CommandNotes* notes = NotesOf(c.name);
        if (!notes) {
            exits += "0 success, 1 failure, 2 usage error.\n";
            continue;
        }
        for (std::size_t i = 0; i < notes->exits.size(); ++i) {
            const auto& [status, meaning] = notes->exits[i];
            exits += (i ? ".br\n" : "") + std::to_string(status) + "  " + Roff(meaning) + "\n";
        }
    }
    return exits;
}

std::string AboutText(int language) {
    const std::string name = std::string("rv52n-cli ") + rv::Version;
    if (language == Chinese)
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

} // namespace rv::cli
