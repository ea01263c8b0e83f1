#pragma once

#include "Cli.h"
#include "sim/SimRadio.h"

#include <optional>

namespace rv::cli {

/// The fault switches of `sim`: --corrupt-write ADDR, --corrupt-read ADDR, --garbage-ident,
/// --hang-up-after N (frames). Addresses in decimal or 0x hex, 0 to 1023. Nullopt, with
/// the reason, for a value that is no such number.
std::optional<rv::sim::SimFaults> SimFaultsOf(const CliArgs& args, LangText* error);

} // namespace rv::cli
