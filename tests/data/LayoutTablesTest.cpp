// Every stored field against the published layouts, written out here rather than taken from
// the codec's own helpers: a reader and a writer that share a wrong offset pass any round
// trip, but a radio or another program reading the file does not.
#include "FileLayout.h"
#include "Fixtures.h"

#include "data/DataFile.h"
#include "data/Defaults.h"
#include "data/Image.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

namespace {

using rv::RadioData;
using rvtest::RecordingSession;

TEST(DataFileLayout, EveryFieldChangesExactlyItsOwnBytes) {
    const RadioData base;
    const rv::Record before = rv::ToRecord(base);
    for (const rvtest::FileField& f : rvtest::FileLayout) {
        RadioData d = base;
        f.set(d);
        const rv::Record after = rv::ToRecord(d);
        std::set<int> changed;
        for (int at = 0; at < static_cast<int>(after.size()); ++at)
            if (after[at] != before[at]) changed.insert(at);
        std::set<int> expected;
        for (int at = f.offset; at < f.offset + f.size; ++at)
            expected.insert(at);
        EXPECT_EQ(changed, expected) << f.name;
        // Integers are little-endian: the low byte comes first.
        if (f.size == 2 && f.name != std::string("ModelCode")) {
            EXPECT_EQ(after[f.offset], 0x2B) << f.name;
        }
        EXPECT_EQ(rv::FromRecord(after), d) << f.name;
    }
}

// ---- The memory image --------------------------------------------------------------------

/// A range-checked setting with the image address it lives at and the rule it is read with:
/// values from `low` to `high` are taken as they are, the ones just outside give `fallback`.
struct ImageSetting {
    const char* name;
    int address;
    int size; // 1, or 2 for a 16-bit number (low byte first)
    int low;
    int high;
    int fallback;
    std::function<void(RadioData&, int)> set;
    std::function<int(const RadioData&)> get;
};

#define FIELD(field)                                                                               \
    [](RadioData& d, int v) { d.field = static_cast<decltype(d.field)>(v); },                      \
        [](const RadioData& d) { return static_cast<int>(d.field); }

const ImageSetting ImageSettings[] = {
    {"DtmfSpeed", 272, 1, 0, 3, 0, FIELD(DtmfInfo.DtmfSpeed)},
    {"FirstDigitTime", 273, 1, 0, 3, 0, FIELD(DtmfInfo.FirstDigitTime)},
    {"FirstDigitDelay", 274, 1, 10, 100, 10, FIELD(DtmfInfo.FirstDigitDelay)},
    {"StarHashTone", 275, 1, 0, 3, 0, FIELD(DtmfInfo.StarHashTone)},
    {"DCodeAssign", 276, 1, 0, 16, 0, FIELD(DtmfInfo.DCodeAssign)},
    {"DtmfSideTone", 277, 1, 0, 1, 1, FIELD(DtmfInfo.DtmfSideTone)},
    {"AutoResetTimer", 279, 1, 0, 15, 10, FIELD(DtmfInfo.AutoResetTimer)},
    {"CallAlert", 280, 1, 0, 2, 0, FIELD(DtmfInfo.CallAlert)},
    {"Transpond", 281, 1, 0, 2, 0, FIELD(DtmfInfo.Transpond)},
    {"ClearToTranspond", 282, 1, 0, 1, 0, FIELD(DtmfInfo.ClearToTranspond)},
    {"ScramblerActivation", 300, 1, 0, 1, 0, FIELD(OptFeatures.ScramblerActivation)},
    {"ScramblerBackup", 301, 1, 0, 1, 0, FIELD(OptFeatures.ScramblerBackup)},
    {"VoiceAnnunciation", 303, 1, 0, 3, 0, FIELD(OptFeatures.VoiceAnnunciation)},
    {"TotTime", 304, 1, 1, 40, 4, FIELD(OptFeatures.TotTime)},
    {"TotPreAlert", 305, 1, 0, 10, 0, FIELD(OptFeatures.TotPreAlert)},
    {"PttIdType", 306, 1, 0, 2, 0, FIELD(OptFeatures.PttIdType)},
    {"PttIdMode", 307, 1, 0, 2, 0, FIELD(OptFeatures.PttIdMode)},
    {"SquelchLevel", 308, 1, 0, 9, 5, FIELD(OptFeatures.SquelchLevel)},
    {"BatterySave", 309, 1, 0, 1, 0, FIELD(OptFeatures.BatterySave)},
    {"Beep", 310, 1, 0, 1, 1, FIELD(OptFeatures.Beep)},
    {"VoxCancelOperation", 311, 1, 0, 1, 0, FIELD(OptFeatures.VoxCancelOperation)},
    {"VoxInhibitOnRx", 312, 1, 0, 1, 0, FIELD(OptFeatures.VoxInhibitOnRx)},
    {"VoxFunction", 313, 1, 0, 1, 0, FIELD(OptFeatures.VoxFunction)},
    {"VoxGain", 314, 1, 0, 10, 5, FIELD(OptFeatures.VoxGain)},
    {"VoxDelay", 315, 1, 0, 5, 1, FIELD(OptFeatures.VoxDelay)},
    {"VoxProceedTone", 316, 1, 0, 1, 0, FIELD(OptFeatures.VoxProceedTone)},
    {"MicSensitivity", 317, 1, 0, 1, 0, FIELD(OptFeatures.MicSensitivity)},
    {"CloneMode", 318, 1, 0, 1, 0, FIELD(OptFeatures.CloneMode)},
    {"PriorityType", 352, 1, 0, 2, 0, FIELD(ScanInfo.PriorityType)},
    {"PriorityChannel", 353, 1, 0, 16, 255, FIELD(ScanInfo.PriorityChannel)},
    {"LookBackA", 354, 1, 1, 91, 29, FIELD(ScanInfo.LookBackA)},
    {"LookBackB", 355, 1, 1, 91, 49, FIELD(ScanInfo.LookBackB)},
    {"RevertChannel", 356, 1, 0, 3, 1, FIELD(ScanInfo.RevertChannel)},
    {"DropoutDelay", 357, 2, 0, 300, 3, FIELD(ScanInfo.DropoutDelay)},
    {"TxDwell", 359, 2, 0, 300, 3, FIELD(ScanInfo.TxDwell)},
    {"OwnFleet", 368, 1, 1, 250, 255, FIELD(FleetSyncInfo.OwnFleet)},
    {"OwnId", 369, 2, 0, 4000, 0, FIELD(FleetSyncInfo.OwnId)},
    {"TxModDelay", 371, 2, 0, 6000, 400, FIELD(FleetSyncInfo.TxModDelay)},
    {"BaudRate", 373, 1, 0, 1, 0, FIELD(FleetSyncInfo.BaudRate)},
    {"MsgModeTimer", 374, 2, 0, 300, 10, FIELD(FleetSyncInfo.MsgModeTimer)},
    {"PttIdSideTone", 376, 1, 0, 1, 0, FIELD(FleetSyncInfo.PttIdSideTone)},
    {"StunType", 506, 1, 0, 1, 0, FIELD(DtmfInfo.StunType)},
};

#undef FIELD

rv::MemoryImage Blank() {
    rv::MemoryImage m;
    m.fill(0xFF);
    return m;
}

rv::MemoryImage Encoded(const RadioData& d) {
    rv::MemoryImage m;
    rv::InitImage(m);
    std::string error;
    EXPECT_TRUE(rv::EncodeImage(d, m, &error)) << error;
    return m;
}

RadioData NewDocument() {
    RecordingSession r;
    rv::InitRadioData(r.s, "20260102");
    return r.s.Doc;
}

std::set<int> Differences(const rv::MemoryImage& a, const rv::MemoryImage& b) {
    std::set<int> out;
    for (int at = 0; at < 1024; ++at)
        if (a[at] != b[at]) out.insert(at);
    return out;
}

void Put(rv::MemoryImage& m, int address, int size, int value) {
    m[address] = static_cast<std::uint8_t>(value & 0xFF);
    if (size == 2) m[address + 1] = static_cast<std::uint8_t>(value >> 8);
}

TEST(MemoryMap, EverySettingIsWrittenAtItsAddressAndNowhereElse) {
    const RadioData base = NewDocument();
    const rv::MemoryImage before = Encoded(base);
    for (const ImageSetting& s : ImageSettings) {
        RadioData d = base;
        // A value that differs from the default in both bytes where it can.
        const int value = s.get(base) == s.high ? s.low : s.high;
        s.set(d, value);
        const rv::MemoryImage after = Encoded(d);
        std::set<int> expected{s.address};
        if (s.size == 2 && (value >> 8) != (s.get(base) >> 8)) expected.insert(s.address + 1);
        EXPECT_EQ(Differences(before, after), expected) << s.name;
        EXPECT_EQ(after[s.address], value & 0xFF) << s.name;
        if (s.size == 2) {
            EXPECT_EQ(after[s.address + 1], value >> 8) << s.name;
        }
    }
}

TEST(MemoryMap, EverySettingIsReadWithItsRangeAtItsEdges) {
    for (const ImageSetting& s : ImageSettings) {
        struct Probe {
            int raw;
            int expected;
        };
        const Probe probes[] = {
            {s.low - 1, s.fallback}, {s.low, s.low}, {s.high, s.high}, {s.high + 1, s.fallback}};
        for (const Probe& p : probes) {
            if (p.raw < 0) continue; // no byte below zero
            rv::MemoryImage m = Blank();
            Put(m, s.address, s.size, p.raw);
            RecordingSession r;
            rv::DecodeImage(m, r.s);
            EXPECT_EQ(s.get(r.s.Doc), p.expected) << s.name << " read as " << p.raw;
        }
    }
}

TEST(MemoryMap, KeysGroupCodeAndIdCodeAtTheirEdges) {
    struct Probe {
        int address;
        int raw;
        int expected;
    };
    // Keys: 0 and 2 to 11 are functions, 255 is none, 1 and 12 to 254 read as none.
    // Group code: 0 or one of A B C D * #. First digit delay: off its 5 ms step rounds down.
    const Probe probes[] = {{285, 0, 0},     {285, 1, 255},   {285, 2, 2},     {285, 11, 11},
                            {285, 12, 255},  {286, 254, 255}, {286, 255, 255}, {286, 10, 10},
                            {278, 0, 0},     {278, 'A', 'A'}, {278, 'D', 'D'}, {278, '*', '*'},
                            {278, '#', '#'}, {278, '@', 0},   {278, 'E', 0},   {274, 37, 35},
                            {274, 99, 95}};
    for (const Probe& p : probes) {
        rv::MemoryImage m = Blank();
        m[p.address] = static_cast<std::uint8_t>(p.raw);
        RecordingSession r;
        rv::DecodeImage(m, r.s);
        const RadioData& d = r.s.Doc;
        const int got = p.address == 285   ? d.KeyFunc1
                        : p.address == 286 ? d.KeyFunc2
                        : p.address == 274 ? d.DtmfInfo.FirstDigitDelay
                                           : d.DtmfInfo.GroupCode;
        EXPECT_EQ(got, p.expected) << "address " << p.address << " read as " << p.raw;
    }

    // ID code: three to ten digits are kept; fewer, or anything else, give "000".
    const std::pair<std::string, std::string> ids[] = {
        {"12", "000"}, {"123", "123"}, {"1234567890", "1234567890"}, {"12A", "000"}};
    for (const auto& [raw, expected] : ids) {
        rv::MemoryImage m = Blank();
        for (std::size_t i = 0; i < raw.size(); ++i)
            m[288 + i] = raw[i];
        RecordingSession r;
        rv::DecodeImage(m, r.s);
        EXPECT_EQ(r.s.Doc.DtmfInfo.IdCode.get(), expected) << raw;
    }
}

TEST(MemoryMap, ListSlotsAtTheirAddresses) {
    RadioData d = NewDocument();
    d.TestFreCount = 0;
    const rv::MemoryImage empty = Encoded(d);
    // Empty test slots: no frequency, signalling 0x22 for slots 1 to 6, 0xFF after.
    for (int n = 1; n <= 16; ++n) {
        EXPECT_EQ(empty[479 + n], n <= 6 ? 0x22 : 0xFF) << "test slot " << n;
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(empty[640 + 8 * (n - 1) + i], 0xFF);
    }

    const int fleetAt[] = {451, 454, 457, 460, 467, 470, 473, 476};
    for (int slot = 1; slot <= 8; ++slot) {
        RadioData f = d;
        f.FleetCount = 1;
        f.Fleets[0] = {static_cast<rv::Int16>(slot), 7, 0x0A0B};
        EXPECT_EQ(Differences(empty, Encoded(f)),
                  (std::set<int>{fleetAt[slot - 1], fleetAt[slot - 1] + 1, fleetAt[slot - 1] + 2}))
            << "fleet slot " << slot;
        const rv::MemoryImage m = Encoded(f);
        EXPECT_EQ(m[fleetAt[slot - 1]], 7);
        EXPECT_EQ(m[fleetAt[slot - 1] + 1], 0x0B);
        EXPECT_EQ(m[fleetAt[slot - 1] + 2], 0x0A);

        RecordingSession r;
        rv::DecodeImage(m, r.s);
        ASSERT_EQ(r.s.Doc.FleetCount, 1) << "fleet slot " << slot;
        EXPECT_EQ(r.s.Doc.Fleets[0], f.Fleets[0]);
    }

    for (int no : {1, 8}) {
        RadioData a = d;
        a.DtmfCodeCount = 1;
        a.DtmfCodes[0].No = static_cast<rv::Int16>(no);
        a.DtmfCodes[0].Code.set("12");
        const std::set<int> changed = Differences(empty, Encoded(a));
        EXPECT_EQ(changed, (std::set<int>{512 + 16 * (no - 1), 513 + 16 * (no - 1)}))
            << "autodial slot " << no;
    }

    for (int no : {1, 16}) {
        RadioData t = d;
        t.TestFreCount = 1;
        t.TestFres[0] = {static_cast<rv::Int16>(no), {}, {}, 3, 4};
        t.TestFres[0].RxFreq.set("44000000");
        t.TestFres[0].TxFreq.set("44112500");
        const rv::MemoryImage m = Encoded(t);
        const int at = 640 + 8 * (no - 1);
        EXPECT_EQ(m[at], 0x00);
        EXPECT_EQ(m[at + 3], 0x44);
        EXPECT_EQ(m[at + 5], 0x25);
        EXPECT_EQ(m[at + 6], 0x11);
        EXPECT_EQ(m[479 + no], 0x34) << "test slot " << no;
    }
}

TEST(MemoryMap, ChannelsOneAndSixteenAndTheirBitmaps) {
    RadioData d = NewDocument();
    const rv::MemoryImage empty = Encoded(d);
    struct Case {
        int chNo;
        int address;
        int bitmap;
        int bit;
    };
    for (const Case& c : {Case{1, 16, 380, 0x01}, Case{8, 128, 380, 0x80}, Case{9, 144, 381, 0x01},
                          Case{16, 256, 381, 0x80}}) {
        RadioData with = d;
        with.ChannelCount = 1;
        with.Channels[0] = rv::NewChannel(c.chNo);
        with.Channels[0].RxFreq.set("44612500");
        const rv::MemoryImage m = Encoded(with);
        std::set<int> expected{c.bitmap, c.bitmap + 2};
        for (int i = 0; i < 16; ++i)
            if (m[c.address + i] != 0xFF) expected.insert(c.address + i);
        EXPECT_EQ(Differences(empty, m), expected) << "channel " << c.chNo;
        EXPECT_EQ(m[c.address + 1], 0x25) << "channel " << c.chNo;
        EXPECT_EQ(m[c.address + 3], 0x44);
        EXPECT_EQ(m[c.bitmap], c.bit);
        EXPECT_EQ(m[c.bitmap + 2], c.bit); // scanned by default
    }
}

TEST(MemoryMap, ModelBlockAndTexts) {
    RadioData d = NewDocument();
    d.DtmfInfo.IdCode.assign("4567");
    d.DtmfInfo.StunCode.set("89");
    d.OptFeatures.PttIdBot.set("1A");
    d.OptFeatures.PttIdEot.set("#*");
    d.EmbMsg1.set("AB");
    d.EmbMsg2.set("CD");
    const rv::MemoryImage m = Encoded(d);
    const std::pair<int, std::string> texts[] = {{440, "P5617"}, {288, "4567"}, {496, "89"},
                                                 {320, "1A"},    {336, "#*"},   {768, "AB"},
                                                 {800, "CD"}};
    for (const auto& [at, text] : texts) {
        EXPECT_EQ(std::string(m.begin() + at, m.begin() + at + static_cast<int>(text.size())), text)
            << "address " << at;
        if (at != 440) { // the model block goes on with the band code
            EXPECT_EQ(m[at + text.size()], 0xFF) << "after the text at " << at;
        }
    }
    EXPECT_EQ(m[445], d.ModelInfo.BandCode);
    EXPECT_EQ(m[446], d.ModelInfo.ModelByte);
    EXPECT_EQ(m[447], 0xFF);
    EXPECT_EQ(m[302], 1);
}

// ---- The new document --------------------------------------------------------------------

TEST(NewDocument, EqualsTheDefaultTableWhole) {
    RecordingSession r; // 400 - 470 MHz, model 7415
    rv::InitRadioData(r.s, "20260102");
    const RadioData& got = r.s.Doc;

    RadioData want;
    want.ModelInfo.ModelCode.set("7415");
    want.ModelInfo.ModelByte = 252;
    want.ModelInfo.BandCode = 65;
    want.SerialNumber.set("20260102");
    want.Version.set("V1.00");
    want.ModelType.set("7415");
    want.FrequencyCode = 65;
    want.TypeLetter = 67;
    want.OptFeatures = {4, 0, 5, 0, 0, 0, 1, 0, 0, 0, 0, {}, {}, 0, 5, 1, 0, 0, 0, 0};
    want.OptFeatures.PttIdBot.set("12345");
    want.OptFeatures.PttIdEot.set("");
    want.KeyFunc1 = 255;
    want.KeyFunc2 = 10;
    want.ScanInfo = {0, 255, 31, 51, 1, 3, 3};
    want.DtmfInfo = {0, 0, 10, 0, 0, 1, {}, 0, 10, 0, 0, 0, {}, 0};
    want.DtmfInfo.IdCode.assign("000"); // the ID code carries no NUL
    want.DtmfInfo.StunCode.set("");
    want.FleetSyncInfo = {255, 0, 0, 400, 10, 1};
    want.TestFreCount = 6;
    for (int i = 0; i < 6; ++i) {
        want.TestFres[i].No = static_cast<rv::Int16>(i + 1);
        want.TestFres[i].RxSig = want.TestFres[i].TxSig = 15;
        // The frequencies come from the band's table, checked on their own elsewhere.
        want.TestFres[i].RxFreq = got.TestFres[i].RxFreq;
        want.TestFres[i].TxFreq = got.TestFres[i].TxFreq;
    }
    want.EmbMsg1.set("");
    want.EmbMsg2.set("");

    // Compared record by record so a failure names the part that differs.
    EXPECT_EQ(got.ChannelCount, 0);
    EXPECT_EQ(got.ModelInfo, want.ModelInfo);
    EXPECT_EQ(got.OptFeatures, want.OptFeatures);
    EXPECT_EQ(got.ScanInfo, want.ScanInfo);
    EXPECT_EQ(got.DtmfInfo, want.DtmfInfo);
    EXPECT_EQ(got.FleetSyncInfo, want.FleetSyncInfo);
    EXPECT_EQ(got.TestFres, want.TestFres);
    EXPECT_EQ(rv::ToRecord(got), rv::ToRecord(want));
}

} // namespace
