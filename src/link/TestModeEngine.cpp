#include "TestModeEngine.h"

#include <algorithm>
#include <utility>

namespace rv::link {

namespace {

// Stand-ins for the parameters in the frame and step tables.
constexpr int P = -1;
constexpr int Q = -2;

struct FrameRow {
    Int16 frame;
    int length;
    std::array<int, 7> bytes;
};

const FrameRow Frames[] = {
    {FrTuning, 7, {0x54, 0x55, 0x4E, 0x49, 0x4E, 0x47, 0x20}},
    {FrIdent, 1, {0x02}},
    {FrAck, 1, {0x06}},
    {FrBlock, 1, {0x05}},
    {FrChannel, 1, {0x10}},
    {FrParam, 1, {P}},
    {FrSignal, 1, {0x11}},
    {FrWide, 1, {0x46}},
    {FrNarrow, 1, {0x47}},
    {FrSelect, 1, {0x0D}},
    {FrStore, 1, {0x0E}},
    {FrRead, 1, {0x07}},
    {FrWrite, 3, {P, 0x20, Q}},
    {FrPoll, 2, {P, 0x0A}},
    {FrEnd, 1, {0x45}},
    {FrAwait, 0, {}},
};

struct EntryTemplate {
    int frame, condition, threshold, param1, param2;
};

/// Variant of a step: 8 and 11 await a reply only when q is 1.
enum Variant { AnyQ, QIsOne, OtherQ };

struct StepRow {
    int step;
    Variant variant;
    std::vector<EntryTemplate> entries;
};

const StepRow Steps[] = {
    {1, AnyQ, {{1, 0, 1, 0, 0}, {67, 2, 0, 0, 0}}},
    {2, AnyQ, {{2, 0, 8, 0, 0}, {3, 3, 1, 0, 0}, {67, 2, 0, 0, 0}}},
    {3, AnyQ, {{4, 0, 62, 0, 0}, {3, 4, 1, 0, 0}, {67, 2, 0, 0, 0}}},
    {4, AnyQ, {{5, 0, 0, 0, 0}, {6, -76, 8, P, 0}, {3, 5, 1, P, 0}, {67, 2, 0, 0, 0}}},
    {6, AnyQ, {{7, 0, 0, 0, 0}, {6, -76, 1, P, 0}, {67, 2, 0, P, 0}}},
    {7, AnyQ, {{17, 0, 1, 0, 0}, {69, 2, 0, 0, 0}}},
    {8, QIsOne, {{6, 0, 1, P, 0}, {12, -76, 1, 0, 0}, {67, 2, 0, 0, 0}}},
    {8, OtherQ, {{6, 0, 0, P, 0}, {12, -76, 0, 0, 0}}},
    {9, AnyQ, {{14, 0, P, 0, 0}, {3, 6, 0, P, 0}}},
    {10, AnyQ, {{15, 0, 0, P, Q}}},
    {11, QIsOne, {{6, 0, 1, P, 0}, {13, -76, 1, 0, 0}, {67, 2, 0, 0, 0}}},
    {11, OtherQ, {{6, 0, 0, P, 0}, {13, -76, 0, 0, 0}}},
    {12, AnyQ, {{8, 0, 1, 0, 0}, {67, 2, 0, 0, 0}}},
    {13, AnyQ, {{9, 0, 1, 0, 0}, {67, 2, 0, 0, 0}}},
    {16, AnyQ, {{16, 0, 1, P, 0}, {3, 7, 0, P, 0}}},
};

/// The steps of the commands that only queue steps: (command, step, p, q).
const std::array<int, 4> CommandSteps[] = {
    {2, 4, P, 0},  {3, 6, P, 0},  {4, 12, 0, 0},  {5, 13, 0, 0}, {6, 8, 8, 1},
    {7, 11, 8, 1}, {8, 3, 0, 0},  {8, 8, P, 1},   {9, 6, P, 0},  {9, 7, 0, 0},
    {10, 8, P, 2}, {10, 9, Q, 0}, {14, 16, P, 0}, {16, 3, 0, 0},
};

/// The command number of a restore; its steps are those of the tuning window.
constexpr int RestoreOp = 15;
/// Entries one restored point needs at most, with a band switch before it.
constexpr int RestorePointRoom = 12;

Int16 fill(int v, int p, int q) {
    return static_cast<Int16>(v == P ? p : v == Q ? q : v);
}

} // namespace

int IntervalOf(TestTimer t) {
    return t == TestTimer::SendComm ? 100 : 300;
}

TestModeEngine::TestModeEngine(TestModeHooks& hooks, const rv::RadioData& doc)
    : hooks_(hooks), doc_(doc) {
    InitTestMode();
}

void TestModeEngine::InitTestMode() {
    st_ = TestModeState{};
    resetList();
    restoreList_.clear();
    movedTo_.fill(-1);
}

void TestModeEngine::resetList() {
    list_.ResetSendList();
    settling_ = leaving_ = keyDown_ = restoring_ = asking_ = false;
    forgetSentValues();
}

void TestModeEngine::append(const SendListEntry& e) {
    // A full ring loses this entry only; the rest of the command still queues.
    if (!list_.push(e)) hooks_.note(TestNote::CommListFull);
}

void TestModeEngine::appendStep(int op, int step, int p, int q) {
    const Variant v = q == 1 ? QIsOne : OtherQ;
    for (const auto& row : Steps) {
        if (row.step != step || (row.variant != AnyQ && row.variant != v)) continue;
        for (const auto& t : row.entries)
            append({static_cast<Int16>(op), static_cast<Int16>(step), static_cast<Int16>(t.frame),
                    static_cast<Int16>(t.condition), fill(t.threshold, p, q), fill(t.param1, p, q),
                    fill(t.param2, p, q)});
        return;
    }
}

void TestModeEngine::appendCommandSteps(int op, int p, int q) {
    for (const auto& row : CommandSteps)
        if (row[0] == op) appendStep(op, row[1], fill(row[2], p, q), fill(row[3], p, q));
}

void TestModeEngine::appendWriteBack(int op, int count) {
    const auto points = PointsOfCount(count);
    if (points.empty()) return;
    const auto& tp = st_.TunePoints;
    int last = 0;
    for (int pt : points) {
        const auto i = static_cast<std::size_t>(pt);
        // A point the window never wrote is left alone: its address may be shared with
        // another item, whose value the radio holds there now.
        if (movedTo_[static_cast<std::size_t>(tp.Address[i] & 0xFF)] < 0) continue;
        appendStep(op, 8, tp.Address[i], 2);
        appendStep(op, 10, tp.Address[i], tp.Value[i]);
        last = tp.Address[i];
    }
    if (last > 0) appendStep(op, 11, last, 2);
}

// A slider drag gives one write per mouse step, far more than the line carries at one
// write per tick. The radio only needs a point's latest value: a write still waiting takes
// the new value instead of queuing another, and a value the radio already has is not sent.
void TestModeEngine::queueWrite(int op, int address, int value) {
    const bool known = lastSent_[static_cast<std::size_t>(address & 0xFF)] == value;
    // Only the run of writes at the end of the list is looked at: a store or a read queued
    // behind a write must see the value written before it.
    for (int k = list_.size() - 1; k >= 0 && list_.at(k).Frame == FrWrite; --k) {
        SendListEntry& e = list_.at(k);
        if (e.Param1 != address) continue;
        if (e.Op != op) break; // a write-back's write to this point stays as it is
        if (known)
            list_.erase(k);
        else
            e.Param2 = static_cast<Int16>(value);
        return;
    }
    if (!known) appendStep(op, 10, address, value);
}

void TestModeEngine::TestModeCommand(int op, int p, int q) {
    if (!hooks_.portOpen()) return;
    const bool wasIdle = list_.empty() && !settling_;
    if (op == 9) leaving_ = true;
    switch (op) {
    case 1: {
        appendStep(op, 1, 0, 0);
        appendStep(op, 2, 0, 0);
        appendStep(op, 3, 0, 0);
        for (int n = 1; n <= 16; ++n)
            appendStep(op, 4, n, 0);
        int lowest = 16;
        for (int i = 0; i < std::clamp<int>(doc_.TestFreCount, 0, 16); ++i)
            lowest = std::min<int>(lowest, doc_.TestFres[static_cast<std::size_t>(i)].No);
        appendStep(op, 4, lowest, 0);
        appendStep(op, 6, 1, 0);
        break;
    }
    case 11:
        movedTo_[static_cast<std::size_t>(p & 0xFF)] = q;
        queueWrite(op, p, q);
        break;
    case 12:
        // A stored point stays stored: the write-back now returns it to the stored value.
        if (const int v = std::exchange(movedTo_[static_cast<std::size_t>(p & 0xFF)], -1); v >= 0)
            for (std::size_t i = 0; i < st_.TunePoints.Address.size(); ++i)
                if (st_.TunePoints.Address[i] == p) st_.TunePoints.Value[i] = v;
        appendStep(op, 11, p, 2);
        break;
    case 13:
        appendWriteBack(op, p);
        break;
    default:
        if (op == 8) movedTo_.fill(-1);
        appendCommandSteps(op, p, q);
        break;
    }
    if (wasIdle) TestModeComm(EvStart);
}

bool TestModeEngine::satisfies(const SendListEntry& e, const Bytes& b) const {
    switch (e.Condition) {
    case CondAck:
        return b.size() == 1 && b[0] == 0x06;
    case CondIdent:
        return b.size() == 8 && b[0] == 0x50;
    case CondBlock:
        return b.size() == TuneBlockSize;
    case CondChannel:
        return b.size() == 8;
    case CondValues:
        return b.size() == static_cast<std::size_t>(e.Param1);
    case CondOneValue:
        return b.size() == 1;
    default:
        return false; // nothing is awaited
    }
}

void TestModeEngine::applyReply(const SendListEntry& e, const Bytes& b) {
    auto& v = st_.TuneValues;
    switch (e.Condition) {
    case CondAck:
        if (e.Op == 6) keyDown_ = false; // the radio took the key-up
        if (e.Op == 1 && e.Step == 6 && st_.TestFresMatch) {
            st_.TestFresMatch = false;
            hooks_.startTimer(TestTimer::ShowTestFrm);
        } else if (e.Op == 8 && e.Step == 8) {
            hooks_.startTimer(TestTimer::TestModeParaFrm);
        }
        break;
    case CondBlock:
        st_.Block = b;
        if (e.Op == 1) {
            st_.EntryBlock = b;
            StoreTuneBlock(b);
            hooks_.entryBlockRead(b);
        } else if (e.Op == 8 || e.Op == 16) {
            StoreTuneBlock(b);
            LoadTuneItem();
            if (e.Op == 16) hooks_.showData();
        } else if (e.Op == RestoreOp) {
            finishRestore(b);
        }
        break;
    case CondIdent:
        if (e.Op == 1) st_.Ident = b;
        break;
    case CondChannel:
        if (e.Op == 1) {
            UpdateRadioTestFres(e.Param1, b);
            if (e.Param1 == 16) compareTestFres();
        }
        break;
    case CondValues:
        if (b.size() == 1) {
            v[0] = b[0];
        } else if (b.size() == 4) {
            v[0] = b[0], v[1] = b[1], v[3] = b[2], v[5] = b[3];
        } else if (b.size() == 6) {
            std::copy(b.begin(), b.end(), v.begin());
        }
        hooks_.showData();
        break;
    case CondOneValue:
        v[0] = b[0];
        hooks_.showData();
        break;
    default:
        break;
    }
}

void TestModeEngine::sendEntry(const SendListEntry& e, Bytes& out) {
    if (e.Frame == FrLeave) {
        AbortTestMode();
        return;
    }
    for (const auto& f : Frames) {
        if (f.frame != e.Frame) continue;
        for (int i = 0; i < f.length; ++i)
            out.push_back(static_cast<std::uint8_t>(
                fill(f.bytes[static_cast<std::size_t>(i)], e.Param1, e.Param2)));
    }
    if (e.Op == 7 && e.Frame == FrStore) keyDown_ = true; // keyed from now, answered or not
    if (e.Op == RestoreOp && e.Frame == FrStore) ++restoreStored_;
    if (e.Frame == FrWrite) {
        lastSent_[static_cast<std::size_t>(e.Param1 & 0xFF)] = e.Param2;
    } else if (e.Frame == FrTuning || e.Frame == FrBlock || e.Frame == FrWide ||
               e.Frame == FrNarrow || e.Frame == FrEnd) {
        forgetSentValues(); // the radio reloads or switches its live values
    }
    lastThreshold_ = e.Threshold > 0 ? e.Threshold : 0;
    hooks_.setThreshold(lastThreshold_);
    if (e.Threshold > 0) hooks_.startTimer(TestTimer::Wait);
}

void TestModeEngine::TestModeComm(int event, const Bytes& received) {
    // While the user is asked, the list waits for the answer; a late reply is dropped.
    if (asking_) return;
    // A wrong reply leaves the reply time-out running: one stray byte must not leave the
    // head waiting for ever with nothing that could ever end the wait.
    const bool wanted =
        event != EvReceived || (!list_.empty() && satisfies(list_.head(), received));
    if (wanted) hooks_.stopTimer(TestTimer::Wait);
    st_.SendBusy = true;
    if (list_.empty()) return;
    const SendListEntry done = list_.head();
    if (event == EvReceived) {
        if (!wanted) return; // dropped; the head keeps waiting
        applyReply(done, received);
    } else if (event == EvSent) {
        if (done.Condition == CondChained) {
            hooks_.note(TestNote::SendListError);
            list_.pop();
            return;
        }
        if (done.Condition != CondStart) return;
    }
    if (!st_.SendBusy) return; // a test-frequency mismatch stopped the list
    list_.pop();
    topUpRestore();

    Bytes out;
    if (done.Frame == FrAwait) {
        // An await-only entry only closes its step; the next step's first frame goes now.
        if (list_.empty()) return;
        const SendListEntry next = list_.head();
        list_.pop();
        sendEntry(next, out);
    } else {
        // The completed entry's own frame goes out even when it was the last one queued,
        // otherwise a lone write, the 06 after a value reply and the final end would be lost.
        sendEntry(done, out);
    }
    while (!list_.empty()) {
        const SendListEntry e = list_.head();
        if (e.Condition == CondChained) {
            list_.pop();
            sendEntry(e, out);
            continue;
        }
        if (e.Condition == CondStart) hooks_.startTimer(TestTimer::SendComm);
        break;
    }
    if (!out.empty()) hooks_.write(out);
    if (list_.empty() && !out.empty() && lastThreshold_ == 0) {
        settling_ = true;
        hooks_.startTimer(TestTimer::SendComm);
    }
}

void TestModeEngine::RetrySendList() {
    // Back to the first entry of the last burst: the one before its chained followers.
    for (int guard = 0; guard < SendList::Slots - 1; ++guard) {
        list_.stepBack();
        if (list_.head().Condition != CondChained) break;
    }
    TestModeComm(EvStart);
}

void TestModeEngine::AbortTestMode() {
    // The restore's list stays: `restoreStored` tells what an interrupted restore wrote.
    resetList();
    hooks_.stopTimer(TestTimer::Wait);
    hooks_.endTestMode();
}

void TestModeEngine::answerRetry(bool retry) {
    if (!std::exchange(asking_, false)) return;
    if (retry && hooks_.portOpen())
        RetrySendList();
    else
        LeaveSafely(); // a radio left in test mode, or keyed, is not let go of silently
}

void TestModeEngine::onTimer(TestTimer t) {
    hooks_.stopTimer(t);
    switch (t) {
    case TestTimer::Wait:
        if (leaving_) {
            leaveTimedOut();
        } else if (!asking_) {
            asking_ = true;
            if (const auto answer = hooks_.askRetry()) answerRetry(*answer);
        }
        break;
    case TestTimer::SendComm:
        settling_ = false;
        TestModeComm(EvStart);
        break;
    case TestTimer::SendEnd:
        TestModeCommand(9, 1);
        break;
    case TestTimer::ShowTestFrm:
        hooks_.showTestWindow();
        break;
    case TestTimer::TestModeParaFrm:
        hooks_.showTuningWindow();
        break;
    }
}

void TestModeEngine::EnterTestMode() {
    resetList();
    restoreList_.clear();
    st_.TestFresMatch = false;
    TestModeCommand(1);
}

void TestModeEngine::ReadTunePoint(int point, int item) {
    TestModeCommand(10, TuneAddress(item, point), TunePointCount(item, st_.WideMode));
}

void TestModeEngine::WriteTunePoint(int point, int item, int value) {
    TestModeCommand(11, TuneAddress(item, point), std::clamp(value, 0, 255));
}

void TestModeEngine::LeaveTestMode() {
    // A key-down still waiting in the list goes out before the leave: release it after.
    bool keyQueued = keyDown_;
    for (int k = 0; k < list_.size(); ++k)
        if (list_.at(k).Op == 6 || list_.at(k).Op == 7) keyQueued = list_.at(k).Op == 7;
    if (keyQueued) SetPtt(true);
    TestModeCommand(9, st_.TestSignal);
}

void TestModeEngine::LeaveSafely() {
    asking_ = false; // an open question is moot now
    const bool keyed = keyDown_;
    if (!hooks_.portOpen()) {
        AbortTestMode();
        hooks_.note(keyed ? TestNote::KeyMayBeDown : TestNote::LeaveNoAnswer);
        return;
    }
    list_.ResetSendList();
    hooks_.stopTimer(TestTimer::Wait);
    hooks_.stopTimer(TestTimer::SendComm);
    settling_ = restoring_ = false;
    leaving_ = true;
    if (keyed) appendCommandSteps(6, 0, 0);
    appendCommandSteps(9, st_.TestSignal, 0);
    TestModeComm(EvStart);
}

// While leaving, an unanswered step is passed over and only what leads out of test mode
// is kept: the key-up, the signalling and the end. Only the end's silence gives up.
void TestModeEngine::leaveTimedOut() {
    if (!list_.empty()) {
        const SendListEntry h = list_.head();
        if (!(h.Op == 9 && h.Step == 7)) {
            while (!list_.empty() && list_.head().Op == h.Op && list_.head().Step == h.Step)
                list_.pop();
            while (!list_.empty() && list_.head().Op != 9 && !(list_.head().Op == 6 && keyDown_))
                list_.pop();
            if (!list_.empty()) {
                TestModeComm(EvStart);
                return;
            }
        }
    }
    const bool keyed = keyDown_;
    AbortTestMode();
    hooks_.note(keyed ? TestNote::KeyMayBeDown : TestNote::LeaveNoAnswer);
}

void TestModeEngine::RestoreAlignment(const std::vector<PointValue>& points) {
    if (!hooks_.portOpen() || restoring_ || leaving_) return;
    restoreList_.clear();
    for (const auto& c : points)
        if (WriteOf(c.at).address > 0) restoreList_.push_back(c);
    // Wide-band points first: the band is switched at most once each way.
    std::stable_partition(restoreList_.begin(), restoreList_.end(),
                          [](const PointValue& c) { return !WriteOf(c.at).narrow; });
    restoring_ = true;
    restoreNext_ = restoreStored_ = 0;
    restoreQueuedNarrow_ = !st_.WideMode;
    const bool wasIdle = list_.empty() && !settling_;
    topUpRestore();
    if (wasIdle) TestModeComm(EvStart);
}

// A restore may need more entries than the ring holds: its points are queued as room frees
// up, each selected, written and stored as the tuning window does it, then the band is put
// back and the block read again.
void TestModeEngine::topUpRestore() {
    while (restoring_ && restoreNext_ <= restoreList_.size() &&
           list_.size() + RestorePointRoom < SendList::Slots - 1) {
        if (restoreNext_ == restoreList_.size()) {
            if (restoreQueuedNarrow_ == st_.WideMode)
                appendStep(RestoreOp, st_.WideMode ? 12 : 13, 0, 0);
            appendStep(RestoreOp, 3, 0, 0);
            ++restoreNext_;
            return;
        }
        const PointValue& c = restoreList_[restoreNext_++];
        const PointWrite w = WriteOf(c.at);
        if (w.narrow != restoreQueuedNarrow_) {
            appendStep(RestoreOp, w.narrow ? 13 : 12, 0, 0);
            restoreQueuedNarrow_ = w.narrow;
        }
        for (int a : w.select)
            appendStep(RestoreOp, 8, a, 2);
        appendStep(RestoreOp, 10, w.address, c.value);
        appendStep(RestoreOp, 11, w.address, 2);
    }
}

void TestModeEngine::finishRestore(const Bytes& b) {
    StoreTuneBlock(b);
    LoadTuneItem();
    restoring_ = false;
    hooks_.restoreDone(b);
    hooks_.showData();
}

std::vector<PointValue> TestModeEngine::restoreStored() const {
    return {restoreList_.begin(), restoreList_.begin() + static_cast<std::ptrdiff_t>(std::min(
                                                             restoreStored_, restoreList_.size()))};
}

} // namespace rv::link
