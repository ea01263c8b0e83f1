#pragma once

#include <QString>

class QCommandLineParser;

namespace rv::ui {

class AppContext;

/// Adds "--port PATH" (a port number 1 to 8, a device path or "sim") to the parser.
void AddPortOption(QCommandLineParser& parser);

/// Chooses the port given with --port: a number as COM1 to COM8, "sim" as the simulated
/// radio, anything else as "Other device".
void ChoosePort(AppContext& ctx, const QString& port);

} // namespace rv::ui
