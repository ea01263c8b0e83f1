#pragma once

#include "ChannelCommit.h"
#include "Messages.h"
#include "Session.h"

#include <string>
#include <string_view>

namespace rv {

/// A channel setting's text read by the rule of its cell.
struct CellReading {
    bool ok = false;
    /// What to commit: the list entry in the session's language, or the frequency as given.
    std::string text;
    /// The rule the text breaks, when it is refused.
    LangText rule;
};

/// Reads a channel setting as it is typed or pasted. Choices take their list texts in any
/// letter case and in either language; tones take a list entry in any letter case or a QT
/// tone written as a number of the same value ("67", "067.00"), nothing near one;
/// frequencies take digits and one point, at most nine characters, within the band. An empty
/// text is taken: it empties the cell.
CellReading ReadChannelCell(const Session& s, ChannelFieldKind kind, std::string_view text);

/// The position in `ToneList` of the tone a text names, by the rule above; -1 for none.
int ToneEntryOfText(std::string_view text);

} // namespace rv
