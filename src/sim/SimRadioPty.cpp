#include "sim/SimRadioPty.h"

#include <algorithm>

namespace rv::sim {

namespace {

// The quiet time after which a lone P counts as the version request.
constexpr auto IdleGap = 2 * ByteTime;

} // namespace

SimRadioPty::SimRadioPty(const rv::MemoryImage& memory) : radio_(memory) {}

SimRadioPty::~SimRadioPty() {
    stop();
}

bool SimRadioPty::start(bool paced, std::string* error) {
    paced_ = paced;
    if (!pty_.open(error)) return false;
    stop_ = false;
    thread_ = std::thread([this] { serve(); });
    return true;
}

void SimRadioPty::stop() {
    stop_ = true;
    pty_.wake();
    if (thread_.joinable()) thread_.join();
    pty_.close();
}

void SimRadioPty::hangUp() {
    // Closing the radio's end is what a pulled cable looks like to the program.
    hungUp_ = true;
    pty_.hangUp();
}

void SimRadioPty::schedule(const std::vector<std::uint8_t>& reply, Clock::time_point requestEnd) {
    if (reply.empty()) return;
    const auto now = Clock::now();
    if (!paced_) {
        outgoing_.insert(outgoing_.end(), reply.begin(), reply.end());
        outgoingDue_ = now;
        return;
    }
    const auto begin = std::max({requestEnd, txFree_, now});
    txFree_ = begin + static_cast<long>(reply.size()) * ByteTime;
    outgoing_.insert(outgoing_.end(), reply.begin(), reply.end());
    outgoingDue_ = txFree_;
}

void SimRadioPty::writeDue(Clock::time_point now) {
    if (outgoing_.empty() || now < outgoingDue_ || !pty_.isOpen()) return;
    const auto n = pty_.write(outgoing_.data(), outgoing_.size());
    if (n > 0) lineBytes_ += n;
    if (n > 0) outgoing_.erase(outgoing_.begin(), outgoing_.begin() + n);
}

void SimRadioPty::serve() {
    using Event = link::os::PseudoTerminal::Event;
    std::vector<std::uint8_t> reply;
    while (!stop_ && pty_.isOpen()) {
        const auto now = Clock::now();
        std::chrono::nanoseconds wait = std::chrono::hours(1);
        // A reply that is due waits for room on the line (a program that does not read
        // fills it), not for the clock.
        const bool replyDue = !outgoing_.empty() && now >= outgoingDue_;
        if (!outgoing_.empty() && !replyDue) wait = outgoingDue_ - now;
        bool pendingInput = false;
        {
            std::lock_guard lock(mutex_);
            pendingInput = radio_.hasPendingInput();
        }
        // The quiet line is reported once per burst of input; bytes the radio keeps after
        // that wait for more input, not for the clock.
        const bool idleDue = pendingInput && !idleReported_;
        if (idleDue) wait = std::min<std::chrono::nanoseconds>(wait, lastArrival_ + IdleGap - now);
        const Event event = pty_.wait(wait, replyDue);
        if (event == Event::Failed || stop_) break;
        const auto t = Clock::now();
        reply.clear();
        if (event == Event::Input) {
            std::uint8_t buf[512];
            const auto n = pty_.read(buf, sizeof buf);
            if (n > 0) {
                lineBytes_ += n;
                lastArrival_ = t;
                idleReported_ = false;
                // The bytes reach the radio one after the other at the line's pace.
                rxFree_ = std::max(rxFree_, t) + n * ByteTime;
                std::lock_guard lock(mutex_);
                radio_.receive({buf, static_cast<std::size_t>(n)}, reply);
                if (radio_.hungUp()) {
                    hangUp();
                    break;
                }
            }
        } else if (idleDue && t - lastArrival_ >= IdleGap) {
            idleReported_ = true;
            std::lock_guard lock(mutex_);
            radio_.lineIdle(reply);
        }
        schedule(reply, paced_ ? rxFree_ : t);
        writeDue(Clock::now());
    }
}

} // namespace rv::sim
