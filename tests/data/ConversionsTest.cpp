#include "Fixtures.h"

#include "data/Conversions.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

using rv::Msg;
using rvtest::RecordingSession;

struct FreqCase {
    const char* band;
    const char* typed;
    const char* shown;
    bool warns;
};

// Typed frequencies: limits, the 5 / 6.25 kHz raster and the exact decimal arithmetic.
const FreqCase FreqCases[] = {
    {"400 - 470 MHz", "399.5", "399.50000", true},
    {"400 - 470 MHz", "95", "400.00000", true},
    {"400 - 470 MHz", "600", "470.00000", true},
    {"400 - 470 MHz", "470.3", "470.30000", true},
    {"400 - 470 MHz", "550", "550.00000", true},
    {"400 - 470 MHz", "100", "100.00000", true},
    {"400 - 470 MHz", "446.00625", "446.00625", false},
    {"400 - 470 MHz", "446.0063", "446.00500", false},
    {"400 - 470 MHz", "446", "446.00000", false},
    {"400 - 470 MHz", "470", "470.00000", false},
    {"400 - 470 MHz", " 446.1 ", "446.10000", false},
    {"400 - 470 MHz", "abc", "400.00000", true},
    {"400 - 470 MHz", "446,1", "400.00000", true},
    {"400 - 470 MHz", "", "400.00000", true},
    {"136 - 174 MHz", "146.52500", "146.52500", false},
    {"136 - 174 MHz", "146.00625", "146.00625", false},
    {"136 - 174 MHz", "146.0070", "146.00500", false},
    {"136 - 174 MHz", "146.0124", "146.01000", false},
    {"136 - 174 MHz", "146.012499", "146.01250", false}, // rounds to a 6.25 kHz point
    // Below the band the raster still counts from the band edge and rounds down.
    {"136 - 174 MHz", "135.997", "135.99500", true},
    // 10 Hz units round halves to even: 146.000005 is 14600000.5 units.
    {"136 - 174 MHz", "146.000005", "146.00000", false},
    {"136 - 174 MHz", "146.000015", "146.00000", false},
    {"245 - 246 MHz", "245.99375", "245.99375", false},
};

TEST(CheckFreq, LimitsAndStepRule) {
    for (const auto& c : FreqCases) {
        RecordingSession r(c.band);
        EXPECT_EQ(rv::CheckFreq(r.s, c.typed), c.shown) << c.band << " / " << c.typed;
        const std::vector<Msg> expected =
            c.warns ? std::vector<Msg>{Msg::FreqOutOfRange} : std::vector<Msg>{};
        EXPECT_EQ(r.messages, expected) << c.typed;
    }
}

TEST(CheckFreq, EveryRasterPointOfTheBandStaysExact) {
    // Floating point would turn some of these into their neighbours.
    RecordingSession r("400 - 470 MHz");
    for (long units = 40000000; units <= 40100000; units += 625) {
        const std::string text =
            rv::CheckFreq(r.s, std::to_string(units / 100000) + "." +
                                   std::to_string(100000 + units % 100000).substr(1));
        EXPECT_EQ(text, std::to_string(units / 100000) + "." +
                            std::to_string(100000 + units % 100000).substr(1));
    }
    EXPECT_TRUE(r.messages.empty());
}

TEST(FreqText, StorageAndDisplayForms) {
    RecordingSession r("136 - 174 MHz");
    EXPECT_EQ(rv::FreqToStorage(r.s, "146.52500"), "14652500");
    EXPECT_EQ(rv::StorageToFreq(r.s, "14652500"), "146.52500");
    EXPECT_EQ(rv::StorageToFreq(r.s, "146525"), "146.52500");
    EXPECT_EQ(rv::StorageToFreq(r.s, "1551"), "155.10000");
    EXPECT_EQ(rv::StorageToFreq(r.s, "15505"), "155.05000");
    EXPECT_EQ(rv::StorageToFreq(r.s, "155"), "155.00000");
    EXPECT_EQ(rv::FreqToStorage(r.s, "155.1"), "1551");
    EXPECT_EQ(rv::FreqToStorage(r.s, "155"), "155");
    EXPECT_EQ(rv::FreqToStorage(r.s, ""), "");
    EXPECT_EQ(rv::StorageToFreq(r.s, "FFFFFFFF"), "");
    EXPECT_EQ(rv::StorageToFreq(r.s, ""), "");
    // A padded field as it stands in the record reads the same.
    EXPECT_EQ(rv::StorageToFreq(r.s, std::string("146525\0 ", 8)), "146.52500");
    EXPECT_TRUE(r.messages.empty());
}

