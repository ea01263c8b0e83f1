#include "SettingCommit.h"

#include "SettingTexts.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace rv {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool AllOf(std::string_view s, bool (*ok)(char)) {
    return std::all_of(s.begin(), s.end(), ok);
}

FleetEntry* EntryOfSlot(RadioData& d, int slot) {
    auto* end = d.Fleets.begin() + std::clamp<int>(d.FleetCount, 0, int(d.Fleets.size()));
    auto* it =
        std::find_if(d.Fleets.begin(), end, [slot](const FleetEntry& e) { return e.Slot == slot; });
    return it == end ? nullptr : it;
}

} // namespace

std::string MessageLineText(const Text<32>& line) {
    std::string_view t = line.full();
    const auto nul = t.find('\0');
    if (nul != std::string_view::npos) return std::string(t.substr(0, nul));
    while (!t.empty() && t.back() == ' ')
        t.remove_suffix(1);
    return std::string(t);
}

std::optional<int> FleetCellValue(std::string_view typed, FleetColumn column) {
    if (typed == "A" || typed == AllText(English) || typed == AllText(Chinese)) return 0;
    const bool isFleet = column == FleetColumn::Fleet;
    if (typed.empty() || typed.size() > (isFleet ? 3u : 4u) || !AllOf(typed, IsDigit))
        return std::nullopt;
    int n = 0;
    std::from_chars(typed.data(), typed.data() + typed.size(), n);
    const int stored = n - (isFleet ? FleetOffset : IdOffset);
    if (stored < 1 || stored > (isFleet ? FleetNumberCount : IdNumberCount)) return std::nullopt;
    return stored;
}

bool SetFleetEntry(RadioData& d, int slot, int fleet, int id) {
    if (slot < 1 || slot > int(d.Fleets.size())) return false;
    if (fleet < 0 || fleet > FleetNumberCount || id < 0 || id > IdNumberCount) return false;
    FleetEntry* e = EntryOfSlot(d, slot);
    if (!e) {
        const int count = std::clamp<int>(d.FleetCount, 0, int(d.Fleets.size()));
        if (count == int(d.Fleets.size())) return false; // a damaged list fills every slot
        e = &d.Fleets[std::size_t(count)];
        e->Slot = Int16(slot);
        d.FleetCount = Int16(count + 1);
    }
    e->Fleet = Int16(fleet);
    e->IdValue = id;
    return true;
}

void RemoveFleetEntry(RadioData& d, int slot) {
    FleetEntry* e = EntryOfSlot(d, slot);
    if (!e) return;
    auto* end = d.Fleets.begin() + std::clamp<int>(d.FleetCount, 0, int(d.Fleets.size()));
    std::move(e + 1, end, e);
    *(end - 1) = FleetEntry{};
    --d.FleetCount;
}

} // namespace rv
