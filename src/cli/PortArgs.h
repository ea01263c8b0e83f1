#pragma once

#include "Cli.h"
#include "jobs/PortFinder.h"
#include "sim/SimRadioPty.h"

#include <QList>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace rv::cli {

/// Simulated radios started for "sim" entries of --ports; they live as long as the list.
using SimRadios = std::vector<std::unique_ptr<rv::sim::SimRadioPty>>;

/// The ports of "--ports 1,2,/dev/ttyUSB3,sim" (numbers 1 to 8 of the port list, device
/// paths, or "sim", which starts a simulated radio into `sims`); without --ports every port
/// found. Nullopt, with the message said and the exit status in `status`, for an empty entry
/// or a port given twice (2, with `usage`) or a port that cannot be had (1, as for --port).
std::optional<QList<rv::jobs::ProbeTarget>> PortsOf(const CliArgs& args, const std::string& usage,
                                                    int* status, SimRadios* sims = nullptr);

} // namespace rv::cli
