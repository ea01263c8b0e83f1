#pragma once

#include <QString>

class QWidget;

namespace rv::sim {
class SimRadioPty;
}

namespace rv::ui {

class AppContext;

/// Chooses the port from a command line's `--port`: a number 1 to 8 or "sim" (the built-in
/// simulated radio) as in Setup > Communication Port, anything else as a device path. False
/// with `error` set, and the choice unchanged, for a number outside 1 to 8.
bool ChoosePort(AppContext& ctx, const QString& port, QString* error);

/// The device the service tools open for the chosen port; port 0 is the built-in
/// simulated radio, started on first use. Empty with `error` set when there is none.
QString ServicePortName(const AppContext& ctx, QString* error);

/// Tells the user the port cannot be opened, with `reason` on a line of its own.
void TellCannotOpenPort(const AppContext& ctx, QWidget* parent, const QString& reason);

/// Like `ServicePortName`, but a port number that names no device is told to the user with
/// the usual message and its reason; empty then.
QString ServicePortOrTell(const AppContext& ctx, QWidget* parent);

/// The built-in simulated radio the service tools talk to on port 0 (started if needed;
/// `paced` only matters for the first call).
rv::sim::SimRadioPty* ServiceSimRadio(bool paced = true);

} // namespace rv::ui
