#include "Fixtures.h"

#include "data/DataFile.h"
#include "data/Defaults.h"

#include <gtest/gtest.h>

namespace {

using rvtest::RecordingSession;

TEST(NewDocument, HoldsTheDefaultsAndCountsAsUnchanged) {
    RecordingSession r;
    rv::InitRadioData(r.s, "20260102");
    const rv::RadioData& d = r.s.Doc;
    EXPECT_EQ(d.ChannelCount, 0);
    EXPECT_EQ(d.TestFreCount, 6);
    EXPECT_EQ(d.OptFeatures.TotTime, 4);
    EXPECT_EQ(d.OptFeatures.SquelchLevel, 5);
    EXPECT_EQ(d.OptFeatures.Beep, 1);
    EXPECT_EQ(d.OptFeatures.VoxGain, 5);
    EXPECT_EQ(d.OptFeatures.VoxDelay, 1);
    EXPECT_EQ(std::string(d.OptFeatures.PttIdBot.full()), std::string("12345\0          ", 16));
    EXPECT_EQ(d.KeyFunc1, 255);
    EXPECT_EQ(d.KeyFunc2, 10);
    EXPECT_EQ(d.ScanInfo.PriorityChannel, 255);
    EXPECT_EQ(d.ScanInfo.LookBackA, 31);
    EXPECT_EQ(d.ScanInfo.LookBackB, 51);
    EXPECT_EQ(d.DtmfInfo.IdCode.get(), "000");
    EXPECT_EQ(d.DtmfInfo.FirstDigitDelay, 10);
    EXPECT_EQ(d.DtmfInfo.AutoResetTimer, 10);
    EXPECT_EQ(d.FleetSyncInfo.OwnFleet, 255);
    EXPECT_EQ(d.FleetSyncInfo.TxModDelay, 400);
    EXPECT_EQ(d.FleetSyncInfo.MsgModeTimer, 10);
    EXPECT_EQ(d.SerialNumber.get(), "20260102");
    EXPECT_EQ(d.Version.get(), "V1.00");
    EXPECT_EQ(d.ModelType.get(), "7415");
    EXPECT_EQ(d.FrequencyCode, 65);
    EXPECT_EQ(d.TypeLetter, 67);
    EXPECT_EQ(d.ModelInfo.ModelCode.get(), "7415");
    EXPECT_EQ(d.ModelInfo.ModelByte, 252);
    EXPECT_EQ(d.ModelInfo.BandCode, 65);
    EXPECT_EQ(r.s.SavedCopy, d);
    EXPECT_TRUE(rv::IsUnchanged(r.s));
    EXPECT_TRUE(r.messages.empty());
}

TEST(NewDocument, SerialNumberDefaultsToToday) {
    RecordingSession r;
    rv::InitRadioData(r.s);
    const std::string serial = r.s.Doc.SerialNumber.get();
    ASSERT_EQ(serial.size(), 8u);
    EXPECT_EQ(serial.find_first_not_of("0123456789"), std::string::npos);
    EXPECT_EQ(serial.substr(0, 2), "20");
}

struct TestFreCase {
    const char* band;
    int entry;
    const char* rx;
    const char* tx;
};

TEST(NewDocument, TestFrequenciesFollowTheBand) {
    const TestFreCase cases[] = {
        {"136 - 174 MHz", 1, "15505", "1551"}, {"136 - 174 MHz", 3, "17395", "1739"},
        {"136 - 174 MHz", 4, "155", "155"},    {"245 - 246 MHz", 2, "24505", "2451"},
        {"245 - 246 MHz", 1, "24555", "2456"}, {"400 - 470 MHz", 6, "4354", "4354"},
        {"450 - 520 MHz", 5, "4852", "4852"},  {"Unknown band", 1, "15505", "1551"},
    };
    for (const auto& c : cases) {
        RecordingSession r;
        r.s.CurBand = c.band;
        rv::InitRadioData(r.s, "20260102");
        const rv::TestFre& t = r.s.Doc.TestFres[c.entry - 1];
        EXPECT_EQ(t.No, c.entry);
        EXPECT_EQ(t.RxFreq.get(), c.rx) << c.band << " entry " << c.entry;
        EXPECT_EQ(t.TxFreq.get(), c.tx) << c.band << " entry " << c.entry;
        EXPECT_EQ(t.RxSig, 15);
        EXPECT_EQ(t.TxSig, 15);
    }
}

TEST(NewDocument, DefaultTestFrequencyTexts) {
    const auto t = rv::DefaultTestFrequencies(0);
    EXPECT_EQ(t[0][0], "155.05");
    EXPECT_EQ(t[0][1], "155.1");
    EXPECT_EQ(t[2][0], "173.95");
    EXPECT_EQ(t[2][1], "173.9");
    EXPECT_EQ(t[3][0], "155");
    EXPECT_EQ(rv::DefaultTestFrequencies(1)[3][0], "245.5");
    EXPECT_EQ(t[6][0], "");
    EXPECT_EQ(t[15][1], "");
}

TEST(NewChannel, ShowsNoTonesHighWideScannedWithoutTransmitFrequency) {
    RecordingSession r;
    const rv::ChannelInfo c = rv::NewChannel(7);
    EXPECT_EQ(c.ChNo, 7);
    EXPECT_EQ(c.InUse, 1);
    EXPECT_EQ(rv::ToneToText(r.s, c.RxCode.get()), "None");
    EXPECT_EQ(rv::ToneToText(r.s, c.TxCode.get()), "None");
    EXPECT_EQ(c.TxPower, 1);
    EXPECT_EQ(c.WideNarrow, 1);
    EXPECT_EQ(c.ScanAdd, 1);
    EXPECT_EQ(c.AuxBit4, 1);
    EXPECT_EQ(rv::StorageToFreq(r.s, c.TxFreq.get()), "");
}

TEST(BandIndex, FirstThirteenCharactersDecide) {
    EXPECT_EQ(rv::BandIndexOf("136 - 174 MHz"), 0);
    EXPECT_EQ(rv::BandIndexOf("470 - 512 MHz"), 4);
    EXPECT_EQ(rv::BandIndexOf("450 - 520 MHz and more"), 5);
    EXPECT_EQ(rv::BandIndexOf("450 - 520"), 0);
    EXPECT_EQ(rv::BandIndexOf(""), 0);
}

} // namespace
