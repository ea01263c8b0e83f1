#pragma once

#include "Session.h"

#include <string>
#include <string_view>
#include <vector>

namespace rv {

/// Reads the 83-byte DQT table file into the session's table. On failure reports
/// Msg::ReadDecTblError, leaves the table as it was and returns false.
bool LoadDqtTable(Session& s, const std::string& path);

/// The DQT table from the 83 bytes of a dec.tbl already in memory; false (and the table left
/// alone) for any other length.
bool SetDqtTable(Session& s, const unsigned char* bytes, std::size_t size);

/// The DQT table file "dec.tbl" beside the executable or in the installed data folder.
std::string DqtTablePath(const std::string& programDir);

/// BandLow / BandHigh from the current band text.
void SetBandLimits(Session& s);

/// Storage text (digits, "FFFFFFFF" = none) to display text "000.00000"; empty for none.
/// A non-numeric text gives the lower band edge (ReportDamagedFrequencies names them).
std::string StorageToFreq(const Session& s, std::string_view storage);

/// True when a stored frequency holds something other than a number or "none" (a damaged
/// file): StorageToFreq reports it.
bool IsDamagedFreq(std::string_view storage);

/// Display text to storage text.
std::string FreqToStorage(const Session& s, std::string_view display);

/// Validates and normalises a typed frequency (limits, 5 / 6.25 kHz step) and returns its
/// display text; out-of-range input reports Msg::FreqOutOfRange and is corrected.
std::string CheckFreq(const Session& s, std::string_view typed);
/// The same without a word: `outside` tells whether the band refused the text.
std::string CheckedFreq(double bandLow, double bandHigh, std::string_view typed, bool* outside);

/// The 206 tone choices in a language: none word, 39 QT tones, 83 DQT N, 83 DQT I.
const std::vector<std::string>& ToneList(int language);

/// Tone code (4 hex digits, "FFFF" none) to its ToneList text.
std::string ToneToText(const Session& s, std::string_view code);

/// ToneList text or typed QT value to tone code.
std::string TextToTone(const Session& s, std::string_view text);

} // namespace rv
