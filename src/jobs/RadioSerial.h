#pragma once

#include "data/Session.h"

#include <QString>

#include <string>

namespace rv::jobs {

/// The serial number of the radio on `device`, from its radio information; empty when the
/// port cannot be opened, no radio answers or it keeps its information. Asks nothing and
/// tries once: it only helps to choose (the backups of this radio first).
std::string ReadRadioSerial(const rv::Session& s, const QString& device, int replyMs = 300);

} // namespace rv::jobs
