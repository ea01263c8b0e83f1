#include "sim/SimRadio.h"

#include "link/CloneEngine.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace rv::sim {

namespace {

constexpr std::uint8_t Ack = 0x06;
constexpr const char* Program = "PROGRAM";
constexpr const char* Tuning = "TUNING ";
constexpr std::size_t StartFrameLength = 7;

// True when the bytes seen so far could still become `frame`.
bool prefixOf(const std::deque<std::uint8_t>& in, const char* frame) {
    const std::size_t n = std::min(in.size(), std::strlen(frame));
    return std::equal(in.begin(), in.begin() + static_cast<std::ptrdiff_t>(n), frame);
}

} // namespace

SimModeHandler::~SimModeHandler() = default;

SimRadio::SimRadio(const rv::MemoryImage& memory) : memory_(memory) {
    info_.version = "1.00";
}

SimRadio::~SimRadio() = default;

void SimRadio::receive(std::span<const std::uint8_t> bytes, std::vector<std::uint8_t>& out) {
    if (hungUp_) return;
    in_.insert(in_.end(), bytes.begin(), bytes.end());
    run(out, false);
}

void SimRadio::lineIdle(std::vector<std::uint8_t>& out) {
    if (!hungUp_) run(out, true);
}

void SimRadio::run(std::vector<std::uint8_t>& out, bool idle) {
    while (!in_.empty() && !hungUp_) {
        bool progressed = false;
        switch (state_) {
        case State::Idle:
            progressed = consumeIdle(out);
            break;
        case State::Clone:
            progressed = consumeClone(out, idle);
            break;
        case State::Test:
            progressed = consumeTest(out);
            break;
        }
        if (!progressed) return;
    }
}

bool SimRadio::startsWith(const char* text) const {
    const std::size_t n = std::strlen(text);
    return in_.size() >= n &&
           std::equal(in_.begin(), in_.begin() + static_cast<std::ptrdiff_t>(n), text);
}

void SimRadio::take(std::size_t n) {
    logFrame({in_.begin(), in_.begin() + static_cast<std::ptrdiff_t>(n)});
    in_.erase(in_.begin(), in_.begin() + static_cast<std::ptrdiff_t>(n));
}

void SimRadio::logFrame(std::vector<std::uint8_t> frame) {
    if (frameLog_.size() >= 10000) frameLog_.erase(frameLog_.begin());
    frameLog_.push_back(std::move(frame));
}

bool SimRadio::answer(std::vector<std::uint8_t>& out, const std::vector<std::uint8_t>& reply) {
    if (faults_.hangUpAfterFrames >= 0 && frames_ > faults_.hangUpAfterFrames) {
        hungUp_ = true;
        return false;
    }
    if (faults_.silentAfterFrames >= 0 && frames_ > faults_.silentAfterFrames) return false;
    out.insert(out.end(), reply.begin(), reply.end());
    return true;
}

bool SimRadio::consumeIdle(std::vector<std::uint8_t>& out) {
    if (startsWith(Program) || startsWith(Tuning)) {
        const bool tuning = startsWith(Tuning);
        take(StartFrameLength);
        ++frames_;
        if (!answer(out, {Ack})) return true;
        state_ = tuning ? State::Test : State::Clone;
        if (tuning) testMode_ = MakeTestModeHandler(faults_, testModeKept_);
        return true;
    }
    if (prefixOf(in_, Program) || prefixOf(in_, Tuning)) return false;
    take(1); // line noise before a start frame
    return true;
}

bool SimRadio::consumeTest(std::vector<std::uint8_t>& out) {
    if (!testMode_) {
        in_.clear();
        return false;
    }
    const std::vector<std::uint8_t> pending(in_.begin(), in_.end());
    const bool progressed = testMode_->consume(in_, out, memory_);
    // Test-mode frames are logged as clone frames are: what the handler took.
    if (const std::size_t n = pending.size() - in_.size(); n > 0)
        logFrame({pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(n)});
    // End leaves test mode: the next start frame may be a clone's.
    if (testModeKept_.endReceived) {
        testMode_.reset();
        state_ = State::Idle;
    }
    return progressed;
}

} // namespace rv::sim
