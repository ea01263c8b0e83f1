#pragma once

#include "Cli.h"
#include "link/CloneEngine.h"
#include "sim/SimRadioPty.h"

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
