#pragma once

#include "SendList.h"
#include "TuneTables.h"
#include "data/RadioData.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rv::link {

using Bytes = std::vector<std::uint8_t>;

/// The timers of test mode; each is one-shot and stops itself when it fires.
enum class TestTimer { Wait, SendComm, SendEnd, ShowTestFrm, TestModeParaFrm };

/// Interval of a test-mode timer in milliseconds.
int IntervalOf(TestTimer t);

/// What the engine has to tell the user.
enum class TestNote {
    CommListFull,
    SendListError,
    TestFreMismatch,
    LeaveNoAnswer, ///< the radio did not answer while leaving; the port was closed anyway
    KeyMayBeDown   ///< as LeaveNoAnswer, with the transmitter keyed: it may still transmit
};

/// Events of `TestModeComm`.
enum TestEvent { EvSent = 0, EvReceived = 1, EvStart = 2 };

/// Everything the engine does outside itself: the port, the timers, the user, the windows.
class TestModeHooks {
public:
    virtual ~TestModeHooks() = default;
    virtual bool portOpen() const = 0;
    /// Discards both port buffers, then writes the bytes in one piece.
    virtual void write(const Bytes& bytes) = 0;
    /// Bytes that complete the next reply; 0 = none awaited.
    virtual void setThreshold(int bytes) = 0;
    virtual void startTimer(TestTimer t) = 0;
    virtual void stopTimer(TestTimer t) = 0;
    virtual void note(TestNote n) = 0;
    /// The reply time-out question. An answer given at once is returned (true for Retry,
    /// false for Cancel); nullopt leaves it open until `TestModeEngine::answerRetry`.
    virtual std::optional<bool> askRetry() = 0;
    /// Closes the port and returns the link to idle (the end of `AbortTestMode`).
    virtual void endTestMode() = 0;
    virtual void showTestWindow() {}
    virtual void showTuningWindow() {}
    /// New values have arrived for the tuning window (`ShowData`).
    virtual void showData() {}
    /// The tuning block as the radio sent it on entering test mode.
    virtual void entryBlockRead(const Bytes& /*block*/) {}
    /// A restore has read the block again: the block as the radio now holds it.
    virtual void restoreDone(const Bytes& /*block*/) {}
};

/// A tuning point and the value a restore writes to it.
struct PointValue {
    AlignmentPoint at;
    int value = 0;
};

/// A test channel as the radio reported it.
struct RadioTestFre {
    Int16 No = 0;
    std::string RxFreq; ///< 8 upper-case hex digits
    std::string TxFreq;
    bool operator==(const RadioTestFre&) const = default;
};

/// Addresses and values of the selected item's points, taken when the tuning window opens.
struct TunePointSet {
    std::array<int, TunePointSlots> Address{};
    std::array<int, TunePointSlots> Value{};
};

/// The test-mode state shared by the engine and the two test windows.
struct TestModeState {
    bool SendBusy = false;
    bool TestFresMatch = false;
    std::vector<RadioTestFre> RadioTestFres;
    int TestChannel = 1;
    int TestSignal = 1;
    int TuneItem = 0;
    bool WideMode = true;
    bool PttReleased = true;
    std::array<std::array<int, TunePointSlots + 1>, TuneItemCount + 1> TuneTable{};
    TunePointSet TunePoints;
    std::array<int, TunePointSlots> TuneValues{};
    Bytes Ident;      ///< the radio's 8-byte identification on entry
    Bytes EntryBlock; ///< the tuning block as read on entry
    Bytes Block;      ///< the tuning block as last read
};

/// The test-mode protocol: turns commands into queued frames and works them off against
/// the radio's replies and the timers. No port and no clock of its own.
class TestModeEngine {
public:
    TestModeEngine(TestModeHooks& hooks, const rv::RadioData& doc);

    TestModeState& state() { return st_; }
    const TestModeState& state() const { return st_; }
    const SendList& sendList() const { return list_; }

    /// Resets the state and the send list.
    void InitTestMode();
    /// Appends the command's steps; starts at once when the list was idle.
    void TestModeCommand(int op, int p = 0, int q = 0);
    /// The engine: events 0 (send buffer emptied), 1 (bytes received), 2 (start).
    void TestModeComm(int event, const Bytes& received = {});
    /// Sends the last burst again (Retry after a reply time-out).
    void RetrySendList();
    /// The answer to an open reply time-out question: Retry sends the last burst again;
    /// Cancel leaves test mode as safely as the radio allows. Ignored when no question is
    /// open (test mode was left meanwhile).
    void answerRetry(bool retry);
    /// A reply time-out question is open; the list waits for its answer.
    bool asking() const { return asking_; }
    /// The leave sequence is queued: a reply time-out now ends test mode without asking.
    bool leaving() const { return leaving_; }
    /// Empties the list and leaves test mode at once.
    void AbortTestMode();
    /// A timer fired.
    void onTimer(TestTimer t);

