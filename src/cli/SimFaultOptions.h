#pragma once

#include "Cli.h"
#include "sim/SimRadio.h"

#include <optional>

namespace rv::cli {

/// The fault switches of `sim`: --corrupt-write ADDR, --corrupt-read ADDR, --garbage-ident,
/// --hang-up-after N and --silent-after N (frames), --silent, --other-model. Addresses in
/// decimal or 0x hex, 0 to 1023; frame counts in decimal. Nullopt, with the reason, for a
/// value that is no such number.
std::optional<rv::sim::SimFaults> SimFaultsOf(const CliArgs& args, LangText* error);

/// --count: 1 to 16, 1 when not given; nullopt for anything else.
std::optional<int> SimCountOf(const CliArgs& args);

} // namespace rv::cli
