// The test-mode engine against a radio that answers, garbles or stays silent, with the
// windows' commands, the timers and the retry question in any order. Whatever happens:
// nothing is written to a closed port, no reply time-out runs while the user is asked or
// after test mode has ended, the queue stays within its ring, and the radio's test
// channels and alignment values stay within their ranges.
#include "sim/SimRadio.h"
#include "link/TestModeEngine.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <set>

namespace {

using rv::link::Bytes;
using rv::link::TestModeEngine;
using rv::link::TestTimer;

struct Input {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    bool more() const { return at < size; }
    std::uint8_t next() { return at < size ? data[at++] : 0; }
};

void Check(bool ok) {
    if (!ok) std::abort();
}

struct Hooks : rv::link::TestModeHooks {
    Input* in = nullptr;
    rv::sim::SimRadio radio{rv::sim::DemoRadioMemory()};
    std::deque<Bytes> inbox;
    std::set<TestTimer> running;
    bool open = true;
    int threshold = 0;

    bool portOpen() const override { return open; }
    void write(const Bytes& bytes) override {
        Check(open && !bytes.empty());
        inbox.clear();
        Bytes out;
        radio.receive(bytes, out);
        if (!out.empty()) inbox.push_back(out);
    }
    void setThreshold(int bytes) override {
        Check(bytes >= 0);
        threshold = bytes;
    }
    void startTimer(TestTimer t) override {
        Check(t != TestTimer::Wait || (open && threshold > 0));
        running.insert(t);
    }
    void stopTimer(TestTimer t) override { running.erase(t); }
    void note(rv::link::TestNote) override {}
    std::optional<bool> askRetry() override {
        Check(running.count(TestTimer::Wait) == 0);
        return in->next() & 1;
    }
    void endTestMode() override {
        Check(running.count(TestTimer::Wait) == 0);
        open = false;
    }
};

void Command(TestModeEngine& e, Input& in) {
    const int op = in.next() % 12;
    const int a = in.next();
    const int b = in.next();
    switch (op) {
    case 0:
        return e.EnterTestMode();
    case 1:
        return e.SelectTestChannel(a % 18);
    case 2:
        return e.SelectTestSignal(a % 8);
    case 3:
        return (a & 1) ? e.SetWide() : e.SetNarrow();
    case 4:
        return e.SetPtt(a & 1);
    case 5:
        e.state().TuneItem = a % 16;
        return e.OpenTuning(a % 16);
    case 6:
        return e.LeaveTestMode();
    case 7:
        return e.ReadTunePoint(a % 8, b % 16);
    case 8:
        return e.WriteTunePoint(a % 8, b % 16, in.next() * 2 - 128);
    case 9:
        return e.StoreTunePoint(a % 8, b % 16);
    case 10:
        return e.WriteBackTuning(a % 16);
    default:
        return e.PollTuneValue(a % 16);
    }
}

void Step(TestModeEngine& e, Hooks& h, Input& in) {
    const std::uint8_t op = in.next();
    switch (op % 7) {
    case 0: // the radio's reply
    case 1: // the reply with one byte damaged
        if (h.inbox.empty() || !h.open) return;
        {
            Bytes reply = h.inbox.front();
            h.inbox.pop_front();
            if (op % 7 == 1)
                reply[in.next() % reply.size()] ^= static_cast<std::uint8_t>(in.next() | 1);
            e.TestModeComm(rv::link::EvReceived, reply);
        }
        return;
    case 2: { // any bytes
        if (!h.open) return;
        Bytes junk(in.next() % 70);
        for (auto& b : junk)
            b = in.next();
        return e.TestModeComm(rv::link::EvReceived, junk);
    }
    case 3: { // the timer chosen fires, if it runs
        const auto t = static_cast<TestTimer>(in.next() % 5);
        if (h.running.count(t)) e.onTimer(t);
        return;
    }
    case 4:
        return e.TestModeComm(rv::link::EvSent);
    case 5:
        return Command(e, in);
    default: // the port is opened again for a new session
        if (!h.open && (in.next() & 1)) {
            h.open = true;
            e.InitTestMode();
        }
        return;
    }
}

void CheckState(const TestModeEngine& e) {
    const auto& st = e.state();
    Check(e.sendList().size() < rv::link::SendList::Slots);
    Check(st.RadioTestFres.size() <= 16);
    for (const auto& r : st.RadioTestFres)
        Check(r.RxFreq.size() == 8 && r.TxFreq.size() == 8);
    for (int v : st.TuneValues)
        Check(v >= 0 && v <= 255);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in{data, size};
    rv::RadioData doc;
    doc.TestFreCount = static_cast<rv::Int16>(in.next() % 18);
    for (int i = 0; i < std::min<int>(doc.TestFreCount, 16); ++i) {
        auto& t = doc.TestFres[static_cast<std::size_t>(i)];
        t.No = static_cast<rv::Int16>(1 + in.next() % 16);
        t.RxFreq.set("43000000");
        t.TxFreq.set("43100000");
    }
    Hooks h;
    h.in = &in;
    TestModeEngine engine(h, doc);
    engine.InitTestMode();
    engine.EnterTestMode();
    for (int events = 0; in.more() && events < 4000; ++events) {
        Step(engine, h, in);
        CheckState(engine);
    }
    return 0;
}
