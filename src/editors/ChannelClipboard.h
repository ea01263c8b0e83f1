#pragma once

#include "data/Session.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace rv::ui {

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

/// Commits pasted rows to the channels from `firstChNo` on (stopping after 16), field by
/// field in commit order, so every rule and correction of a typed value applies. A row
/// with an empty receive frequency empties its slot. Texts of either language are taken.
void PasteChannelRows(ChannelTransaction& t, int firstChNo, const std::vector<QStringList>& rows,
                      int language);

} // namespace rv::ui
