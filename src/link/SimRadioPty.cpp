#include "link/SimRadioPty.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace rv::link {

namespace {

// The quiet time after which a lone P counts as the version request.
constexpr auto IdleGap = 2 * ByteTime;

bool makeRaw(int fd) {
    termios t{};
    if (tcgetattr(fd, &t) != 0) return false;
    cfmakeraw(&t);
    cfsetispeed(&t, B9600);
    cfsetospeed(&t, B9600);
    t.c_cflag |= CSTOPB | CLOCAL | CREAD;
    return tcsetattr(fd, TCSANOW, &t) == 0;
}

timespec toTimespec(std::chrono::nanoseconds d) {
    if (d.count() < 0) d = std::chrono::nanoseconds{0};
    return timespec{static_cast<time_t>(d.count() / 1'000'000'000),
                    static_cast<long>(d.count() % 1'000'000'000)};
}

} // namespace

SimRadioPty::SimRadioPty(const rv::MemoryImage& memory) : radio_(memory) {}

SimRadioPty::~SimRadioPty() {
    stop();
}

bool SimRadioPty::start(bool paced, std::string* error) {
    paced_ = paced;
    char name[256] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0 || !makeRaw(slave_) ||
        pipe(wake_) != 0) {
        if (error) *error = std::string("Cannot create a pseudo-terminal: ") + std::strerror(errno);
        stop();
        return false;
    }
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    path_ = name;
    stop_ = false;
    thread_ = std::thread([this] { serve(); });
    return true;
}

void SimRadioPty::stop() {
    stop_ = true;
    if (wake_[1] >= 0) {
        const char c = 'x';
        [[maybe_unused]] auto n = ::write(wake_[1], &c, 1);
    }
    if (thread_.joinable()) thread_.join();
    for (int* fd : {&master_, &slave_, &wake_[0], &wake_[1]}) {
        if (*fd >= 0) ::close(*fd);
        *fd = -1;
    }
}

void SimRadioPty::hangUp() {
    // Closing the master side is what a pulled cable looks like to the program.
    hungUp_ = true;
    ::close(master_);
    master_ = -1;
    ::close(slave_);
    slave_ = -1;
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
    if (outgoing_.empty() || now < outgoingDue_ || master_ < 0) return;
    const auto n = ::write(master_, outgoing_.data(), outgoing_.size());
    if (n > 0) outgoing_.erase(outgoing_.begin(), outgoing_.begin() + n);
}

void SimRadioPty::serve() {
    std::vector<std::uint8_t> reply;
    while (!stop_ && master_ >= 0) {
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
        const short events = replyDue ? POLLIN | POLLOUT : POLLIN;
        pollfd fds[2] = {{master_, events, 0}, {wake_[0], POLLIN, 0}};
        const timespec ts = toTimespec(wait);
        if (ppoll(fds, 2, &ts, nullptr) < 0 && errno != EINTR) break;
        if (stop_) break;
        const auto t = Clock::now();
        reply.clear();
        if (fds[0].revents & POLLIN) {
            std::uint8_t buf[512];
            const auto n = ::read(master_, buf, sizeof buf);
            if (n > 0) {
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

} // namespace rv::link
