#pragma once

#include <QLocale>
#include <QString>

namespace rv::ui {
class AppContext;
}

namespace rv::app {

/// The start-up language of a system locale: Chinese only for Chinese (PRC), else English.
int StartupLanguage(const QLocale& systemLocale);

/// Program state before the main window exists, in start-up order: port 1, the language
/// (also `ShownLanguage` and `LanguageChoice`), default model and band with their limits,
/// the DQT table from the program folder, and a new document. A missing table is reported
/// through the session ("Read dec.TBL File Error!") and start-up goes on.
void StartUp(ui::AppContext& ctx, const QString& programDir, const QLocale& systemLocale);

/// The help file of a language, beside the program or in the installed data folder.
QString HelpFilePath(const QString& programDir, int language);

} // namespace rv::app
