#include "FakeTestPort.h"

#include <algorithm>

#include <gtest/gtest.h>

using namespace rv::link;
using rv::test::FakeTestPort;
using rv::test::Hex;

namespace {

class TestModeEngineTest : public ::testing::Test {
protected:
    rv::RadioData doc;
    FakeTestPort port;
    TestModeEngine engine{port, doc};

    void SetUp() override {
        port.engine = &engine;
        engine.InitTestMode();
    }

    /// Answers like a radio whose test channels are all "FFFFFFFF" unless given here.
    void answerEntry(const std::map<int, Bytes>& channels = {}) {
        for (int guard = 0; guard < 200 && !engine.sendList().empty() && port.open; ++guard) {
            const Bytes w = port.lastWrite();
            if (port.threshold == 8 && w[0] == 0x02) {
                port.reply(Hex("50 00 00 00 00 41 FC 00"));
            } else if (port.threshold == 8) {
                const auto it = channels.find(w[1]);
                port.reply(it != channels.end() ? it->second : Bytes(8, 0xFF));
            } else if (port.threshold == 62) {
                port.reply(Bytes(62, 0x80));
            } else if (port.threshold == 1) {
                port.ack();
            } else {
                port.advance(300);
            }
        }
    }

    std::vector<Bytes> written() const {
        std::vector<Bytes> out;
        for (const auto& w : port.writes)
            out.push_back(w.bytes);
        return out;
    }

