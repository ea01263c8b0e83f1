// The clone engine against a radio that answers, garbles, stays silent or drops off, with
// a user who answers, cancels or pulls the cable, in all four modes. Whatever happens:
// nothing is sent once the operation has ended, no time-out runs while a question is open,
// every write block lies inside the write map and carries the document's bytes, every
// operation ends, and an operation that fails leaves the document as it was.
#include "data/DataFile.h"
#include "data/Defaults.h"
#include "data/Image.h"
#include "link/CloneEngine.h"
#include "sim/SimRadio.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <deque>

namespace {

using rv::link::Bytes;
using rv::link::CloneEngine;
using rv::link::Outcome;
using rv::link::Question;

constexpr std::uint8_t End = 0x45;
constexpr std::uint8_t WriteCmd = 0x57;

// Reads the fuzzer's bytes one at a time; zeros once they run out.
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

// The write map: everything below 0x180, and 0x1B8 up to the end of the written part.
bool InsideWriteMap(int address, int size) {
    const int end = address + size;
    return (address >= 0 && end <= 0x180) || (address >= 0x1B8 && end <= 0x340);
}

struct Host : rv::link::CloneHost {
    rv::Session s;
    rv::sim::SimRadio radio{rv::sim::DemoRadioMemory()};
    CloneEngine engine{s, *this};
    int mode = 0;
    std::deque<Bytes> inbox;
    bool timer = false;
    bool finished = false;
    bool endSent = false;
    Outcome outcome = Outcome::Success;

    void send(const Bytes& frame, int replyLength) override {
        Check(!finished && !frame.empty() && replyLength > 0);
        // After End only End again (a cancel while ending) may go out.
        Check(!endSent || (frame.size() == 1 && frame[0] == End));
        if (frame.size() == 1 && frame[0] == End) endSent = true;
        if (frame[0] == WriteCmd && frame.size() >= 4) checkWriteBlock(frame);
        inbox.clear(); // both port buffers are emptied before the frame goes out
        Bytes out;
        radio.receive(frame, out);
        radio.lineIdle(out);
        if (!out.empty()) inbox.push_back(out);
    }
    void checkWriteBlock(const Bytes& frame) {
        Check(mode == rv::link::WriteRadio);
        const int address = (frame[1] << 8) | frame[2];
        const int size = frame[3];
        Check(frame.size() == static_cast<std::size_t>(size) + 4 && InsideWriteMap(address, size));
        Check(std::equal(frame.begin() + 4, frame.end(), s.Image.begin() + address));
    }
    void startWaitTimer() override {
        Check(!finished && !engine.questionPending());
        timer = true;
    }
    void stopWaitTimer() override { timer = false; }
    void ask(Question) override { Check(!finished && !timer); }
    void showProgress(int percent) override { Check(percent >= 0 && percent <= 100); }
    void finish(Outcome o, const std::string& message) override {
        Check(!finished && (o == Outcome::Success) == message.empty());
        finished = true;
        outcome = o;
    }
};

// One event chosen by the input.
void Step(Host& h, Input& in) {
    const std::uint8_t op = in.next();
    switch (op % 8) {
    case 0: // the radio's reply as it stands
    case 1: // the reply with one byte damaged
        if (h.inbox.empty()) return;
        {
            Bytes reply = h.inbox.front();
            h.inbox.pop_front();
            if (op % 8 == 1)
                reply[in.next() % reply.size()] ^= static_cast<std::uint8_t>(in.next() | 1);
            h.engine.onReceived(reply);
        }
        return;
    case 2: { // any bytes
        Bytes junk(in.next() % 80);
        for (auto& b : junk)
            b = in.next();
        h.engine.onReceived(junk);
        return;
    }
    case 3:
        if (h.timer) h.engine.onTimeout();
        return;
    case 4:
        h.engine.answer(in.next() & 1);
        return;
    case 5:
        h.engine.cancel();
        return;
    case 6:
        h.engine.portFailed("The connection to the radio was lost.");
        return;
    default: // the reply is lost on the line
        if (!h.inbox.empty()) h.inbox.pop_front();
        return;
    }
}

// A patient user who refuses every question: the operation must come to an end.
void Drain(Host& h) {
    for (int i = 0; i < 5000 && !h.finished; ++i) {
        if (!h.inbox.empty()) {
            const Bytes reply = h.inbox.front();
            h.inbox.pop_front();
            h.engine.onReceived(reply);
        } else if (h.engine.questionPending()) {
            h.engine.answer(false);
        } else if (h.timer) {
            h.engine.onTimeout();
        } else {
            break;
        }
    }
    Check(h.finished);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in{data, size};
    Host h;
    const std::uint8_t setup = in.next();
    h.mode = 1 + setup % 4;
    rv::InitRadioData(h.s, "20260101");
    // Half the runs write to a radio of another model (the overwrite question).
    if (setup & 4) {
        h.s.CurModelCode = "582";
        h.s.CurBand = "136 - 174 MHz";
    }
    if (setup & 8) h.radio.faults().otherModel = true;
    const rv::Record before = rv::ToRecord(h.s.Doc);
    const std::string modelBefore = h.s.CurModelCode;
    std::string error;
    Check(h.engine.prepare(h.mode, &error));
    h.engine.SendProgram();
    for (int events = 0; in.more() && !h.finished && events < 4000; ++events) {
        Step(h, in);
        Check(!(h.engine.questionPending() && h.timer));
    }
    Drain(h);
    // Every event after the end is ignored: nothing goes out (send checks it).
    h.engine.onTimeout();
    h.engine.cancel();
    h.engine.answer(true);
    h.engine.onReceived(Bytes{0x06});
    const bool reads = h.mode == rv::link::ReadRadio || h.mode == rv::link::ReadRadioInfo;
    if (!reads || h.outcome != Outcome::Success)
        Check(rv::ToRecord(h.s.Doc) == before && h.s.CurModelCode == modelBefore);
    return 0;
}