TEST(FreqText, NonNumericStorageShowsTheBandEdgeWithoutAWord) {
    RecordingSession r("400 - 470 MHz");
    EXPECT_EQ(rv::StorageToFreq(r.s, "14G52500"), "400");
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(rv::FreqToStorage(r.s, "x"), "400");
}

TEST(Tones, ConversionsBothWays) {
    RecordingSession r;
    const std::pair<const char*, const char*> cases[] = {
        {"100.0", "03E8"}, {"67.0", "029E"},  {"250.3", "09C7"}, {"D023N", "2813"},
        {"D754I", "A9EC"}, {"D411N", "2909"}, {"D365I", "A8F5"}, {"None", "FFFF"},
    };
    for (const auto& [text, code] : cases) {
        EXPECT_EQ(rv::TextToTone(r.s, text), code) << text;
        EXPECT_EQ(rv::ToneToText(r.s, code), text) << code;
    }
    EXPECT_EQ(rv::TextToTone(r.s, ""), "");
    EXPECT_EQ(rv::ToneToText(r.s, ""), "None");
    r.s.CurLanguage = rv::Chinese;
    EXPECT_EQ(rv::ToneToText(r.s, "FFFF"), "无");
    EXPECT_EQ(rv::TextToTone(r.s, "无"), "FFFF");
}

TEST(Tones, EveryListEntryRoundTrips) {
    RecordingSession r;
    const auto& list = rv::ToneList(rv::English);
    ASSERT_EQ(list.size(), 206u);
    for (const auto& text : list)
        EXPECT_EQ(rv::ToneToText(r.s, rv::TextToTone(r.s, text)), text);
}

TEST(Tones, TypedQtValueWithoutTenthsIsWholeHertz) {
    // "67" is 67.0 Hz, not 67.7 Hz.
    RecordingSession r;
    EXPECT_EQ(rv::TextToTone(r.s, "67"), "029E");
    EXPECT_EQ(rv::TextToTone(r.s, "67.05"), "029E");
}

TEST(Tones, DqtCodeBetweenTableEntriesShowsTheNextCode) {
    RecordingSession r;
    EXPECT_EQ(rv::ToneToText(r.s, "2814"), "D025N"); // 0x14 lies between 023 and 025
    EXPECT_EQ(rv::ToneToText(r.s, "29FF"), "D754N"); // above the last entry
}

TEST(DqtTable, LoadsConventionalValuesAndKeepsTableOnFailure) {
    RecordingSession r;
    EXPECT_EQ(r.s.Dqt[0], 023);
    EXPECT_EQ(r.s.Dqt[50], 0411);
    EXPECT_EQ(r.s.Dqt[82], 0754);
    for (std::size_t i = 1; i < r.s.Dqt.size(); ++i)
        EXPECT_LT(r.s.Dqt[i - 1], r.s.Dqt[i]);

    const rv::DqtTable before = r.s.Dqt;
    const std::string shortFile = rvtest::UniqueTempPath("short.tbl");
    std::ofstream(shortFile, std::ios::binary) << "0123456789";
    EXPECT_FALSE(rv::LoadDqtTable(r.s, shortFile));
    EXPECT_FALSE(rv::LoadDqtTable(r.s, testing::TempDir() + "missing.tbl"));
    EXPECT_EQ(r.s.Dqt, before);
    EXPECT_EQ(r.messages, (std::vector<Msg>{Msg::ReadDecTblError, Msg::ReadDecTblError}));
}

TEST(DqtTable, EmptyTableMapsEveryDqtCodeToTheFirstEntry) {
    rv::Session s;
    EXPECT_EQ(rv::TextToTone(s, "D754N"), "2800");
    EXPECT_EQ(rv::ToneToText(s, "2800"), "D023N");
}

TEST(BandLimits, FollowTheBandText) {
    rv::Session s;
    s.CurBand = "136 - 174 MHz";
    rv::SetBandLimits(s);
    EXPECT_EQ(s.BandLow, 136);
    EXPECT_EQ(s.BandHigh, 174);
    s.CurBand = "";
    rv::SetBandLimits(s);
    EXPECT_EQ(s.BandLow, 136); // no band text: the limits stay
}

} // namespace
