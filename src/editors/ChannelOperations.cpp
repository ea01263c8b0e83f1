#include "ChannelOperations.h"

#include <algorithm>
#include <span>

namespace rv::editors {

namespace {

// The records in use, as a range over the array.
std::span<rv::ChannelInfo> Used(rv::RadioData& doc) {
    const auto n = static_cast<std::size_t>(std::clamp<int>(doc.ChannelCount, 0, 16));
    return {doc.Channels.data(), n};
}

// Records are kept in channel order, as a list freshly typed in would be.
void SortRecords(rv::RadioData& doc) {
    auto used = Used(doc);
    std::stable_sort(used.begin(), used.end(),
                     [](const auto& a, const auto& b) { return a.ChNo < b.ChNo; });
}

} // namespace

bool InsertEmptyChannel(rv::RadioData& doc, int at) {
    auto used = Used(doc);
    if (std::any_of(used.begin(), used.end(), [](const auto& c) { return c.ChNo >= 16; }))
        return false;
    for (auto& c : used)
        if (c.ChNo >= at) ++c.ChNo;
    return true;
}

void DeleteChannelsClosingGap(rv::RadioData& doc, const std::vector<int>& chNos) {
    const auto gone = [&chNos](int n) {
        return std::find(chNos.begin(), chNos.end(), n) != chNos.end();
    };
    auto used = Used(doc);
    const auto end = std::stable_partition(used.begin(), used.end(),
                                           [&](const auto& c) { return !gone(c.ChNo); });
    for (auto it = end; it != used.end(); ++it)
        *it = rv::ChannelInfo{};
    doc.ChannelCount = static_cast<rv::Int16>(end - used.begin());
    for (auto& c : Used(doc)) {
        const auto below =
            std::count_if(chNos.begin(), chNos.end(), [&c](int n) { return n < c.ChNo; });
        c.ChNo = static_cast<rv::Int16>(c.ChNo - below);
    }
    SortRecords(doc);
}

bool MoveChannel(rv::RadioData& doc, int chNo, int delta) {
    const int other = chNo + delta;
    if (chNo < 1 || chNo > 16 || other < 1 || other > 16) return false;
    for (auto& c : Used(doc)) {
        if (c.ChNo == chNo)
            c.ChNo = static_cast<rv::Int16>(other);
        else if (c.ChNo == other)
            c.ChNo = static_cast<rv::Int16>(chNo);
    }
    SortRecords(doc);
    return true;
}

void SortChannelsByRx(rv::RadioData& doc) {
    auto used = Used(doc);
    // Frequencies are stored as eight digits, so their texts sort as their values do.
    std::stable_sort(used.begin(), used.end(), [](const auto& a, const auto& b) {
        return a.RxFreq.get() != b.RxFreq.get() ? a.RxFreq.get() < b.RxFreq.get() : a.ChNo < b.ChNo;
    });
    rv::Int16 n = 0;
    for (auto& c : used)
        c.ChNo = ++n;
}

} // namespace rv::editors
