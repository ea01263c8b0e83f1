#include "data/ChannelCommit.h"
#include "data/Conversions.h"
#include "data/DataFile.h"
#include "data/Defaults.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using rv::ChannelChange;
using K = rv::ChannelFieldKind;

// A new 136 - 174 MHz document with the conventional DQT table.
class ChannelCommitTest : public ::testing::Test {
protected:
    void SetUp() override {
        s.CurModelCode = "7415";
        s.CurBand = "136 - 174 MHz";
        rv::SetBandLimits(s);
        ASSERT_TRUE(rv::LoadDqtTable(s, std::string(RV_SOURCE_DIR) + "/resources/dec.tbl"));
        rv::InitRadioData(s, "20260101");
        s.onMessage = [this](rv::Msg m) { messages.push_back(m); };
    }
    rv::ChannelInfo& ch(int n) {
        const rv::ChannelInfo* c = rv::ChannelOf(s.Doc, n);
        EXPECT_TRUE(c) << "channel " << n;
        return const_cast<rv::ChannelInfo&>(c ? *c : s.Doc.Channels[0]);
    }
    void add(int n, const char* rx) {
        ASSERT_EQ(rv::SetChannelField(s, n, K::RxFreq, rx), ChannelChange::Added);
    }

    rv::Session s;
    std::vector<rv::Msg> messages;
};

// Regression: in a file whose 16 records include one numbered outside 1 to 16, the blank row
// took typed frequencies without a word and stored nothing.
TEST_F(ChannelCommitTest, ChannelThatFindsNoFreeRecordSaysWhy) {
    for (int n = 1; n <= 16; ++n)
        add(n, "146");
    s.Doc.Channels[4].ChNo = 20; // channel 5's record, damaged
    messages.clear();
    EXPECT_EQ(rv::SetChannelField(s, 5, K::RxFreq, "147"), ChannelChange::None);
    EXPECT_EQ(messages, std::vector<rv::Msg>{rv::Msg::NoFreeChannelRecord});
    EXPECT_EQ(s.Doc.ChannelCount, 16);
    messages.clear();
    EXPECT_EQ(rv::SetChannelField(s, 5, K::TxFreq, "147"), ChannelChange::None);
    EXPECT_TRUE(messages.empty()) << "only a new channel needs a record";
}

TEST_F(ChannelCommitTest, TypingReceiveFrequencyIntoEmptySlotCreatesChannelWithDefaults) {
    add(5, "146.5");
    ASSERT_EQ(s.Doc.ChannelCount, 1);
    const auto& c = ch(5);
    EXPECT_EQ(c.RxFreq.get(), "14650000");
    EXPECT_EQ(c.TxFreq.get(), "FFFFFFFF");
    EXPECT_EQ(c.AuxBit4, 1);
    EXPECT_EQ(c.RxCode.get(), "FFFF");
    EXPECT_EQ(c.TxCode.get(), "FFFF");
    EXPECT_EQ(c.TxPower, 1);
    EXPECT_EQ(c.WideNarrow, 1);
    EXPECT_EQ(c.ScanAdd, 1);
    EXPECT_EQ(c.InUse, 1);
    EXPECT_EQ(rv::ChannelFieldText(s, c, K::RxFreq), "146.50000");
    EXPECT_EQ(rv::ChannelFieldText(s, c, K::TxFreq), "");
    EXPECT_EQ(rv::ChannelFieldText(s, c, K::TxCode), "");
    EXPECT_TRUE(messages.empty());
}

TEST_F(ChannelCommitTest, SettingsOfAnEmptySlotChangeNothing) {
    const rv::RadioData before = s.Doc;
    for (int k = 2; k <= 15; ++k)
        EXPECT_EQ(rv::SetChannelField(s, 7, static_cast<K>(k), "High"), ChannelChange::None);
    EXPECT_EQ(rv::SetChannelField(s, 7, K::RxFreq, ""), ChannelChange::None);
    EXPECT_EQ(s.Doc, before);
}

TEST_F(ChannelCommitTest, ChannelNumbersOutsideTheSlotsAreRefused) {
    EXPECT_EQ(rv::SetChannelField(s, 0, K::RxFreq, "146"), ChannelChange::None);
    EXPECT_EQ(rv::SetChannelField(s, 17, K::RxFreq, "146"), ChannelChange::None);
    EXPECT_EQ(s.Doc.ChannelCount, 0);
}

