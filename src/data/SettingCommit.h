#pragma once

#include "RadioData.h"

#include <optional>
#include <string_view>

// The stored forms behind the message lines and the fleet list, shared by their catalogue
// rows.

namespace rv {

/// A line of the embedded message as typed: up to its end mark, leading blanks kept; a line
/// without end mark (it fills the field) loses only its trailing blanks.
std::string MessageLineText(const Text<32>& line);

/// Which number of a fleet-list entry a cell holds.
enum class FleetColumn { Fleet, Id };

/// The stored value of a typed fleet-list cell: "A" or the word for all (either language)
/// is 0; a number of 100-349 (fleet) or 1000-4999 (ID) is stored less its offset. Anything
/// else, a number outside the range or an empty text included, is no value.
std::optional<int> FleetCellValue(std::string_view typed, FleetColumn column);

/// Writes the fleet-list entry of row `slot` (1-8), appending one when the row has none.
/// Refused (false, nothing changed) for a value the radio cannot hold or a full list.
bool SetFleetEntry(RadioData& d, int slot, int fleet, int id);

/// Removes the fleet-list entry of row `slot`; later entries move up.
void RemoveFleetEntry(RadioData& d, int slot);

} // namespace rv
