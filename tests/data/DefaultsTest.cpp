#include "Fixtures.h"

#include "data/DataFile.h"
#include "data/Defaults.h"

#include <gtest/gtest.h>

namespace {

using rvtest::RecordingSession;

TEST(NewDocument, CountsAsUnchanged) {
    RecordingSession r;
    rv::InitRadioData(r.s, "20260102");
    const rv::RadioData& d = r.s.Doc;
    // What it holds, field by field, is the default table of the layout tests.
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

TEST(BandIndex, FirstThirteenCharactersDecide) {
    EXPECT_EQ(rv::BandIndexOf("136 - 174 MHz"), 0);
    EXPECT_EQ(rv::BandIndexOf("470 - 512 MHz"), 4);
    EXPECT_EQ(rv::BandIndexOf("450 - 520 MHz and more"), 5);
    EXPECT_EQ(rv::BandIndexOf("450 - 520"), 0);
    EXPECT_EQ(rv::BandIndexOf(""), 0);
}

} // namespace
