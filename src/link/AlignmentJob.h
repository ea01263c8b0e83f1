#pragma once

#include "link/TestModeLine.h"

#include <functional>

namespace rv::link {

/// Test mode without windows, for the alignment commands of the command-line tool: enters,
/// keeps the block, restores points and leaves. A reply time-out is retried `retries`
/// times, then given up (leaving as safely as the radio allows).
class AlignmentJob : public TestModeLine {
    Q_OBJECT
public:
    AlignmentJob(int language, int retries, QObject* parent = nullptr);
    ~AlignmentJob() override;

    /// Opens the port and sends the entry sequence; false with the message when the port
    /// cannot be opened.
    bool enter(const QString& device, QString* error);
    void restore(const std::vector<rv::service::PointChange>& chosen) {
        restoreDone_ = false;
        engine_.RestoreAlignment(chosen);
    }
    void leave() { engine_.LeaveTestMode(); }
    /// Drops what is queued and leaves at once (the tool was told to stop).
    void giveUp() { engine_.LeaveSafely(); }

    /// Runs events until `done` holds or test mode ends; false when it ended first.
    bool runUntil(const std::function<bool()>& done);

    bool entered() const { return entered_; }
    bool ended() const { return ended_; }
    bool restoreDone() const { return restoreDone_; }
    const std::vector<rv::service::PointChange>& unverified() const { return unverified_; }
    const rv::service::TestModeState& state() const { return engine_.state(); }
    /// Why test mode ended early, or what went wrong while leaving; empty when nothing did.
    const QString& problem() const { return problem_; }

private:
    void timerFired(rv::service::TestTimer t) override { engine_.onTimer(t); }
    void note(rv::service::TestNote n) override;
    bool askRetry() override;
    void endTestMode() override;
    void showTestWindow() override { entered_ = true; }
    void restoreDone(const std::vector<rv::service::PointChange>& unverified) override;

    int language_;
    int retriesLeft_;
    rv::RadioData noDocument_;
    rv::service::TestModeEngine engine_;
    bool entered_ = false;
    bool ended_ = false;
    bool restoreDone_ = false;
    std::vector<rv::service::PointChange> unverified_;
    QString problem_;
};

/// The message for a test mode that ended while the radio may still be keyed, or without
/// an answer to leaving.
QString LeaveProblemText(bool keyed, int language);

} // namespace rv::link
