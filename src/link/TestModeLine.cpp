#include "link/TestModeLine.h"

namespace rv::link {

using rv::link::TestTimer;

TestModeLine::TestModeLine(QObject* parent) : QObject(parent) {
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        const auto which = static_cast<TestTimer>(i);
        timers_[i].setSingleShot(true); // each timer switches itself off when it fires
        timers_[i].setTimerType(Qt::PreciseTimer);
        timers_[i].setInterval(rv::link::IntervalOf(which));
        connect(&timers_[i], &QTimer::timeout, this, [this, which] { timerFired(which); });
    }
}

TestModeLine::~TestModeLine() {
    closeLine();
}

void TestModeLine::stopTimers() {
    for (auto& t : timers_)
        t.stop();
}

void TestModeLine::closeLine() {
    stopTimers();
    port_.close();
}

void TestModeLine::write(const rv::link::Bytes& bytes) {
    port_.send(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                          static_cast<qsizetype>(bytes.size())),
               pendingThreshold_);
}

void TestModeLine::setThreshold(int bytes) {
    // The engine sets the threshold of every frame of a burst before the burst goes out
    // in one write; the last one counts.
    pendingThreshold_ = bytes;
    port_.setThreshold(bytes);
}

void TestModeLine::startTimer(TestTimer t) {
    timers_[static_cast<std::size_t>(t)].start();
}

void TestModeLine::stopTimer(TestTimer t) {
    timers_[static_cast<std::size_t>(t)].stop();
}

} // namespace rv::link
