// The test-mode engine against the simulated radio, in process and on a fake clock.
#include "link/FakeTestPort.h"
#include "data/Image.h"
#include "sim/SimRadio.h"

#include <gtest/gtest.h>

using namespace rv::link;
using rv::test::Hex;

namespace {

/// Hands every write to the simulated radio and delivers its reply once `threshold`
/// bytes of it are there, as the serial adapter does.
class SimLinePort : public rv::test::FakeTestPort {
public:
    explicit SimLinePort(const rv::MemoryImage& memory) : radio(memory) {}

    rv::sim::SimRadio radio;
    Bytes pending;
    std::vector<Bytes> restores; ///< the block each restore read back

    void restoreDone(const Bytes& block) override { restores.push_back(block); }

    void write(const Bytes& b) override {
        FakeTestPort::write(b);
        pending.clear(); // both buffers are emptied before a send
        radio.receive(b, pending);
    }

    /// Runs replies and timers until `ms` have passed without anything left to deliver.
    void run(int ms) {
        const int until = now + ms;
        for (int guard = 0; guard < 10000; ++guard) {
            if (threshold > 0 && static_cast<int>(pending.size()) >= threshold) {
                Bytes reply(pending.begin(), pending.begin() + threshold);
                pending.clear();
                now += 5;
                reply.resize(static_cast<std::size_t>(threshold));
                engine->TestModeComm(EvReceived, reply);
                continue;
            }
            int next = until + 1;
            for (const auto& [t, due] : running)
                next = std::min(next, due);
            if (next > until) break;
            advance(next - now);
        }
        now = std::max(now, until);
    }
};

class SimTestModeTest : public ::testing::Test {
protected:
    rv::Session session;
    std::unique_ptr<SimLinePort> port;
    std::unique_ptr<TestModeEngine> engine;

    void SetUp() override { start(); }

    /// A fresh radio, entered.
    void start() {
        session.Image = rv::sim::DemoRadioMemory();
        rv::DecodeImage(session.Image, session);
        port = std::make_unique<SimLinePort>(session.Image);
        engine = std::make_unique<TestModeEngine>(*port, session.Doc);
        port->engine = engine.get();
        engine->InitTestMode();
        engine->EnterTestMode();
        port->run(2000);
    }

    TestModeState& st() { return engine->state(); }

