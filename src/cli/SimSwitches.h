#pragma once

#include "Cli.h"
#include "link/SimRadio.h"

#include <optional>
#include <string>

namespace rv::cli {

/// The fault switches of `sim`: --silent, --silent-after N, --hang-up-after N,
/// --corrupt-block ADDR, --other-model. Nullopt with `error` for a value that is not a
/// number (ADDR may be given in hex, 0x1C0).
std::optional<rv::link::SimFaults> SimFaultsOf(const CliArgs& args, std::string* error);

/// --count: 1 to 16, 1 when not given; nullopt for anything else.
std::optional<int> SimCountOf(const CliArgs& args);

/// The serial number of the `index`th of several simulated radios (0 keeps `first`): the
/// number counted on, so that each radio of a fleet has its own.
std::string NthSerial(const std::string& first, int index);

} // namespace rv::cli
