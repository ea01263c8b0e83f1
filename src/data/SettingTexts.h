#pragma once

#include "Messages.h"

#include <string>
#include <vector>

// The drop-down lists of the settings windows in both languages. The lists themselves are
// the catalogue's rows, so that a setting reads the same in the windows, the command line
// and the printed report.

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

/// The texts of `list` in list order.
std::vector<std::string> ChoiceTexts(const ChoiceList& list, int language);

} // namespace rv
