#pragma once

#include "Cli.h"
#include "sim/SimRadio.h"

#include <optional>
#include <string>

namespace rv::cli {

/// The switches of `sim` that make a radio keep quiet or look like another: --silent,
/// --silent-after N (frames), --other-model. False with `error` for a value that is not a
/// number.
bool AddSilenceSwitches(const CliArgs& args, rv::sim::SimFaults& faults, LangText* error);

/// --count: 1 to 16, 1 when not given; nullopt for anything else.
std::optional<int> SimCountOf(const CliArgs& args);

} // namespace rv::cli
