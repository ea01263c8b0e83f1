#pragma once

#include "jobs/AlignmentDiff.h"
#include "link/TestModeLine.h"

#include <functional>

namespace rv::jobs {

/// A restore as planned and as it came out.
struct RestoreRun {
    TuneBlock kept{};     ///< the kept alignment
    TuneBlock now{};      ///< the radio's alignment before the restore
    TuneBlock expected{}; ///< what the radio should hold once the chosen points are written
    std::vector<PointChange> chosen;
    RestoreCheck check; ///< filled once the block was read back
    bool done = false;  ///< the block was read back
    /// Starts the engine's restore of the chosen writable points.
    void start(rv::link::TestModeEngine& engine, const TuneBlock& before);
    /// Takes the block read back.
    void finish(const rv::link::Bytes& block);
};

/// The points of a restore that have been written so far, "RF High Power Low, ..." .
QString WrittenSoFarText(const std::vector<rv::link::PointValue>& stored, int language);

/// Test mode without windows, for the alignment commands of the command-line tool: enters,
/// keeps the block, restores points and leaves. A reply time-out is retried `retries`
/// times, then given up (leaving as safely as the radio allows).
class AlignmentJob : public rv::link::TestModeLine {
    Q_OBJECT
public:
    AlignmentJob(int language, int retries, QObject* parent = nullptr);

    /// Opens the port and sends the entry sequence; false with the message when the port
    /// cannot be opened.
    bool enter(const QString& device, QString* error);
    /// Writes the chosen changes of `kept` over the block read on entering, then reads the
    /// whole block back (`restore()` says what came of it).
    void restore(const TuneBlock& kept, const std::vector<PointChange>& chosen);
    void leave() { engine_.LeaveTestMode(); }
    /// Drops what is queued and leaves at once (the tool was told to stop).
    void giveUp() { engine_.LeaveSafely(); }

    /// Runs events until `done` holds or test mode ends; false when it ended first.
    bool runUntil(const std::function<bool()>& done);

    bool entered() const { return entered_; }
    bool ended() const { return ended_; }
    const RestoreRun& restoreRun() const { return restore_; }
    /// The restore's points whose store went out, in order.
    std::vector<rv::link::PointValue> restoreStored() const { return engine_.restoreStored(); }
    /// Why test mode ended early, or what went wrong while leaving; empty when nothing did.
    const QString& problem() const { return problem_; }

private:
    void note(rv::link::TestNote n) override;
    std::optional<bool> askRetry() override;
    void endTestMode() override;
    void showTestWindow() override { entered_ = true; }
    void restoreDone(const rv::link::Bytes& block) override { restore_.finish(block); }

    int language_;
    int retriesLeft_;
    bool entered_ = false;
    bool ended_ = false;
    RestoreRun restore_;
    QString problem_;
};

/// The message for a test mode that ended while the radio may still be keyed, or without
/// an answer to leaving.
QString LeaveProblemText(bool keyed, int language);

} // namespace rv::jobs
