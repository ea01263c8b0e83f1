#pragma once

#include "link/TestModeEngine.h"
#include "link/SerialPort.h"

#include <QObject>
#include <QTimer>

#include <array>

class QWidget;

namespace rv::ui {

class AppContext;

/// Test mode on a real port: the engine bound to the serial adapter, the five test-mode
/// timers and the message boxes. Lives from `enter` until test mode ends.
class TestModeHost : public QObject, private rv::service::TestModeHooks {
    Q_OBJECT
public:
    TestModeHost(AppContext& ctx, QWidget* dialogParent, QObject* parent = nullptr);
    ~TestModeHost() override;

    /// Opens the port and sends the entry sequence; false with the message when the port
    /// cannot be opened (nothing is sent then).
    bool enter(const QString& portName, QString* error);
    /// Opens the port without the entry sequence: the windows then drive a radio that is
    /// already in test mode.
    bool openPort(const QString& portName, QString* error);
    /// Test mode is running: the port is open.
    bool active() const { return port_.isOpen(); }

    rv::service::TestModeEngine& engine() { return engine_; }
    rv::service::TestModeState& state() { return engine_.state(); }
    /// The parent of the message boxes (the test mode window once it is open).
    void setDialogParent(QWidget* w) { dialogParent_ = w; }

signals:
    /// The entry sequence matched the document's test channels: show the test mode window.
    void testWindowDue();
    /// The radio acknowledged the selection of a tuning item: show the tuning window.
    void tuningWindowDue();
    /// New tuning values arrived (`ShowData`).
    void valuesArrived();
    /// Test mode is over and the port is closed.
    void ended();

private:
    bool portOpen() const override { return port_.isOpen(); }
    void write(const rv::service::Bytes& bytes) override;
    void setThreshold(int bytes) override;
    void startTimer(rv::service::TestTimer t) override;
    void stopTimer(rv::service::TestTimer t) override;
    void note(rv::service::TestNote n) override;
    bool askRetry() override;
    void endTestMode() override;
    void showTestWindow() override { emit testWindowDue(); }
    void showTuningWindow() override { emit tuningWindowDue(); }
    void showData() override { emit valuesArrived(); }

    void onReceived(const QByteArray& bytes);
    void onPortError(const QString& message);
    QTimer& timer(rv::service::TestTimer t);

    AppContext& ctx_;
    QWidget* dialogParent_;
    rv::link::SerialPort port_;
    std::array<QTimer, 5> timers_;
    rv::service::TestModeEngine engine_;
    int pendingThreshold_ = 0;
};

} // namespace rv::ui
