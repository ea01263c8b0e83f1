#pragma once

#include "Session.h"
#include "SettingTexts.h"

#include <string>
#include <string_view>
#include <vector>

namespace rv {

/// The channel setting a commit targets; 1 to 9 are also the columns of the channel grid.
enum class ChannelFieldKind : int {
    RxFreq = 1,
    TxFreq = 2,
    RxCode = 3,
    TxCode = 4,
    TxPower = 5,
    ScanAdd = 6,
    OptSignal = 7,
    PttId = 8,
    WideNarrow = 9,
    SpUnmute = 10,
    BusyLockout = 11,
    AutodialMem = 12,
    BeatShift = 13,
    Compander = 14,
    ScanAddCheck = 15,
};

/// The list entries of a choice setting (power, scan add, option signalling, PTT ID,
/// wide/narrow, busy lockout) in list order; empty for the other kinds.
const ChoiceList& ChannelChoices(ChannelFieldKind kind);

/// The texts of a choice setting's list in a language.
std::vector<std::string> ChannelChoiceTexts(ChannelFieldKind kind, int language);

/// The text of a stored value of a choice setting; empty when the value has none.
std::string ChannelValueText(ChannelFieldKind kind, int value, int language);

/// The speaker unmute text of a value 0..2; the wording depends on the decode tone.
std::string SpUnmuteText(int value, bool hasDecodeTone, int language);

/// The speaker unmute values offered: 0 always, 1 and 2 only with option signalling.
std::vector<int> SpUnmuteValues(bool hasOptSignal);

/// The busy channel lockout values offered for a decode tone and option signalling.
std::vector<int> BusyLockoutValues(bool hasDecodeTone, bool hasOptSignal);

/// True for a frequency storage text that names a frequency (not empty, not "FFFFFFFF").
bool HasFrequency(std::string_view storage);

/// The record of channel `chNo`, or nullptr when the slot is empty.
const ChannelInfo* ChannelOf(const RadioData& doc, int chNo);

/// The display text of one setting of a channel, as the grid and the dialog show it
/// (no transmit frequency shows an empty TX and an empty encode tone).
std::string ChannelFieldText(const Session& s, const ChannelInfo& ch, ChannelFieldKind kind);

/// What a commit did to the channel list.
enum class ChannelChange { None, Added, Changed, Deleted };

/// The one channel commit: converts the display text, then creates, changes or deletes
/// channel `n` (1..16). A frequency out of range is reported through the session and
/// corrected.
ChannelChange SetChannelField(Session& s, int n, ChannelFieldKind kind, std::string_view text);

} // namespace rv
