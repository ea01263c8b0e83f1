#pragma once

#include <array>
#include <string>

namespace rv {

enum Language : int { English = 1, Chinese = 2 };

/// A text in both of the program's languages; `text[language]` picks one.
struct LangText {
    std::string en;
    std::string zh;
    const std::string& operator[](int language) const { return language == Chinese ? zh : en; }
    std::string& operator[](int language) { return language == Chinese ? zh : en; }
    bool operator==(const LangText&) const = default;
};

/// The messages shared by every part of the program, in both languages.
enum class Msg {
    AllDataCleared,      ///< New (menu)
    FileModified,        ///< Open with a modified document; also Exit/close with unsaved edits
    FileOverwrite,       ///< Save over an existing file, after the quoted name
    FileError,           ///< open or save failed
    CannotOpenPort,      ///< serial port cannot be opened
    ConfirmRead,         ///< before a read from the radio
    ConfirmWrite,        ///< before a write to the radio
    CheckConnection,     ///< no answer from the radio
    ReadCompleted,       ///< read finished
    WriteCompleted,      ///< write finished
    ModelWrong,          ///< model mismatch before a write
    TestFreMismatch,     ///< test frequencies of radio and document differ
    FreqDataCleared,     ///< model or band change
    WarningTitle,        ///< title of the model/band warning
    FreqOutOfRange,      ///< typed frequency outside the band
    InvalidData,         ///< bad code entry
    DataFileWord,        ///< file dialog filter word
    FileNameWord,        ///< title word
    NotIsNumeric,        ///< a stored frequency that is not a number (English only)
    ReadDecTblError,     ///< the DQT table could not be read (English only)
    NoFreeChannelRecord, ///< a channel cannot be added: a damaged record holds the last free one
    Count
};

enum class MsgButtons { Ok, OkCancel, YesNoCancel, RetryCancel, None };
enum class MsgIcon { None, Exclamation, Question, Error, Warning };

struct MessageEntry {
    LangText text;
    MsgButtons buttons;
    MsgIcon icon;
};

/// The entry of a shared message.
const MessageEntry& MessageOf(Msg m);

/// The text of a shared message in a language (1 English, 2 Chinese).
const std::string& MsgText(Msg m, int language);

} // namespace rv