    void openItem(int item) {
        st().TuneItem = item;
        engine->OpenTuning(item);
        port->run(1000);
    }
};

TEST_F(SimTestModeTest, EntryMatchesTheDocumentReadFromTheSameRadio) {
    EXPECT_TRUE(port->notes.empty());
    EXPECT_EQ(port->testWindows, 1);
    EXPECT_EQ(static_cast<int>(st().RadioTestFres.size()), session.Doc.TestFreCount);
    EXPECT_TRUE(port->radio.inTestMode());
}

TEST_F(SimTestModeTest, StoredValueIsReadBackAfterReopening) {
    openItem(1);
    ASSERT_EQ(port->tuningWindows, 1);
    const int before = st().TunePoints.Value[0];
    const int moved = before == 200 ? 190 : 200;

    engine->WriteTunePoint(0, 1, moved);
    engine->ReadTunePoint(0, 1); // not stored yet: the radio reports the live value
    port->run(1000);
    EXPECT_EQ(st().TuneValues[0], moved);

    engine->StoreTunePoint(0, 1);
    engine->WriteBackTuning(1); // closing the tuning window
    port->run(3000);
    openItem(1);
    EXPECT_EQ(st().TunePoints.Value[0], moved);
}

TEST_F(SimTestModeTest, UnstoredValueIsUndoneByTheWriteBack) {
    openItem(8);
    const auto opened = st().TunePoints.Value;
    engine->WriteTunePoint(3, 8, opened[3] + 1);
    engine->WriteBackTuning(8);
    port->run(3000);
    engine->ReadTunePoint(3, 8);
    port->run(1000);
    EXPECT_EQ(st().TuneValues, opened);
}

TEST_F(SimTestModeTest, NarrowBandKeepsAValueOfItsOwn) {
    engine->SetNarrow();
    st().WideMode = false;
    port->run(500);
    openItem(4);
    EXPECT_EQ(st().TunePoints.Value[1], 0); // narrow: only "Test"
    const int wideTest = st().TuneTable[4][0];
    engine->WriteTunePoint(0, 4, st().TunePoints.Value[0] + 3);
    engine->ReadTunePoint(0, 4);
    port->run(1000);
    EXPECT_EQ(st().TuneValues[0], st().TunePoints.Value[0] + 3);
    EXPECT_EQ(st().TuneTable[4][0], wideTest);
}

TEST_F(SimTestModeTest, KeyPollAndLeaveAreAnswered) {
    engine->SetPtt(false);
    engine->SetPtt(true);
    openItem(12);
    st().TuneValues[0] = -1;
    engine->PollTuneValue(12);
    port->run(1000);
    EXPECT_EQ(port->asked, 0); // every reply came in time
    EXPECT_EQ(st().TuneValues[0], st().TunePoints.Value[0]);
    engine->LeaveTestMode();
    port->run(1000);
    EXPECT_EQ(port->ended, 1);
    EXPECT_EQ(port->writes[port->writes.size() - 2].bytes, Hex("11 01"));
    EXPECT_EQ(port->writes.back().bytes, Hex("45"));
}

// A kept alignment goes back through the tuning frames: each point selected, written and
// stored, the band switched for the narrow values and put back, the block read again.
TEST_F(SimTestModeTest, RestoreWritesTheChosenPointsAndVerifiesThem) {
    std::vector<int> everyWritable;
    int readOnly = -1; // a block byte the radio reports but has no tuning address for
    for (const auto& p : AlignmentPoints())
        if (WriteOf(p).address > 0)
            everyWritable.push_back(p.byte);
        else if (readOnly < 0)
            readOnly = p.byte;
    ASSERT_GE(readOnly, 0);
    struct Case {
        const char* name;
        std::vector<int> changed; ///< block bytes the radio no longer holds as kept
        bool narrowShown;         ///< the window is on the narrow band
        int storeLostAt;          ///< the radio ignores the store of this address
        std::vector<int> unverified;
        std::vector<int> leftAlone = {}; ///< changed bytes no restore can write
    };
    const Case cases[] = {
        {"wide points of three items", {11, 47, 54}, false, -1, {}},
        {"narrow values switch the band there and back", {27, 44, 4, 53}, false, -1, {}},
        {"wide points from the narrow band", {11, 32, 56}, true, -1, {}},
        {"every writable point, more than the list holds at once", everyWritable, false, -1, {}},
        {"a store the radio loses is named", {11, 13, 47}, false, 49, {13}},
        {"a point without a tuning address is left alone",
         {11, readOnly},
         false,
         -1,
         {},
         {readOnly}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        start();
        if (c.narrowShown) {
            engine->SetNarrow();
            st().WideMode = false;
            port->run(500);
        }
        TuneBlock kept{};
        std::copy(st().EntryBlock.begin(), st().EntryBlock.end(), kept.begin());
        auto& radioBlock = port->radio.testModeKept().block;
        for (int b : c.changed)
            radioBlock[static_cast<std::size_t>(b)] ^= 0x11;
        port->radio.faults().testModeStoreLostAt = c.storeLostAt;

        std::vector<PointValue> points;
        for (const auto& p : AlignmentPoints())
            if (std::find(c.changed.begin(), c.changed.end(), p.byte) != c.changed.end())
                points.push_back({p, kept[static_cast<std::size_t>(p.byte)]});
        ASSERT_EQ(points.size(), c.changed.size());
        engine->RestoreAlignment(points);
        port->run(120000);
        EXPECT_FALSE(engine->restoring());
        ASSERT_EQ(port->restores.size(), 1u);
        std::vector<int> unverified;
        for (int b : c.changed)
            if (port->restores[0][static_cast<std::size_t>(b)] !=
                    kept[static_cast<std::size_t>(b)] &&
                std::find(c.leftAlone.begin(), c.leftAlone.end(), b) == c.leftAlone.end())
                unverified.push_back(b);
        EXPECT_EQ(unverified, c.unverified);
        if (c.unverified.empty()) {
            TuneBlock expected = kept;
            for (int b : c.leftAlone)
                expected[static_cast<std::size_t>(b)] ^= 0x11;
            EXPECT_EQ(radioBlock, expected);
        }
        EXPECT_EQ(st().Block, Bytes(radioBlock.begin(), radioBlock.end()));
        // The radio is on the band the window shows: its reply has the length awaited.
        engine->ReadTunePoint(0, 4);
        port->run(1000);
        EXPECT_EQ(port->asked, 0);
    }
}

} // namespace
