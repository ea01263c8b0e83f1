#pragma once

#include "data/Session.h"

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace rv::sim {

/// A mode the simulated radio can be switched into by a start frame (test mode).
class SimModeHandler {
public:
    virtual ~SimModeHandler();
    /// Consumes one complete frame from the front of `in` if there is one; appends any reply
    /// to `out`. Returns false when more bytes are needed.
    virtual bool consume(std::deque<std::uint8_t>& in, std::vector<std::uint8_t>& out,
                         rv::MemoryImage& memory) = 0;
};

/// Fault switches of the simulated radio, for tests.
struct SimFaults {
    int silentAfterFrames = -1; ///< answers nothing once this many frames came in (-1 never)
    int hangUpAfterFrames = -1; ///< hangs up the line once this many frames came in
    int corruptBlockAt = -1;    ///< the read block at this address comes back once damaged
    bool otherModel = false;    ///< the ident names another model than its memory holds
    /// Test mode answers this frame with 15 instead of its reply.
    std::vector<std::uint8_t> testModeNakFrame{};
    /// Test mode answers nothing from the first poll ("p 0A") on.
    bool testModeSilentOnPoll = false;
    int corruptWriteAt = -1;   ///< the byte written here is stored with its lowest bit flipped
    int flipReadAt = -1;       ///< reads of this byte come back damaged ...
    int flipReadTimes = 1;     ///< ... this many times, each time differently
    bool garbageIdent = false; ///< answers the ident request with bytes that are no ident
    /// Test mode acknowledges nothing but ignores the store ("p 0E") of this tuning address.
    int testModeStoreLostAt = -1;
    /// Test mode carries this frame out but its reply is lost on the line.
    std::vector<std::uint8_t> testModeReplyLostFrame{};
    /// ... and from then on test mode hears nothing (a radio that hung).
    bool testModeDeadAfterLostReply = false;
};

/// What the radio keeps across test-mode entries: its alignment (the factory's until first
/// used) and its transmitter.
struct SimTestModeKept {
    std::array<std::uint8_t, 62> block{};
    bool set = false;
    bool keyed = false;       ///< the transmitter is keyed
    bool endReceived = false; ///< the last test mode was ended by its end frame
};

/// The handler the radio hands every byte to after "TUNING ", on the alignment the radio
/// keeps. It reads the fault switches as they are when each frame comes in.
std::unique_ptr<SimModeHandler> MakeTestModeHandler(const SimFaults& faults, SimTestModeKept& kept);

/// The radio-information block the radio keeps beside its memory.
struct SimRadioInfo {
    std::string modelType = "4617"; ///< as the radio sends it (shown as 817)
    std::uint8_t typeLetter = 'C';
    std::uint8_t frequencyCode = 65;
    std::string serialNumber = "20261201";
    std::string version = "V1.00"; ///< bytes 1 to 9 of the version block
};

/// The radio side of the clone protocol, bytes in and bytes out, no timing and no I/O.
class SimRadio {
public:
    explicit SimRadio(const rv::MemoryImage& memory);
    ~SimRadio();

    /// Takes bytes off the line and appends every reply they complete to `out`.
    void receive(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>& out);
    /// The line has been quiet after the last byte: a lone P is then a version request,
    /// not the start of PROGRAM.
    void lineIdle(std::vector<std::uint8_t>& out);
    /// Unprocessed bytes wait for more (or for `lineIdle`).
    bool hasPendingInput() const { return !in_.empty(); }
    /// The radio hung up (fault switch); nothing more is answered.
    bool hungUp() const { return hungUp_; }

    rv::MemoryImage& memory() { return memory_; }
    const rv::MemoryImage& memory() const { return memory_; }
    SimRadioInfo& info() { return info_; }
    SimFaults& faults() { return faults_; }
    SimTestModeKept& testModeKept() { return testModeKept_; }
    int framesReceived() const { return frames_; }
    /// The bytes taken off the line, one entry per frame in clone and test mode alike (a byte
    /// of noise is an entry of its own), the latest last; the oldest go once there are more than
    /// 10000.
    const std::vector<std::vector<std::uint8_t>>& frameLog() const { return frameLog_; }
    void clearFrameLog() { frameLog_.clear(); }
    int blocksWritten() const { return blocksWritten_; }
    bool inCloneMode() const { return state_ == State::Clone; }
    bool inTestMode() const { return state_ == State::Test; }

private:
    enum class State { Idle, Clone, Test };

    bool consumeIdle(std::vector<std::uint8_t>& out);
    bool consumeClone(std::vector<std::uint8_t>& out, bool idle);
    bool consumeTest(std::vector<std::uint8_t>& out);
    bool onProgramOrVersion(std::vector<std::uint8_t>& out, bool idle);
    bool onIdentRequest(std::vector<std::uint8_t>& out, bool idle);
    bool onAck(std::vector<std::uint8_t>& out, bool idle);
    bool onEnd(std::vector<std::uint8_t>& out, bool idle);
    bool onReadRequest(std::vector<std::uint8_t>& out, bool idle);
    bool onWriteBlock(std::vector<std::uint8_t>& out, bool idle);
    bool onInfoRequest(std::vector<std::uint8_t>& out, bool idle);
    bool onInfoBlock(std::vector<std::uint8_t>& out, bool idle);
    bool onVersionBlock(std::vector<std::uint8_t>& out, bool idle);
    /// Counts nothing; sends the reply unless a fault switch mutes the radio. True if sent.
    bool answer(std::vector<std::uint8_t>& out, const std::vector<std::uint8_t>& reply);
    bool startsWith(const char* text) const;
    void take(std::size_t n);
    void logFrame(std::vector<std::uint8_t> frame);
    std::vector<std::uint8_t> ident() const;
    std::vector<std::uint8_t> readBlock(int address, int count);
    std::vector<std::uint8_t> infoBlock() const;
    std::vector<std::uint8_t> versionBlock() const;
    void storeInfo(const std::vector<std::uint8_t>& block);
    void run(std::vector<std::uint8_t>& out, bool idle);

    rv::MemoryImage memory_;
    SimRadioInfo info_;
    SimFaults faults_;
    std::deque<std::uint8_t> in_;
    State state_ = State::Idle;
    std::unique_ptr<SimModeHandler> testMode_;
    SimTestModeKept testModeKept_;
    int frames_ = 0;
    std::vector<std::vector<std::uint8_t>> frameLog_;
    int blocksWritten_ = 0;
    int readFlips_ = 0;
    bool corrupted_ = false;
    bool hungUp_ = false;
};

/// The memory of a programmed radio: channels with QT and DQT tones and without transmit,
/// a message, options away from their defaults.
rv::MemoryImage DemoRadioMemory();

} // namespace rv::sim
