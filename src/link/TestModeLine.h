#pragma once

#include "link/SerialPort.h"
#include "link/TestModeEngine.h"

#include <QObject>
#include <QTimer>

#include <array>

namespace rv::link {

/// What every host of the test-mode engine does the same way: the serial port, the five
/// test-mode timers and the frames written with the reply length they await. A host adds
/// the engine, its questions and what it shows.
class TestModeLine : public QObject, protected rv::link::TestModeHooks {
public:
    explicit TestModeLine(QObject* parent = nullptr);
    ~TestModeLine() override;

protected:
    bool portOpen() const override { return port_.isOpen(); }
    void write(const rv::link::Bytes& bytes) override;
    void setThreshold(int bytes) override;
    void startTimer(rv::link::TestTimer t) override;
    void stopTimer(rv::link::TestTimer t) override;

    /// A test-mode timer ran out: hand it to the engine.
    virtual void timerFired(rv::link::TestTimer t) = 0;
    void stopTimers();
    /// Stops every timer and closes the port.
    void closeLine();

    SerialPort port_;

private:
    std::array<QTimer, 5> timers_;
    int pendingThreshold_ = 0;
};

} // namespace rv::link
