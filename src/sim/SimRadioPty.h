#pragma once

#include "link/Os.h"
#include "sim/SimRadio.h"

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>

namespace rv::sim {

/// The time one byte takes on the radio's line: 11 bits at 9600 baud.
inline constexpr std::chrono::nanoseconds ByteTime{11'000'000'000LL / 9600};

/// The simulated radio on a pseudo-terminal: the program opens `devicePath()` like any
/// serial port. The radio side runs in a thread of its own. By default it keeps to the
/// line's pace (a reply starts once the request would have been on the wire, and each
/// byte takes `ByteTime`); fast mode answers at once.
class SimRadioPty {
public:
    explicit SimRadioPty(const rv::MemoryImage& memory = DemoRadioMemory());
    ~SimRadioPty();
    SimRadioPty(const SimRadioPty&) = delete;
    SimRadioPty& operator=(const SimRadioPty&) = delete;

    /// Opens the pseudo-terminal (raw, 9600 8N2) and starts answering; false with `error`
    /// set where the system has no pseudo-terminals.
    bool start(bool paced, std::string* error);
    void stop();
    /// The device the program opens, e.g. /dev/pts/7.
    const std::string& devicePath() const { return pty_.path(); }
    bool hungUp() const { return hungUp_; }
    /// Bytes that went over the line so far, both ways (benchmarks count line time by it).
    long long lineBytes() const { return lineBytes_; }

    /// Runs `f` on the radio while the radio thread waits (to look at its memory or set
    /// fault switches).
    template <class F> auto withRadio(F&& f) {
        std::lock_guard lock(mutex_);
        return f(radio_);
    }

private:
    using Clock = std::chrono::steady_clock;
    void serve();
    void schedule(const std::vector<std::uint8_t>& reply, Clock::time_point requestEnd);
    void writeDue(Clock::time_point now);
    void hangUp();

    SimRadio radio_;
    std::mutex mutex_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> hungUp_{false};
    std::atomic<long long> lineBytes_{0};
    bool paced_ = true;
    link::os::PseudoTerminal pty_;
    // Line model: when the last request byte reaches the radio and when the reply line is
    // free again; the reply waiting to go out and the moment its last byte is through.
    Clock::time_point rxFree_{};
    Clock::time_point txFree_{};
    std::vector<std::uint8_t> outgoing_;
    Clock::time_point outgoingDue_{};
    Clock::time_point lastArrival_{};
    bool idleReported_ = false; ///< the radio was told of the quiet after the last input
};

} // namespace rv::sim
