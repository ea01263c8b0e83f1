#pragma once

#include "sim/SimRadioPty.h"

#include <memory>
#include <string>

namespace rv::sim {

/// The serial number of the `index`th of several simulated radios (0 keeps `first`): the
/// number counted on, so that each radio of a fleet has its own.
std::string NthSerial(const std::string& first, int index);

/// Starts the `index`th simulated radio of a fleet: the demonstration memory, its own serial
/// number. Null with `error` when no pseudo-terminal can be had.
std::unique_ptr<SimRadioPty> StartFleetSim(int index, bool paced, std::string* error);

} // namespace rv::sim