TEST_F(ChannelCommitTest, DeletingAChannelMovesLaterRecordsDownAndKeepsTheirNumbers) {
    add(1, "146");
    add(3, "147");
    add(2, "148");
    add(9, "149");
    EXPECT_EQ(rv::SetChannelField(s, 3, K::RxFreq, ""), ChannelChange::Deleted);
    ASSERT_EQ(s.Doc.ChannelCount, 3);
    EXPECT_EQ(s.Doc.Channels[0].ChNo, 1);
    EXPECT_EQ(s.Doc.Channels[1].ChNo, 2);
    EXPECT_EQ(s.Doc.Channels[2].ChNo, 9);
    EXPECT_EQ(ch(2).RxFreq.get(), "14800000");
    EXPECT_EQ(ch(9).RxFreq.get(), "14900000");
    EXPECT_EQ(rv::ChannelOf(s.Doc, 3), nullptr);
    EXPECT_EQ(s.Doc.Channels[3], rv::ChannelInfo{}) << "no stale record past the count";
}

TEST_F(ChannelCommitTest, OutOfRangeFrequencyIsReportedAndCorrected) {
    add(1, "95");
    EXPECT_EQ(ch(1).RxFreq.get(), "13600000");
    EXPECT_EQ(rv::SetChannelField(s, 1, K::TxFreq, "600"), ChannelChange::Changed);
    EXPECT_EQ(ch(1).TxFreq.get(), "17400000");
    EXPECT_EQ(messages, (std::vector<rv::Msg>{rv::Msg::FreqOutOfRange, rv::Msg::FreqOutOfRange}));
}

TEST_F(ChannelCommitTest, ClearingTransmitFrequencyResetsEncodeToneAndSetsAuxBit4) {
    add(1, "146");
    rv::SetChannelField(s, 1, K::TxFreq, "146.6");
    EXPECT_EQ(ch(1).AuxBit4, 0);
    rv::SetChannelField(s, 1, K::TxCode, "D023N");
    EXPECT_EQ(ch(1).TxCode.get(), "2813");
    EXPECT_EQ(rv::SetChannelField(s, 1, K::TxFreq, ""), ChannelChange::Changed);
    EXPECT_EQ(ch(1).TxFreq.get(), "FFFFFFFF");
    EXPECT_EQ(ch(1).AuxBit4, 1);
    EXPECT_EQ(ch(1).TxCode.get(), "FFFF");
}

// Busy lockout and speaker unmute never wait for a decode tone or option signalling the
// channel does not have.
TEST_F(ChannelCommitTest, CommitKeepsLockoutAndUnmuteConsistent) {
    struct Case {
        K kind;
        const char* text;
        int rxTone, optSignal, lockout, spUnmute; // before; rxTone 1: a decode tone is set
        int wantLockout, wantSpUnmute;
    };
    const Case cases[] = {
        {K::RxCode, "None", 1, 0, 2, 0, 1, 0},    // tone lockout turns into carrier
        {K::RxCode, "67.0", 1, 0, 2, 0, 2, 0},    // a new decode tone keeps it
        {K::OptSignal, "None", 1, 1, 3, 2, 0, 0}, // no option lockout or unmute
        {K::OptSignal, "None", 1, 2, 2, 0, 2, 0}, // the tone lockout stays
        {K::OptSignal, "DTMF", 0, 0, 2, 0, 1, 0}, // no decode tone: no tone lockout
        {K::OptSignal, "x", 0, 1, 2, 1, 1, 1},    // an unknown text still checks it
        {K::SpUnmute, "QT/DQT or Opt.Sig", 1, 1, 0, 0, 0, 2},
        {K::SpUnmute, "Carrier + Opt.Sig.", 1, 1, 0, 2, 0, 2}, // not the decode tone's text
        {K::BusyLockout, "QT/DQ", 1, 0, 0, 0, 2, 0},           // the English text has no T
        {K::BusyLockout, "QT/DQT", 1, 0, 1, 0, 1, 0},
    };
    add(1, "146");
    for (const Case& c : cases) {
        auto& r = ch(1);
        r.RxCode.set(c.rxTone ? "029E" : "FFFF");
        r.OptSignal = static_cast<rv::Int16>(c.optSignal);
        r.BusyLockout = static_cast<rv::Int16>(c.lockout);
        r.SpUnmute = static_cast<rv::Int16>(c.spUnmute);
        rv::SetChannelField(s, 1, c.kind, c.text);
        EXPECT_EQ(ch(1).BusyLockout, c.wantLockout) << c.text;
        EXPECT_EQ(ch(1).SpUnmute, c.wantSpUnmute) << c.text;
    }
}

