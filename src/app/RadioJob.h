#pragma once

#include "jobs/SafeWrite.h"

#include <QSettings>
#include <QString>

#include <functional>

class QWidget;

namespace rv::ui {
class AppContext;
}

namespace rv::app {

/// The device of the chosen port, after checking that it can be opened; empty after the
/// failure message. Nothing is sent.
QString OpenablePort(ui::AppContext& ctx, QWidget* parent);

/// The program's own settings (the Setup menu's choices, the window's placement, the port).
QSettings ProgramSettings();

/// The Setup menu's choices for writes and reads, kept in the program's settings.
enum class Safety { BackUpBeforeWriting, VerifyAfterWriting, VerifyReads };
bool SafetyChoice(Safety which);
void SetSafetyChoice(Safety which, bool on);

/// The job options the Setup menu asks for; questions go to the user.
rv::jobs::SafeWriteOptions JobOptions();

/// Runs a job with the progress window of `mode` (1 read, 2 write) and the user's answers to
/// its questions. `cancelled` tells whether the user pressed Cancel.
rv::jobs::SafeWriteResult
RunRadioJob(ui::AppContext& ctx, QWidget* parent, int mode,
            const std::function<bool(rv::jobs::SafeWrite&, QString*)>& start, bool* cancelled);

/// The radio job running under its progress window, if any.
rv::jobs::SafeWrite* RunningRadioJob();

} // namespace rv::app
