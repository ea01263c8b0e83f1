#include "link/TestModeLine.h"

namespace rv::link {

using rv::link::TestTimer;

TestModeLine::TestModeLine(const rv::RadioData& doc, QObject* parent)
    : QObject(parent), engine_(*this, doc) {
    connect(&port_, &SerialPort::received, this, [this](const QByteArray& b) {
        engine_.TestModeComm(EvReceived, Bytes(b.begin(), b.end()));
    });
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        const auto which = static_cast<TestTimer>(i);
        timers_[i].setSingleShot(true); // each timer switches itself off when it fires
        timers_[i].setTimerType(Qt::PreciseTimer);
        timers_[i].setInterval(rv::link::IntervalOf(which));
        connect(&timers_[i], &QTimer::timeout, this, [this, which] { engine_.onTimer(which); });
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
    port_.send(bytes, pendingThreshold_);
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
