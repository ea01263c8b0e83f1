#pragma once

#include "data/Messages.h"

#include <optional>
#include <string>
#include <vector>

namespace rv::cli {

/// A refusal of the command line (unknown option, missing value, wrong argument) in the
/// user's language; a message worded elsewhere comes back as it is.
std::string UsageMessage(const std::string& english, int language);

/// "usage: " in the user's language.
std::string UsageWord(int language);

} // namespace rv::cli
