#pragma once

#include "Cli.h"
#include "jobs/SafeWrite.h"
#include "link/CloneSession.h"
#include "link/StopSignals.h"
#include "sim/SimRadioPty.h"

#include <QEventLoop>
#include <QString>

#include <memory>
#include <optional>
#include <string>

namespace rv::cli {

/// The radio a command talks to: a device, or the built-in simulated radio.
struct RadioTarget {
    QString device;
    std::unique_ptr<rv::sim::SimRadioPty> sim; ///< set when --port sim (the default)
};

/// Starts a simulated radio; prints why not (in the user's language where the system has
/// no pseudo-terminals) and returns false when it cannot.
bool StartSimRadio(rv::sim::SimRadioPty& sim, bool paced, const CliArgs& args);

/// Resolves --port: a device path, a port number 1 to 8, or "sim" (also when not given),
/// which starts the built-in simulated radio. Prints the error and returns nullopt on failure.
std::optional<RadioTarget> OpenTarget(const CliArgs& args);

/// The event loop a job of the radio runs in, without a user: its questions ("Check
/// Connection. Retry or Cancel?", a model mismatch) are answered as --retries and `force` say
/// and the answer is said on stderr, its progress shows on a terminal, and a stop signal
/// cancels it.
class SessionLoop {
public:
    SessionLoop(const CliArgs& args, int language, bool force);

    /// Answers `job`'s questions, cancels it on a stop signal and ends the loop on `finished`.
    template <class Job, class Finished> void attach(Job& job, Finished finished) {
        QObject::connect(
            &job, &Job::question, &job,
            [this, &job](rv::link::CloneSession::Question q) { job.answer(q, decide(q)); });
        QObject::connect(&job, finished, &loop_, &QEventLoop::quit);
        stop_.emplace([&job] { job.cancel(); });
    }
    /// Shows a percentage on stderr when it is a terminal.
    static void showProgress(int percent);
    /// Runs until the job has finished.
    void exec();
    /// The stop signal that came, or 0.
    int signalled() const { return stop_ ? stop_->received() : 0; }

private:
    bool decide(rv::link::CloneSession::Question q);

    QEventLoop loop_;
    rv::jobs::AutoAnswers answers_;
    int language_;
    std::optional<rv::link::StopSignals> stop_;
};

/// How a radio operation ended.
struct OperationResult {
    bool ok = false;
    rv::link::Outcome outcome = rv::link::Outcome::Success;
    std::string message;
};

/// Runs one clone operation (modes 1 to 4) to its end without a user: "Check Connection.
/// Retry or Cancel?" is answered Retry up to --retries times (default 2), then Cancel; a
/// model mismatch is answered by `force`. Progress goes to stderr when it is a terminal.
OperationResult RunOperation(rv::Session& s, int mode, const RadioTarget& target,
                             const CliArgs& args, bool force = false);

/// The tool has no application object of its own; the ports and timers need one.
void EnsureApplication();

/// --retries: a number 0 to 100; nullopt for anything else.
std::optional<int> RetriesOf(const CliArgs& args);

} // namespace rv::cli
