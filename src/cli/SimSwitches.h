#pragma once

#include "Cli.h"
#include "link/SimRadio.h"

#include <optional>
#include <string>

namespace rv::cli {

/// The switches of `sim` that make a radio keep quiet or look like another: --silent,
/// --silent-after N (frames), --other-model. False with `error` for a value that is not a
/// number.
bool AddSilenceSwitches(const CliArgs& args, rv::link::SimFaults& faults, std::string* error);

/// --count: 1 to 16, 1 when not given; nullopt for anything else.
std::optional<int> SimCountOf(const CliArgs& args);

/// The serial number of the `index`th of several simulated radios (0 keeps `first`): the
/// number counted on, so that each radio of a fleet has its own.
std::string NthSerial(const std::string& first, int index);

} // namespace rv::cli
