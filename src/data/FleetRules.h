#pragma once

#include "FleetUnits.h"
#include "Session.h"

#include <optional>
#include <string>
#include <vector>

namespace rv {

/// The rules of the settings catalogue for the per-radio values of a fleet run writing the
/// document of `base`: each value checked as typing it into its window would be, the own
/// identities (FleetSync own fleet and ID together, the DTMF ID code) that must differ between
/// radios, and the file's value of a key not given per radio.
FleetKeyRules CatalogueRules(const Session& base);

/// The refusal of a key that cannot be given per radio: unknown, or changed by other commands
/// (radio information, model and band). Empty when it can.
std::string PerRadioKeyRefusal(const std::string& key, int language);

/// The document of `base` with the values of `plan` stored; the first refusal when one is
/// refused (nothing checked by `CatalogueRules` is).
std::optional<std::string> ApplyPlan(Session& s, const RadioPlan& plan);

} // namespace rv
