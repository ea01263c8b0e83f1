#pragma once

#include "link/SerialPort.h"
#include "link/TestModeEngine.h"

#include <QObject>
#include <QTimer>

#include <array>

namespace rv::link {

/// What every host of the test-mode engine does the same way: the engine, the serial port
/// whose bytes it takes, the five test-mode timers and the frames written with the reply
/// length they await. A host adds its questions and what it shows.
class TestModeLine : public QObject, protected rv::link::TestModeHooks {
public:
    /// `doc` holds the test channels the radio's are compared with.
    TestModeLine(const rv::RadioData& doc, QObject* parent = nullptr);
    ~TestModeLine() override;

    TestModeEngine& engine() { return engine_; }
    TestModeState& state() { return engine_.state(); }
    const TestModeState& state() const { return engine_.state(); }

protected:
    bool portOpen() const override { return port_.isOpen(); }
    void write(const rv::link::Bytes& bytes) override;
    void setThreshold(int bytes) override;
    void startTimer(rv::link::TestTimer t) override;
    void stopTimer(rv::link::TestTimer t) override;

    void stopTimers();
    /// Stops every timer and closes the port.
    void closeLine();

    SerialPort port_;
    TestModeEngine engine_;

private:
    std::array<QTimer, 5> timers_;
    int pendingThreshold_ = 0;
};

} // namespace rv::link
