#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace rv::link {

/// While it lives, Ctrl+C, SIGTERM and SIGHUP do not end the process: each calls `onStop`
/// from the event loop, so a transfer can tell the radio End and close its port, and a
/// radio in test mode is let go. Where the system has no such signals it does nothing.
class StopSignals : public QObject {
public:
    explicit StopSignals(std::function<void()> onStop);
    ~StopSignals() override;
    /// The signal that came, or 0.
    int received() const { return received_; }
    /// From now until the process ends a stop signal is only taken note of, also once this
    /// object is gone: what a job that has ended has to say is said in full.
    static void holdToExit();

private:
    std::function<void()> onStop_;
    QSocketNotifier* notifier_ = nullptr;
    int received_ = 0;
};

} // namespace rv::link
