#include "DocumentDelta.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <limits>

namespace rv {

static_assert(sizeof(RadioData) <= std::numeric_limits<std::uint16_t>::max());

namespace {

// The settings of an area live in the members from its first one up to the next area's.
struct Area {
    std::size_t begin;
    const char* keyPrefix;
};
const Area Areas[] = {
    {offsetof(RadioData, ChannelCount), "channel."},
    {offsetof(RadioData, ModelInfo), "model."},
    {offsetof(RadioData, SerialNumber), "info."},
    {offsetof(RadioData, OptFeatures), "optional."},
    {offsetof(RadioData, KeyFunc1), "key."},
    {offsetof(RadioData, ScanInfo), "scan."},
    {offsetof(RadioData, DtmfInfo), "dtmf."},
    {offsetof(RadioData, FleetSyncInfo), "fleetsync."},
    {offsetof(RadioData, DtmfCodeCount), "autodial."},
    {offsetof(RadioData, TestFreCount), "testfreq."},
    {offsetof(RadioData, EmbMsg1), "message."},
    {offsetof(RadioData, FleetCount), "fleet."},
};

// A channel's settings are keyed by its number, which the slot holds: a slot that changed
// touches the channel it held and the one it holds now.
void AddChannelPrefixes(const RadioData& a, const RadioData& b, std::vector<std::string>& out) {
    const int counted = std::clamp<int>(std::max(a.ChannelCount, b.ChannelCount), 0, 16);
    for (int i = 0; i < counted; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        if (a.Channels[slot] == b.Channels[slot] && i < a.ChannelCount && i < b.ChannelCount)
            continue;
        for (const int chNo : {a.Channels[slot].ChNo, b.Channels[slot].ChNo})
            if (chNo > 0) out.push_back("channel." + std::to_string(chNo) + ".");
    }
}

} // namespace

DocumentDelta::DocumentDelta(const RadioData& before, const RadioData& after) {
    const auto* a = reinterpret_cast<const std::uint8_t*>(&before);
    const auto* b = reinterpret_cast<const std::uint8_t*>(&after);
    for (std::size_t i = 0; i < sizeof(RadioData);) {
        if (a[i] == b[i]) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < sizeof(RadioData) && a[end] != b[end])
            ++end;
        runs_.push_back({static_cast<std::uint16_t>(i), static_cast<std::uint16_t>(end - i)});
        before_.insert(before_.end(), a + i, a + end);
        after_.insert(after_.end(), b + i, b + end);
        i = end;
    }
}

void DocumentDelta::apply(RadioData& doc, bool forward) const {
    auto* bytes = reinterpret_cast<std::uint8_t*>(&doc);
    const std::uint8_t* from = (forward ? after_ : before_).data();
    for (const Run& r : runs_) {
        std::memcpy(bytes + r.offset, from, r.length);
        from += r.length;
    }
}

std::vector<Change> DocumentDelta::changes(const Session& after) const {
    Session before = after;
    apply(before.Doc, false);
    std::vector<std::string> prefixes;
    for (std::size_t i = 0; i < std::size(Areas); ++i) {
        const std::size_t end = i + 1 < std::size(Areas) ? Areas[i + 1].begin : sizeof(RadioData);
        const bool touched = std::any_of(runs_.begin(), runs_.end(), [&](const Run& r) {
            return r.offset < end && r.offset + r.length > Areas[i].begin;
        });
        if (!touched) continue;
        if (i == 0)
            AddChannelPrefixes(before.Doc, after.Doc, prefixes);
        else
            prefixes.emplace_back(Areas[i].keyPrefix);
    }
    std::vector<Change> out;
    for (const SettingRow& row : Catalogue()) {
        const bool inTouchedArea =
            std::any_of(prefixes.begin(), prefixes.end(),
                        [&](const auto& p) { return row.key.starts_with(p); });
        if (!inTouchedArea) continue;
        std::string was = row.show(row, before);
        std::string now = row.show(row, after);
        if (was != now) out.push_back({row.key, std::move(was), std::move(now)});
    }
    return out;
}

} // namespace rv
