#pragma once

#include <QString>

namespace rv::link {
class SimRadioPty;
}

namespace rv::ui {

class AppContext;

/// The device the service tools open for the chosen port; port 0 is the built-in
/// simulated radio, started on first use. Empty with `error` set when there is none.
QString ServicePortName(const AppContext& ctx, QString* error);

/// The built-in simulated radio the service tools talk to on port 0 (started if needed;
/// `paced` only matters for the first call).
rv::link::SimRadioPty* ServiceSimRadio(bool paced = true);

} // namespace rv::ui
