#pragma once

#include "data/Session.h"

#include <string>

namespace rv::cli {

/// The document as one JSON object keyed by the record and field names.
std::string DocumentJson(const RadioData& d);

/// The document as a person reads it, in the session's language: the channel table,
/// then every setting by name.
std::string DocumentText(const Session& s);

/// Every setting outside the channel table, one "label: value" line each.
std::string SettingsText(const Session& s);

} // namespace rv::cli
