#include "Startup.h"

#include "jobs/CodeTables.h"

#include "data/Conversions.h"
#include "data/Defaults.h"
#include "data/Resources.h"
#include "ui/AppContext.h"

namespace rv::app {

int StartupLanguage(const QLocale& systemLocale) {
    const bool prc =
        systemLocale.language() == QLocale::Chinese && systemLocale.territory() == QLocale::China;
    return prc ? rv::Chinese : rv::English;
}

void StartUp(ui::AppContext& ctx, const QString& programDir, const QLocale& systemLocale) {
    auto& s = ctx.session;
    ctx.programDir = programDir;
    ctx.CommPort = 1;
    const int language = StartupLanguage(systemLocale);
    s.CurLanguage = language;
    ctx.ShownLanguage = language;
    ctx.LanguageChoice = language;
    s.CurModelCode = "7415";
    s.CurBand = "400 - 470 MHz";
    rv::SetBandLimits(s);
    rv::jobs::LoadCodeTables(s, programDir.toStdString());
    rv::InitRadioData(s);
}

QString HelpFilePath(const QString& programDir, int language) {
    const QString name = language == rv::Chinese ? QStringLiteral("RVPS-52N_c.html")
                                                 : QStringLiteral("RVPS-52N_e.html");
    return QString::fromStdString(rv::FindResource(programDir.toStdString(), name.toStdString()));
}

} // namespace rv::app
