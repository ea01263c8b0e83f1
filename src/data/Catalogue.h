#pragma once

#include "Session.h"
#include "SettingTexts.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The settings catalogue: one row per setting of the document, saying what a setting is
// called, where it lives in the document and in the memory image, which values it takes and
// what a new document holds. The image codec, the comparison, the command line and the
// settings windows' binder read it.

namespace rv {

enum class RowKind { Number, Choice, Flag, Text };

struct SettingRow {
    /// Stable key, lower case and dotted by area: "dtmf.auto_reset_timer", "fleet.2.id".
    std::string key;
    /// The window (or channel) the setting belongs to, and its caption there.
    LangText area;
    LangText label;
    RowKind kind = RowKind::Number;

    /// Where the stored value lives in the memory image: `width` bytes from `address`
    /// (little-endian for numbers); of the first four bytes, only the bits of `mask` hold it,
    /// which is all a change of the row may touch. No address (-1) for settings the image
    /// does not hold.
    int address = -1;
    int width = 1;
    unsigned mask = 0xFF;

    /// Numbers: stored `low`..`high` in steps of `step`; shown as stored * scale + offset.
    int low = 0;
    int high = 0;
    int step = 1;
    int scale = 1;
    int offset = 0;
    std::string unit;
    /// Numbers: the word a stored 0 shows as ("Off", "All"); none when 0 is a number.
    LangText zeroWord;
    /// Choices: every entry the setting has a text for, as the window lists them.
    ChoiceList choices;
    /// Choices: the entries the window offers for a document, when that depends on the
    /// model or on the setting's neighbours; all of `choices` when not given.
    std::function<ChoiceList(const SettingRow&, const Session&)> offers;
    /// Texts: at most `textWidth` characters from `allowed` (empty: printable ASCII), and
    /// at least `minWidth`.
    int textWidth = 0;
    int minWidth = 0;
    std::string allowed;

    /// What a decoded value outside the rule becomes.
    int fallback = 0;
    /// The value a new document holds, as `get` prints it in English; empty when it
    /// depends on the model and band or the slot starts empty.
    std::string defaultText;
    /// Must differ between the radios of a fleet (their own identities).
    bool unique = false;
    /// Changed by other commands (radio information, model and band), not by `set`.
    bool readOnly = false;
    /// Kept in the document, but no window shows it (nor the printed report).
    bool hidden = false;

    /// Stored value of number, choice and flag rows.
    std::function<int(const RadioData&)> get;
    std::function<void(RadioData&, int)> put;
    /// The value as the window shows it, in the session's language.
    std::function<std::string(const SettingRow&, const Session&)> show;
    /// Stores a typed value; the rule it breaks when refused (nothing changed then).
    std::function<std::optional<std::string>(const SettingRow&, Session&, std::string_view)> commit;
};

/// Every row, in window order: model, channels, the settings windows, then the lists.
const std::vector<SettingRow>& Catalogue();

/// The row of a key, or nullptr.
const SettingRow* findRow(std::string_view key);

/// The entries a choice or flag row offers for the document of `s`, in list order.
ChoiceList OfferedChoices(const SettingRow& row, const Session& s);

/// The label of a row in a language.
const std::string& LabelOf(const SettingRow& row, int language);

/// The value of a key as its window shows it; empty for an unknown key.
std::string textOf(const Session& s, std::string_view key);

/// One setting a commit changed: its key and its value as shown before and after.
struct Change {
    std::string key;
    std::string before;
    std::string after;
    bool operator==(const Change&) const = default;
};

/// What a commit did: refused (with the key, the value and the rule; nothing changed), or
/// stored, with every setting that now shows another value, the committed one first. A value
/// equal to what is stored changes nothing, not a byte of the document.
struct CommitResult {
    std::optional<std::string> refusal;
    std::vector<Change> changed;
};

/// The one commit of a typed value, used by every door (window, paste, command line, fleet
/// units): stores `text` under `key` by the rule of its row, as typing it into its window
/// would. Shown values are in the session's language.
CommitResult commitText(Session& s, std::string_view key, std::string_view text);

/// "also changed: KEY BEFORE → AFTER, ..." for the changes of keys other than the committed
/// `key`; empty when there are none.
std::string AlsoChangedText(const CommitResult& result, std::string_view key, int language);

/// As commitText, returning only the refusal.
std::optional<std::string> setFromText(Session& s, std::string_view key, std::string_view text);

/// The version as the radio reports it: "1.00" (a stored leading "V" dropped).
std::string VersionText(const RadioData& d);

/// A stored value read from the image, held to the row's rule: the value or its fallback.
int CheckedValue(const SettingRow& row, int value);

/// True for a number row whose 0 is a word ("Off", "All"); its numbers start one step on.
bool HasZeroWord(const SettingRow& row);

/// The range or the values a row takes, as `keys` lists them ("0..9", "Off|On").
std::string RuleText(const SettingRow& row, int language);
/// What `set` says of a row it may not change.
std::string ReadOnlyText(int language);
/// The kind of a row as `keys` names it ("number", "choice", "flag", "text").
std::string KindText(RowKind kind, int language);
/// The value a new document holds (`defaultText`) as `get` prints it in a language.
std::string DefaultShown(const SettingRow& row, int language);

/// Bytes and list texts are one byte a character (the windows read them as Latin-1);
/// shown texts are UTF-8, and control characters, which would act on a terminal, show as
/// the replacement character.
std::string ShownText(std::string_view stored);

} // namespace rv
