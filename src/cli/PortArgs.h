#pragma once

#include "Cli.h"
#include "jobs/PortFinder.h"

#include <QList>

#include <optional>
#include <string>

namespace rv::cli {

/// The ports of "--ports 1,2,/dev/ttyUSB3" (numbers 1 to 8 of the port list, or device
/// paths); without --ports every port found. Nullopt with `error` for a number that names
/// no port or an empty entry.
std::optional<QList<rv::jobs::ProbeTarget>> PortsOf(const CliArgs& args, std::string* error);

/// The text in the user's language: English or Chinese.
inline const char* InLanguage(int language, const char* english, const char* chinese) {
    return language == Chinese ? chinese : english;
}

} // namespace rv::cli
