#pragma once

#include "data/Session.h"

#include <QString>
#include <QStringList>

#include <string>
#include <vector>

namespace rv::editors {

class ChannelTransaction;

/// The fields of a copied channel row after its number, in commit order: kinds 1 to 14.
inline constexpr int ChannelRowFields = 14;

/// The channels as tab-separated display texts, one line per channel number given: the
/// number, then RX, TX, decode, encode, power, scan add, option signalling, PTT ID,
/// wide/narrow, SP unmute, busy lockout, autodial memory, beat shift and compander. An
/// empty slot gives its number and empty fields.
QString ChannelRowsText(const rv::Session& s, const std::vector<int>& chNos);

/// The channel rows of a pasted text: the fields after the channel number of every line
/// that starts with a number. Header lines and lines without a tab are no channel rows.
std::vector<QStringList> ParseChannelRows(const QString& text);

/// True when pasted rows are laid out as the community CSV file is (its header, or more
/// columns than a channel row has) rather than as the grid copies them.
bool IsCommunityLayout(const QString& text);

/// Pasted tab-separated rows of the community layout as a CSV file the import reads; rows
/// without the header get it put in front.
std::string CommunityCsvOfPaste(const QString& text);

/// A pasted cell its column does not take.
struct RefusedCell {
    int chNo;
    int field; ///< the ChannelFieldKind of its column
    QString text;
    rv::LangText rule;
};

/// Why `rowCount` rows pasted from `firstChNo` on cannot be taken (some would land beyond
/// channel 16); empty when they all fit.
QString RowsBeyondLastChannel(int firstChNo, std::size_t rowCount, int language);

/// Reads every cell of pasted rows by the rule of its column, as if typed there, and puts
/// the texts to commit in place.
std::vector<RefusedCell> ReadPastedRows(const rv::Session& s, int firstChNo,
                                        std::vector<QStringList>& rows);

/// One message listing every refused cell with its channel, column, text and rule, after
/// a first line saying that nothing was pasted (or, for a typed cell, not taken).
QString RefusedCellsText(const std::vector<RefusedCell>& refused, int language, bool pasted = true);

/// Commits pasted rows (as `ReadPastedRows` left them) to the channels from `firstChNo` on,
/// field by field in commit order, so every rule that ties settings together applies. A
/// row with an empty receive frequency empties its slot.
void PasteChannelRows(ChannelTransaction& t, int firstChNo, const std::vector<QStringList>& rows);

} // namespace rv::editors
