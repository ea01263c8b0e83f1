#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace rv::cli {

/// While it lives, Ctrl+C, SIGTERM and SIGHUP do not end the process: each calls `onStop`
/// from the event loop, so a transfer can tell the radio End and close its port.
class StopSignals : public QObject {
public:
    explicit StopSignals(std::function<void()> onStop);
    ~StopSignals() override;
    /// The signal that came, or 0.
    int received() const { return received_; }

private:
    std::function<void()> onStop_;
    QSocketNotifier* notifier_ = nullptr;
    int received_ = 0;
};

} // namespace rv::cli