    void addDocTestFre(int no, const char* rx, const char* tx) {
        auto& t = doc.TestFres[static_cast<std::size_t>(doc.TestFreCount++)];
        t.No = static_cast<rv::Int16>(no);
        t.RxFreq.set(rx);
        t.TxFreq.set(tx);
    }
};

TEST_F(TestModeEngineTest, EnteringSendsTheWholeEntrySequence) {
    addDocTestFre(5, "43000000", "43100000");
    engine.EnterTestMode();
    answerEntry({{5, Hex("43 00 00 00 43 10 00 00")}});

    std::vector<Bytes> want{Hex("54 55 4E 49 4E 47 20"), Hex("02"), Hex("06"), Hex("05"),
                            Hex("06")};
    for (int n = 1; n <= 16; ++n) {
        want.push_back({0x10, static_cast<std::uint8_t>(n)});
        want.push_back({0x06});
    }
    want.push_back(Hex("10 05")); // the lowest test channel of the document
    want.push_back(Hex("06"));
    want.push_back(Hex("11 01"));
    EXPECT_EQ(written(), want);
    ASSERT_EQ(engine.state().RadioTestFres.size(), 1u);
    EXPECT_EQ(engine.state().RadioTestFres[0], (RadioTestFre{5, "43000000", "43100000"}));

    // The test mode window opens 300 ms after the last acknowledgement.
    EXPECT_TRUE(port.isRunning(TestTimer::ShowTestFrm));
    port.advance(299);
    EXPECT_EQ(port.testWindows, 0);
    port.advance(1);
    EXPECT_EQ(port.testWindows, 1);
}

TEST_F(TestModeEngineTest, AllChannelsBlankAgainstDocumentWithoutTestChannelsIsAMatch) {
    engine.EnterTestMode();
    answerEntry();
    EXPECT_TRUE(port.notes.empty());
    EXPECT_TRUE(engine.state().RadioTestFres.empty());
    EXPECT_EQ(written().back(), Hex("11 01"));
    port.advance(300);
    EXPECT_EQ(port.testWindows, 1);
    EXPECT_EQ(port.ended, 0);
}

TEST_F(TestModeEngineTest, MismatchLeavesTestModeInOrder) {
    engine.EnterTestMode();
    // The radio holds channel 2; the document holds none.
    for (int guard = 0; guard < 100 && engine.sendList().size() > 0; ++guard) {
        const Bytes w = port.lastWrite();
        if (port.threshold == 8 && w[0] == 0x10)
            port.reply(w[1] == 2 ? Hex("15 00 00 00 15 05 00 00") : Bytes(8, 0xFF));
        else if (port.threshold == 8)
            port.reply(Hex("50 00 00 00 00 63 F8 00"));
        else if (port.threshold == 62)
            port.reply(Bytes(62, 0));
        else
            port.ack();
    }
    ASSERT_EQ(port.notes, std::vector<TestNote>{TestNote::TestFreMismatch});
    EXPECT_EQ(port.lastWrite(), Hex("10 10")); // the 06 after channel 16 is not sent
    EXPECT_FALSE(port.isRunning(TestTimer::Wait));
    EXPECT_FALSE(engine.state().SendBusy);
    const auto before = port.writes.size();

    port.advance(299);
    EXPECT_EQ(port.writes.size(), before);
    port.advance(1);
    EXPECT_EQ(port.lastWrite(), Hex("11 01"));
    port.ack();
    EXPECT_EQ(port.lastWrite(), Hex("45"));
    EXPECT_EQ(port.ended, 0);
    port.ack();
    EXPECT_EQ(port.ended, 1);
    EXPECT_EQ(port.testWindows, 0);
    EXPECT_TRUE(engine.sendList().empty());
}

TEST_F(TestModeEngineTest, KeyFramesGoInOneWriteAndAwaitTheAck) {
    struct Case {
        bool released;
        const char* bytes;
    };
    for (const Case c : {Case{true, "08 0D"}, Case{false, "08 0E"}}) {
        port.writes.clear();
        engine.SetPtt(c.released);
        ASSERT_EQ(port.writes.size(), 1u);
        EXPECT_EQ(port.lastWrite(), Hex(c.bytes));
        EXPECT_EQ(port.threshold, 1);
        EXPECT_TRUE(port.isRunning(TestTimer::Wait));
        port.ack();
        EXPECT_TRUE(engine.sendList().empty());
        EXPECT_FALSE(port.isRunning(TestTimer::Wait));
    }
}

TEST_F(TestModeEngineTest, SecondCommandWaitsForTheFirstOnesAck) {
    engine.SetWide();
    engine.SelectTestSignal(4);
    EXPECT_EQ(written(), std::vector<Bytes>{Hex("46")});
    port.advance(100); // no tick while a reply is awaited
    EXPECT_EQ(port.writes.size(), 1u);
    port.ack();
    EXPECT_EQ(port.lastWrite(), Hex("11 04"));
}

TEST_F(TestModeEngineTest, WritePointNeedsNoReplyAndTheNextCommandFollowsOneTickLater) {
    engine.SetPtt(true);
    engine.WriteTunePoint(0, 1, 123); // "RF High Power", point "Test" at address 18
    engine.StoreTunePoint(0, 1);
    port.now = 40;
    port.ack();
    ASSERT_EQ(port.writes.size(), 2u);
    EXPECT_EQ(port.lastWrite(), Hex("12 20 7B"));
    EXPECT_EQ(port.threshold, 0);
    EXPECT_FALSE(port.isRunning(TestTimer::Wait));
    port.advance(99);
    EXPECT_EQ(port.writes.size(), 2u);
    port.advance(1);
    EXPECT_EQ(port.lastWrite(), Hex("12 0E"));
    EXPECT_EQ(port.writes.back().at, 140);
}

TEST_F(TestModeEngineTest, LoneWriteGoesOutAtOnce) {
    // Regression: the only queued entry used to be removed without its frame being sent.
    engine.WriteTunePoint(2, 2, 7);
    EXPECT_EQ(written(), std::vector<Bytes>{Hex("63 20 07")});
    EXPECT_TRUE(engine.sendList().empty());
    // A command right behind it waits one tick: its send empties the output buffer and
    // would cut the write off on the line.
    engine.StoreTunePoint(2, 2);
    EXPECT_EQ(port.writes.size(), 1u);
    port.advance(100);
    EXPECT_EQ(port.lastWrite(), Hex("63 0E"));
    EXPECT_EQ(port.writes.back().at, 100);
}

TEST_F(TestModeEngineTest, RetryResendsTheWholeLastBurst) {
    engine.SelectTestChannel(3);
    EXPECT_EQ(port.lastWrite(), Hex("10 03"));
    port.advance(300);
    EXPECT_EQ(port.asked, 1);
    ASSERT_EQ(port.writes.size(), 2u);
    EXPECT_EQ(port.lastWrite(), Hex("10 03"));
    // A late reply after the retry completes the step as usual.
    port.reply(Bytes(8, 0x11));
    EXPECT_EQ(port.lastWrite(), Hex("06"));
    port.advance(300); // no answer to the 06 either: only that 06 goes again
    EXPECT_EQ(port.lastWrite(), Hex("06"));
    EXPECT_EQ(port.writes.size(), 4u);
}

// Cancel leaves test mode the proper way: the signalling and the end go out before the
// port is closed.
TEST_F(TestModeEngineTest, CancelOnTimeOutLeavesTestMode) {
    port.retryAnswers = {false};
    engine.SetNarrow();
    engine.SetWide();
    port.advance(300);
    EXPECT_EQ(port.lastWrite(), Hex("11 01"));
    port.ack();
    EXPECT_EQ(port.lastWrite(), Hex("45"));
    port.ack();
    EXPECT_EQ(port.ended, 1);
    EXPECT_TRUE(engine.sendList().empty());
    const auto sent = port.writes.size();
    engine.SetWide(); // the port is closed now: ignored
    EXPECT_EQ(port.writes.size(), sent);
}

TEST_F(TestModeEngineTest, WrongRepliesAreDroppedButTheTimeOutStillComes) {
    engine.SetPtt(true);
    port.now = 100;
    for (const Bytes& wrong : {Hex("15"), Hex("06 06"), Bytes{}})
        port.reply(wrong);
    EXPECT_EQ(engine.sendList().size(), 1);
    // Regression: a wrong reply stopped the time-out, and the list then waited for ever.
    ASSERT_TRUE(port.isRunning(TestTimer::Wait));
    EXPECT_EQ(port.running.at(TestTimer::Wait), 300); // still counted from the send
    port.advance(200);
    EXPECT_EQ(port.asked, 1);
    EXPECT_EQ(port.writes.size(), 2u); // Retry sent the key frame again
    port.ack();
    EXPECT_TRUE(engine.sendList().empty());
    port.reply(Hex("06")); // nothing awaited: dropped without effect
    EXPECT_EQ(port.writes.size(), 2u);
}

// However test mode is left or given up, a key that may be down is released first; a step
// the radio leaves unanswered is passed over without the Retry question, and only an
// unanswered end closes the port with a note, which says whether the radio may still be
// transmitting.
TEST_F(TestModeEngineTest, LeavingReleasesTheKeyAndGoesAsFarAsTheRadioAnswers) {
    enum Start { Close, CloseBehindAWrongReply, CancelTheQuestion };
    struct Case {
        const char* name;
        bool keyDown;
        Start start;
        bool answers;
        std::vector<Bytes> sent; ///< after the key-down
        std::vector<TestNote> notes;
    };
    const Bytes up = Hex("08 0D"), sig = Hex("11 01"), end = Hex("45");
    const Case cases[] = {
        {"close while keyed", true, Close, true, {up, sig, end}, {}},
        {"close while keyed, radio silent",
         true,
         Close,
         false,
         {up, sig, end},
         {TestNote::KeyMayBeDown}},
        {"close unkeyed, radio silent", false, Close, false, {sig, end}, {TestNote::LeaveNoAnswer}},
        {"close behind an unanswered key-down",
         true,
         CloseBehindAWrongReply,
         false,
         {up, sig, end},
         {TestNote::KeyMayBeDown}},
        {"cancel after an unanswered key-down", true, CancelTheQuestion, true, {up, sig, end}, {}},
        {"cancel after an unanswered key-down, radio silent",
         true,
         CancelTheQuestion,
         false,
         {up, sig, end},
         {TestNote::KeyMayBeDown}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeTestPort p;
        TestModeEngine e{p, doc};
        p.engine = &e;
        if (c.keyDown) {
            e.SetPtt(false);
            if (c.start == Close) p.ack();
        }
        const std::size_t keyed = p.writes.size();
        if (c.start == CancelTheQuestion) {
            p.retryAnswers = {false};
            p.advance(300);
        } else {
            if (c.start == CloseBehindAWrongReply) {
                p.reply(Hex("15"));
                e.SetWide();
            }
            e.LeaveTestMode();
        }
        for (int guard = 0; guard < 20 && p.open; ++guard) {
            if (c.answers && p.threshold == 1)
                p.ack();
            else
                p.advance(300);
        }
        std::vector<Bytes> sent;
        for (std::size_t i = keyed; i < p.writes.size(); ++i)
            sent.push_back(p.writes[i].bytes);
        EXPECT_EQ(sent, c.sent);
        EXPECT_EQ(p.notes, c.notes);
        EXPECT_EQ(p.asked, c.start == CancelTheQuestion ? 1 : 0);
        EXPECT_EQ(p.ended, 1);
        EXPECT_TRUE(e.sendList().empty());
        EXPECT_FALSE(e.leaving()); // a later entry starts clean
        EXPECT_FALSE(e.keyed());
    }
}

TEST_F(TestModeEngineTest, SliderDragCoalescesAndEndsOnTheLastValue) {
    // 200 slider steps in one second, held at 120 for the last 80 (a clipped curve).
    for (int step = 0; step < 200; ++step) {
        engine.WriteTunePoint(1, 1, std::min(step, 120)); // "RF High Power", "Low": 0x30
        port.advance(5);
    }
    port.advance(300);
    std::vector<int> values;
    for (const auto& w : port.writes) {
        ASSERT_EQ(w.bytes.size(), 3u);
        EXPECT_EQ(w.bytes[0], 0x30);
        values.push_back(w.bytes[2]);
    }
    EXPECT_LE(values.size(), 11u); // one write per 100 ms tick at most
    EXPECT_EQ(values.back(), 120);
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
    EXPECT_EQ(std::adjacent_find(values.begin(), values.end()), values.end()); // no repeats
    EXPECT_TRUE(port.notes.empty());
}

TEST_F(TestModeEngineTest, OnlyWritesNotYetFollowedByAnotherCommandAreMerged) {
    engine.SetPtt(true); // holds the list while the rest queues
    engine.WriteTunePoint(1, 1, 5);
    engine.WriteTunePoint(1, 1, 6); // replaces 5
    engine.StoreTunePoint(1, 1);
    engine.WriteTunePoint(1, 1, 7); // behind the store: a write of its own
    engine.WriteTunePoint(3, 1, 9);
    engine.WriteTunePoint(1, 1, 8); // replaces 7; the write to 0x31 does not hold it
    port.ack();
    port.advance(1000);
    EXPECT_EQ(written(), (std::vector<Bytes>{Hex("08 0D"), Hex("30 20 06"), Hex("30 0E"),
                                             Hex("30 20 08"), Hex("31 20 09")}));

    engine.SetPtt(true);
    engine.WriteTunePoint(1, 1, 8); // the radio has 8 already
    engine.WriteTunePoint(3, 1, 4);
    engine.WriteTunePoint(3, 1, 9); // back to what was sent: the waiting 4 is dropped
    port.ack();
    port.advance(1000);
    EXPECT_EQ(port.writes.size(), 6u);
    EXPECT_EQ(port.lastWrite(), Hex("08 0D"));

    engine.SetWide(); // the radio reloads its live values: 8 must go again
    port.ack();
    engine.WriteTunePoint(1, 1, 8);
    port.advance(1000);
    EXPECT_EQ(port.lastWrite(), Hex("30 20 08"));
}

TEST_F(TestModeEngineTest, FullListDropsTheEntryWithItsMessage) {
    engine.SetPtt(true); // leaves its await entry waiting
    for (int i = 0; i < 49; ++i)
        engine.StoreTunePoint(0, 1); // two entries each
    EXPECT_EQ(engine.sendList().size(), 99);
    EXPECT_TRUE(port.notes.empty());
    engine.WriteTunePoint(0, 1, 200);
    EXPECT_EQ(port.notes, std::vector<TestNote>{TestNote::CommListFull});
    EXPECT_EQ(engine.sendList().size(), 99);
}

TEST_F(TestModeEngineTest, LeavingSendsSignallingBeforeEnd) {
    engine.state().TestSignal = 7;
    engine.LeaveTestMode();
    EXPECT_EQ(port.lastWrite(), Hex("11 07"));
    port.ack();
    EXPECT_EQ(port.lastWrite(), Hex("45"));
    EXPECT_EQ(port.ended, 0);
    port.ack();
    EXPECT_EQ(port.ended, 1);
    EXPECT_FALSE(port.open);
}

Bytes TuneBlock() {
    Bytes b(62);
    for (std::size_t i = 0; i < b.size(); ++i)
        b[i] = static_cast<std::uint8_t>(100 + i);
    return b;
}

TEST_F(TestModeEngineTest, OpeningTuningLoadsTheItemAndStartsTheWindowTimer) {
    engine.state().TuneItem = 4; // "Max Deviation"
    engine.OpenTuning(4);
    EXPECT_EQ(port.lastWrite(), Hex("05"));
    port.reply(TuneBlock());
    EXPECT_EQ(port.lastWrite(), Hex("06"));
    port.ack();
    EXPECT_EQ(port.lastWrite(), Hex("18 0D")); // address 24 of point "Test"
    EXPECT_FALSE(port.isRunning(TestTimer::TestModeParaFrm));
    port.ack();
    EXPECT_TRUE(port.isRunning(TestTimer::TestModeParaFrm));
    port.advance(300);
    EXPECT_EQ(port.tuningWindows, 1);

    const auto& tp = engine.state().TunePoints;
    EXPECT_EQ(tp.Address, (std::array<int, 6>{24, 36, 0, 37, 0, 38}));
    EXPECT_EQ(tp.Value, (std::array<int, 6>{123, 124, 0, 125, 0, 126}));
    EXPECT_EQ(engine.state().TuneValues, tp.Value);
}

TEST_F(TestModeEngineTest, LoadTuneItemByItemAndBand) {
    engine.StoreTuneBlock(TuneBlock());
    struct Case {
        int item;
        bool wide;
        std::array<int, 6> values;
    };
    const Case cases[] = {
        {1, true, {110, 111, 112, 113, 114, 115}},
        {3, false, {132, 0, 0, 0, 0, 0}}, // narrow: point 6 only
        {10, true, {100, 101, 0, 102, 0, 103}},
        {7, true, {143, 0, 0, 0, 0, 0}},
        {7, false, {144, 0, 0, 0, 0, 0}},
        {8, false, {145, 146, 0, 147, 0, 148}}, // no narrow variant
        {15, true, {158, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        engine.state().TuneItem = c.item;
        engine.state().WideMode = c.wide;
        engine.LoadTuneItem();
        EXPECT_EQ(engine.state().TunePoints.Value, c.values) << "item " << c.item;
        EXPECT_EQ(engine.state().TunePoints.Address[0], TuneAddress(c.item, 0));
    }
}

TEST_F(TestModeEngineTest, ReadPointTakesTheValuesAndAcknowledges) {
    engine.state().TuneItem = 9;
    engine.ReadTunePoint(3, 9); // "Squelch(Tight)", "Center": address 118, four values
    EXPECT_EQ(port.lastWrite(), Hex("76 0D"));
    port.advance(100);
    EXPECT_EQ(port.lastWrite(), Hex("07"));
    EXPECT_EQ(port.threshold, 4);
    port.reply(Hex("0A 0B 0C 0D"));
    EXPECT_EQ(engine.state().TuneValues, (std::array<int, 6>{10, 11, 0, 12, 0, 13}));
    EXPECT_EQ(port.shownData, 1);
    EXPECT_EQ(port.lastWrite(), Hex("06"));
    EXPECT_TRUE(engine.sendList().empty());
}

TEST_F(TestModeEngineTest, PollReadsOneValue) {
    engine.PollTuneValue(12); // "Battery Warning Level" at address 28
    EXPECT_EQ(port.lastWrite(), Hex("1C 0A"));
    port.reply(Hex("9A"));
    EXPECT_EQ(engine.state().TuneValues[0], 0x9A);
    EXPECT_EQ(port.lastWrite(), Hex("06"));
}

// Only points the window wrote go back: an untouched point's address may be shared with
// another item, whose value the radio holds there (Max Deviation's Test over DQT Balance's).
TEST_F(TestModeEngineTest, WriteBackRestoresOnlyTheMovedPointsThenStoresTheLast) {
    struct Case {
        int item;
        bool wide;
        std::vector<int> moved; ///< points the window wrote
        std::vector<Bytes> writeBack;
    } cases[] = {
        {9,
         true,
         {0, 3},
         {Hex("0D 0D"), Hex("0D 20 69"), Hex("76 0D"), Hex("76 20 6B"), Hex("76 0E")}},
        {3, false, {0}, {Hex("18 0D"), Hex("18 20 84"), Hex("18 0E")}},
        {4, true, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        port.writes.clear();
        engine.state().WideMode = c.wide;
        engine.StoreTuneBlock(TuneBlock());
        engine.state().TuneItem = c.item;
        engine.OpenTuning(c.item);
        engine.AbortTestMode();
        port.open = true;
        engine.LoadTuneItem();
        for (int pt : c.moved)
            engine.WriteTunePoint(pt, c.item, 1);
        port.advance(1000);
        port.writes.clear();
        engine.WriteBackTuning(c.item);
        port.advance(1000);
        EXPECT_EQ(written(), c.writeBack);
        EXPECT_TRUE(engine.sendList().empty());
    }
}

TEST_F(TestModeEngineTest, CommandsAreIgnoredWhileThePortIsClosed) {
    port.open = false;
    engine.SetPtt(false);
    engine.EnterTestMode();
    EXPECT_TRUE(port.writes.empty());
    EXPECT_TRUE(engine.sendList().empty());
}

TEST_F(TestModeEngineTest, RadioTestFresFollowTheReplies) {
    engine.UpdateRadioTestFres(4, Hex("01 02 0A FF 45 00 00 00"));
    engine.UpdateRadioTestFres(2, Hex("15 00 00 00 15 00 00 00"));
    ASSERT_EQ(engine.state().RadioTestFres.size(), 2u);
    EXPECT_EQ(engine.state().RadioTestFres[0], (RadioTestFre{4, "01020AFF", "45000000"}));
    engine.UpdateRadioTestFres(4, Hex("44 00 00 00 44 00 00 00"));
    EXPECT_EQ(engine.state().RadioTestFres[0].RxFreq, "44000000");
    engine.UpdateRadioTestFres(4, Bytes(8, 0xFF)); // removed, the later record moves up
    ASSERT_EQ(engine.state().RadioTestFres.size(), 1u);
    EXPECT_EQ(engine.state().RadioTestFres[0].No, 2);

    addDocTestFre(2, "15000000", "15000000");
    EXPECT_TRUE(engine.TestFresMatchDocument());
    doc.TestFres[0].TxFreq.set("15012500");
    EXPECT_FALSE(engine.TestFresMatchDocument());
}

TEST_F(TestModeEngineTest, TestFrequenciesMatchByValue) {
    // A new document keeps "43505" where the radio reports "43505000".
    engine.UpdateRadioTestFres(1, Hex("43 50 50 00 43 51 00 00"));
    addDocTestFre(1, "", "");
    struct Case {
        const char* rx;
        const char* tx;
        bool match;
    };
    for (const Case c : {Case{"43505", "4351", true}, Case{"43505000", "43510000", true},
                         Case{"4350500", "435100", true}, Case{"43505", "43512", false},
                         Case{"4350", "4351", false}, Case{"43505", "FFFFFFFF", false}}) {
        doc.TestFres[0].RxFreq.set(c.rx);
        doc.TestFres[0].TxFreq.set(c.tx);
        EXPECT_EQ(engine.TestFresMatchDocument(), c.match) << c.rx << " " << c.tx;
    }
}

} // namespace
