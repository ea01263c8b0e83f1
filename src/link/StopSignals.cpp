#include "link/StopSignals.h"

#include <QSocketNotifier>

#ifndef _WIN32
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace rv::link {

#ifndef _WIN32

namespace {

int Pipe[2] = {-1, -1};
constexpr int Signals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction Previous[3];
bool Held = false;

void OnSignal(int signo) {
    const unsigned char c = static_cast<unsigned char>(signo);
    [[maybe_unused]] const auto n = ::write(Pipe[1], &c, 1);
}

} // namespace

StopSignals::StopSignals(std::function<void()> onStop) : onStop_(std::move(onStop)) {
    if (Pipe[0] < 0 && ::pipe2(Pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = new QSocketNotifier(Pipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        unsigned char c = 0;
        while (::read(Pipe[0], &c, 1) == 1)
            if (!received_) received_ = c;
        if (onStop_) onStop_();
    });
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    for (int i = 0; i < 3; ++i)
        sigaction(Signals[i], &sa, &Previous[i]);
}

void StopSignals::holdToExit() {
    Held = true;
}

StopSignals::~StopSignals() {
    if (!notifier_ || Held) return;
    for (int i = 0; i < 3; ++i)
        sigaction(Signals[i], &Previous[i], nullptr);
}

#else
StopSignals::StopSignals(std::function<void()> onStop) : onStop_(std::move(onStop)) {}
StopSignals::~StopSignals() = default;
void StopSignals::holdToExit() {}
#endif

} // namespace rv::link
