// The test-mode engine against the simulated radio, in process and on a fake clock.
#include "FakeTestPort.h"
#include "data/Image.h"
#include "link/SimRadio.h"

#include <gtest/gtest.h>

using namespace rv::service;
using rv::test::Hex;

namespace {

/// Hands every write to the simulated radio and delivers its reply once `threshold`
/// bytes of it are there, as the serial adapter does.
class SimLinePort : public rv::test::FakeTestPort {
public:
    explicit SimLinePort(const rv::MemoryImage& memory) : radio(memory) {}

    rv::link::SimRadio radio;
    Bytes pending;

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

    void SetUp() override {
        session.Image = rv::link::DemoRadioMemory();
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

} // namespace