// A text stores the value it names in the session's language; any other text, a tone
// outside the list among them, leaves the setting as it was.
TEST_F(ChannelCommitTest, TextsStoreTheValueTheyNameInTheCurrentLanguage) {
    struct Case {
        int lang;
        K kind;
        const char* text;
        const char* shown; ///< in English, after the commit
    };
    const Case cases[] = {
        {rv::English, K::TxPower, "Low", "Low"},
        {rv::English, K::TxPower, "\xE9\xAB\x98", "Low"}, // "High" in Chinese
        {rv::English, K::TxPower, "High", "High"},
        {rv::English, K::ScanAdd, "No", "No"},
        {rv::English, K::ScanAddCheck, "1", "1"},
        {rv::English, K::ScanAdd, "Yes", "Yes"},
        {rv::English, K::OptSignal, "FleetSync", "FleetSync"},
        {rv::English, K::PttId, "On", "On"},
        {rv::English, K::PttId, "x", "On"},
        {rv::English, K::WideNarrow, "Narrow", "Narrow"},
        {rv::English, K::AutodialMem, "8", "8"},
        {rv::English, K::AutodialMem, "9", "8"},
        {rv::English, K::AutodialMem, "1", "1"},
        {rv::English, K::BeatShift, "1", "1"},
        {rv::English, K::Compander, "1", "1"},
        {rv::English, K::Compander, "2", "1"},
        {rv::English, K::RxCode, "D023N", "D023N"},
        {rv::English, K::RxCode, "", "D023N"},
        {rv::English, K::RxCode, "garbage", "D023N"},
        {rv::English, K::RxCode, "D999N", "D023N"},
        {rv::Chinese, K::TxPower, "\xE4\xBD\x8E", "Low"},                 // 低
        {rv::Chinese, K::WideNarrow, "\xE5\xAE\xBD\xE5\xB8\xA6", "Wide"}, // 宽带
        {rv::Chinese, K::RxCode, "67.0", "67.0"},
        {rv::Chinese, K::BusyLockout, "QT/DQT", "QT/DQ"},
        {rv::Chinese, K::SpUnmute, "QT/DQT", "QT/DQT"},
        {rv::Chinese, K::RxCode, "\xE6\x97\xA0", "None"}, // 无, which turns QT/DQ into Carrier
    };
    add(1, "146");
    for (const Case& c : cases) {
        s.CurLanguage = c.lang;
        rv::SetChannelField(s, 1, c.kind, c.text);
        s.CurLanguage = rv::English;
        EXPECT_EQ(rv::ChannelFieldText(s, ch(1), c.kind), c.shown) << c.text;
    }
}

TEST_F(ChannelCommitTest, OfferedListsFollowDecodeToneAndOptionSignalling) {
    EXPECT_EQ(rv::SpUnmuteValues(false), std::vector<int>{0});
    EXPECT_EQ(rv::SpUnmuteValues(true), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(rv::BusyLockoutValues(false, false), (std::vector<int>{0, 1}));
    EXPECT_EQ(rv::BusyLockoutValues(false, true), (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(rv::BusyLockoutValues(true, false), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(rv::BusyLockoutValues(true, true), (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(ChannelCommitTest, DamagedChannelCountNeverReachesPastTheTable) {
    s.Doc.ChannelCount = 40;
    EXPECT_EQ(rv::SetChannelField(s, 4, K::RxFreq, "146"), ChannelChange::None);
    s.Doc.ChannelCount = -3;
    EXPECT_EQ(rv::ChannelOf(s.Doc, 4), nullptr);
    add(4, "146");
    EXPECT_EQ(s.Doc.ChannelCount, 1);
}

TEST_F(ChannelCommitTest, RecommittingTheShownTextLeavesTheDocumentUnchanged) {
    add(2, "146.525");
    rv::SetChannelField(s, 2, K::TxFreq, "146.525");
    s.SavedCopy = s.Doc;
    for (int k = 1; k <= 14; ++k) {
        const auto kind = static_cast<K>(k);
        const std::string shown = rv::ChannelFieldText(s, ch(2), kind);
        EXPECT_NE(rv::SetChannelField(s, 2, kind, shown), ChannelChange::Deleted);
    }
    EXPECT_TRUE(rv::IsUnchanged(s));
}

} // namespace
