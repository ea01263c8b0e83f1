// What the radio's replies do to the test-mode state: the tuning block, the selected
// item's points and the test channels with their comparison against the document.
#include "TestModeEngine.h"

#include <QByteArray>
#include <algorithm>

#include <string_view>

namespace rv::link {

namespace {

std::string hexText(const Bytes& b, std::size_t from) {
    return QByteArray(reinterpret_cast<const char*>(b.data() + from), 4)
        .toHex()
        .toUpper()
        .toStdString();
}

// A frequency text as its value: the document keeps "43505" where the radio reports
// "43505000", both 435.05 MHz. Digits after the three of the MHz are filled up to the
// radio's eight; no frequency (empty, all F) becomes one text; anything else is compared
// as it is.
std::string freqValue(std::string_view text) {
    if (text.empty() || text == "FFFFFFFF") return "none";
    if (text.size() < 3 || text.size() > 8 ||
        text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::string(text);
    std::string v(text);
    v.resize(8, '0');
    return v;
}

bool sameTestFre(const RadioTestFre& radio, const rv::TestFre& doc) {
    return radio.No == doc.No && freqValue(radio.RxFreq) == freqValue(doc.RxFreq.get()) &&
           freqValue(radio.TxFreq) == freqValue(doc.TxFreq.get());
}

} // namespace

void TestModeEngine::StoreTuneBlock(const Bytes& block) {
    if (block.size() < static_cast<std::size_t>(TuneBlockSize)) return;
    for (int item = 1; item <= TuneItemCount; ++item)
        for (int pt = 0; pt <= TunePointSlots; ++pt) {
            const int at = TuneBlockIndex(item, pt);
            if (at >= 0)
                st_.TuneTable[static_cast<std::size_t>(item)][static_cast<std::size_t>(pt)] =
                    block[static_cast<std::size_t>(at)];
        }
}

void TestModeEngine::LoadTuneItem() {
    const int item = st_.TuneItem;
    auto& tp = st_.TunePoints;
    tp = TunePointSet{};
    if (item < 1 || item > TuneItemCount) {
        st_.TuneValues = tp.Value;
        return;
    }
    const auto& row = st_.TuneTable[static_cast<std::size_t>(item)];
    // Addresses follow the wide-band layout; a narrow band keeps only the "Test" value,
    // which the block holds as point 6 for the items that switch with the band.
    const auto points = PointsOfCount(TunePointCount(item, true));
    const bool narrowOnly = !st_.WideMode && SwitchesWithBand(item);
    for (int pt : points) {
        const auto i = static_cast<std::size_t>(pt);
        tp.Address[i] = TuneAddress(item, pt);
        if (!narrowOnly) tp.Value[i] = row[i];
    }
    if (narrowOnly) tp.Value[0] = row[6];
    st_.TuneValues = tp.Value;
}

void TestModeEngine::UpdateRadioTestFres(int channelNo, const Bytes& reply) {
    if (reply.size() < 8) return;
    const std::string rx = hexText(reply, 0);
    const std::string tx = hexText(reply, 4);
    auto& list = st_.RadioTestFres;
    auto it = std::find_if(list.begin(), list.end(),
                           [&](const RadioTestFre& r) { return r.No == channelNo; });
    if (rx == "FFFFFFFF" && tx == "FFFFFFFF") {
        if (it != list.end()) list.erase(it);
    } else if (it != list.end()) {
        it->RxFreq = rx;
        it->TxFreq = tx;
    } else if (list.size() < 16) {
        list.push_back({static_cast<Int16>(channelNo), rx, tx});
    }
}

bool TestModeEngine::TestFresMatchDocument() const {
    const int count = std::clamp<int>(doc_.TestFreCount, 0, 16);
    if (static_cast<int>(st_.RadioTestFres.size()) != count) return false;
    for (int i = 0; i < count; ++i) {
        const auto& d = doc_.TestFres[static_cast<std::size_t>(i)];
        if (std::none_of(st_.RadioTestFres.begin(), st_.RadioTestFres.end(),
                         [&](const RadioTestFre& r) { return sameTestFre(r, d); }))
            return false;
    }
    return true;
}

void TestModeEngine::compareTestFres() {
    if (!checkTestFres_ || TestFresMatchDocument()) {
        st_.TestFresMatch = true;
        return;
    }
    hooks_.note(TestNote::TestFreMismatch);
    list_.ResetSendList();
    hooks_.stopTimer(TestTimer::Wait);
    st_.SendBusy = false;
    st_.TestFresMatch = false;
    hooks_.startTimer(TestTimer::SendEnd);
}

} // namespace rv::link
