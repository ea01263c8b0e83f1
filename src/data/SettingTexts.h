#pragma once

#include "Messages.h"

#include <string>
#include <vector>

// The value lists of the settings windows in both languages, shared by the windows, the
// command line and the printed report so that a setting reads the same everywhere.

namespace rv {

/// One entry of a drop-down list: the stored value and its texts.
struct Choice {
    int value;
    LangText text;
};

/// A drop-down list of a settings window, in list order.
using ChoiceList = std::vector<Choice>;

/// The heading of the channel number column: the grid, `show` and the report.
inline const LangText ChannelNumberHeading{"CH No.", "信道"};

/// A text of a LangText in a language (1 English, 2 Chinese).
const std::string& InLanguage(const LangText& t, int language);

/// The text of `value` in `list`; empty when no entry holds that value.
std::string ChoiceText(const ChoiceList& list, int value, int language);
/// The texts of `list` in list order.
std::vector<std::string> ChoiceTexts(const ChoiceList& list, int language);
/// The stored value of list position `pos`; -1 outside the list.
int ChoiceValue(const ChoiceList& list, int pos);
/// As a setting prints: the list text, or the number for a value outside the list.
std::string ShownValue(const ChoiceList& list, int value, int language);

/// `text`, or the number `value` when the text is empty (a value without a text).
std::string OrNumber(const std::string& text, int value);

/// "Off" in a language.
std::string OffText(int language);
/// "On" for 1, "Off" for 0, the number otherwise.
std::string OnOffText(int value, int language);

/// The functions a programmable key offers, by stored code (255 is no function).
const ChoiceList& KeyFunctionChoices();
/// The name of a key function code, reserved codes included; empty for an unknown code.
std::string KeyFunctionText(int code, int language);

/// Scan priority modes, stored 0 to 2.
const ChoiceList& PriorityModeChoices();
/// Revert channels, stored 0 to 3.
const ChoiceList& RevertChannelChoices();
/// The revert channels a priority mode offers; none for a mode outside the list.
ChoiceList RevertChoicesOfMode(int priorityMode);
/// Priority channel: 255 is "None", a channel otherwise.
std::string PriorityChannelText(int value, int language);
/// Number of look-back times; stored 1 to 91 for 0.50 s to 5.00 s.
constexpr int LookBackCount = 91;
/// A look-back time as "0.50"; empty outside the list.
std::string LookBackText(int value);

/// DTMF lists, by stored list position.
const ChoiceList& DtmfSpeedChoices();
const ChoiceList& DigitTimeChoices();
const ChoiceList& DCodeChoices();
const ChoiceList& CallAlertChoices();
const ChoiceList& TranspondChoices();
const ChoiceList& StunTypeChoices();
/// DTMF group codes: 0 is "Off", otherwise the character code of A-D, * or #.
const ChoiceList& GroupCodeChoices();

/// FleetSync baud rates, stored 0 and 1.
const ChoiceList& BaudRateChoices();
/// Fleet numbers 100 to 349 are stored as 1 to 250, IDs 1000 to 4999 as 1 to 4000.
constexpr int FleetOffset = 99;
constexpr int IdOffset = 999;
constexpr int FleetNumberCount = 250;
constexpr int IdNumberCount = 4000;
/// The number a fleet or ID field shows: blank for 255 (own fleet unset), "All" for 0 in
/// the fleet list when `allowsAll`, the stored value plus its offset otherwise.
std::string FleetNumberText(int value, int offset, bool allowsAll, int language);
/// "All" in a language: a fleet-list entry for every fleet or ID.
std::string AllText(int language);

/// Russian voice prompts exist only in the export models.
bool HasRussianVoice(const std::string& modelCode);
/// The channels a model offers as priority channel: 8 for the two eight-channel models.
int PriorityChannelsOfModel(const std::string& modelCode);

/// Optional-feature lists, by stored list position.
const ChoiceList& MicSensitivityChoices();
const ChoiceList& VoiceChoices();
const ChoiceList& PttIdModeChoices();
const ChoiceList& PttIdTypeChoices();
const ChoiceList& VoxDelayChoices();

} // namespace rv