    // The commands the windows issue.
    void EnterTestMode();
    void SelectTestChannel(int channelNo) { TestModeCommand(2, channelNo); }
    void SelectTestSignal(int signal) { TestModeCommand(3, signal); }
    void SetWide() { TestModeCommand(4); }
    void SetNarrow() { TestModeCommand(5); }
    void SetPtt(bool released) { TestModeCommand(released ? 6 : 7); }
    void OpenTuning(int item) { TestModeCommand(8, TuneAddress(item, 0)); }
    /// Resends the signalling and ends test mode; a key that is down is released first.
    void LeaveTestMode();
    /// Gives up on whatever is queued: releases a key that may be down, then leaves. A
    /// step that goes unanswered is skipped; if the end goes unanswered too the port is
    /// closed anyway and the user is told (that the radio may still transmit, if keyed).
    void LeaveSafely();
    /// A key-down went out and no key-up has been answered since.
    bool keyed() const { return keyDown_; }
    /// Writes points with the tuning frames, stores each, then reads the block again and
    /// hands it to `restoreDone`. Points without a tuning address are left out; wide-band
    /// points go first.
    void RestoreAlignment(const std::vector<PointValue>& points);
    bool restoring() const { return restoring_; }
    /// The points of the running (or last) restore whose store has gone out, in order.
    std::vector<PointValue> restoreStored() const;
    /// Without a document (the command-line tool) the radio's test channels are taken as
    /// they are instead of being compared with the document's.
    void setTestChannelCheck(bool on) { checkTestFres_ = on; }
    void ReadTunePoint(int point, int item);
    void WriteTunePoint(int point, int item, int value);
    void StoreTunePoint(int point, int item) { TestModeCommand(12, TuneAddress(item, point)); }
    /// Writes the points the window changed back to their values at opening, then stores.
    void WriteBackTuning(int item) { TestModeCommand(13, TunePointCount(item, st_.WideMode)); }
    void PollTuneValue(int item) { TestModeCommand(14, TuneAddress(item, 0)); }
    /// Reads the tuning block again; the radio's live values go back to the stored ones.
    void ReadBlock() { TestModeCommand(16); }

    /// Copies the 62-byte tuning block into `TuneTable`.
    void StoreTuneBlock(const Bytes& block);
    /// Fills `TunePoints` and `TuneValues` for `TuneItem` and `WideMode`.
    void LoadTuneItem();
    /// Takes the 8-byte reply for test channel `channelNo` into `RadioTestFres`.
    void UpdateRadioTestFres(int channelNo, const Bytes& reply);
    /// Whether `RadioTestFres` holds exactly the document's test channels.
    bool TestFresMatchDocument() const;

private:
    void appendStep(int op, int step, int p, int q);
    void append(const SendListEntry& e);
    void appendCommandSteps(int op, int p, int q);
    void appendWriteBack(int op, int count);
    void queueWrite(int op, int address, int value);
    void forgetSentValues() { lastSent_.fill(-1); }
    /// Empties the list and clears what it was doing (keyed, leaving, asking, restoring).
    void resetList();
    bool satisfies(const SendListEntry& e, const Bytes& bytes) const;
    void applyReply(const SendListEntry& e, const Bytes& bytes);
    void sendEntry(const SendListEntry& e, Bytes& out);
    void compareTestFres();
    void topUpRestore();
    void finishRestore(const Bytes& block);
    void leaveTimedOut();

    TestModeHooks& hooks_;
    const rv::RadioData& doc_;
    TestModeState st_;
    SendList list_;
    int lastThreshold_ = 0;
    /// A frame without reply has just gone out: the next command waits one tick so that
    /// its send, which empties the output buffer, cannot cut that frame off.
    bool settling_ = false;
    bool leaving_ = false;
    bool asking_ = false;
    /// The value last written to each tuning address since the radio last reloaded its
    /// live values; -1 = not known.
    std::array<int, 256> lastSent_{};
    /// Addresses the tuning window wrote since it opened or since it stored them, with the
    /// value last written (-1: not moved): only these are written back.
    std::array<int, 256> movedTo_{};
    bool keyDown_ = false;
    bool checkTestFres_ = true;
    bool restoring_ = false;
    bool restoreQueuedNarrow_ = false; ///< the band the queued restore frames leave the radio in
    std::size_t restoreNext_ = 0;
    std::vector<PointValue> restoreList_;
    std::size_t restoreStored_ = 0;
};

} // namespace rv::link
