#include "Commands.h"
#include "Find.h"
#include "Json.h"
#include "PortArgs.h"
#include "RadioOperation.h"

#include "jobs/FleetTexts.h"
#include "link/LinkTexts.h"

#include <QEventLoop>

namespace rv::cli {

namespace {

void printTable(const QList<rv::jobs::ProbeResult>& found, std::FILE* out, int language) {
    std::fprintf(out, "%s\n", rv::jobs::PortTexts::FindHeader[language].c_str());
    for (const auto& r : found) {
        std::fprintf(out, "%-14s %-20s %-6s %s\n", qPrintable(r.target.port),
                     qPrintable(r.target.device), r.ident->modelCode.c_str(),
                     r.ident->band.c_str());
    }
}

void printJson(const QList<rv::jobs::ProbeResult>& found, std::FILE* out) {
    Json j;
    j.beginArray();
    for (const auto& r : found) {
        j.beginObject();
        j.string("port", r.target.port.toStdString());
        j.string("device", r.target.device.toStdString());
        j.string("model", r.ident->modelCode);
        j.string("band", r.ident->band);
        j.endObject();
    }
    j.endArray();
    std::fprintf(out, "%s\n", j.text().c_str());
}

} // namespace

int FindRadios(const QList<rv::jobs::ProbeTarget>& targets, const FindOptions& options,
               std::FILE* out, std::FILE* err) {
    EnsureApplication();
    rv::jobs::PortFinder finder(options.language);
    if (options.openCheck) finder.setOpenCheck(options.openCheck);
    QEventLoop loop;
    QObject::connect(&finder, &rv::jobs::PortFinder::finished, &loop, &QEventLoop::quit);
    finder.start(targets);
    loop.exec();
    QList<rv::jobs::ProbeResult> found;
    for (const auto& r : finder.results())
        if (r.ident) found << r;
    if (options.json)
        printJson(found, out);
    else if (!found.isEmpty())
        printTable(found, out, options.language);
    if (!found.isEmpty()) return 0;
    // A port that could not even be opened says why, as --port and the fleet rows do.
    for (const auto& r : finder.results())
        if (r.status == rv::jobs::ProbeResult::Status::CannotOpen && !r.permissionDenied)
            std::fprintf(err, "%s: %s\n", qPrintable(r.target.port),
                         qPrintable(QString(r.error).replace(QLatin1Char('\n'), QLatin1Char(' '))));
    const QString advice = finder.permissionAdvice();
    if (!advice.isEmpty())
        std::fprintf(err, "%s\n", qPrintable(advice));
    else
        std::fprintf(err, "%s\n",
                     (targets.isEmpty() ? rv::jobs::PortTexts::NoPorts
                                        : rv::jobs::PortTexts::NoRadio)[options.language]
                         .c_str());
    return 1;
}

int CmdFind(CliArgs& args) {
    EnsureApplication();
    SimRadios sims;
    int status = 0;
    const auto targets = PortsOf(args, args.usage, &status, &sims);
    if (!targets) return status;
    FindOptions options;
    options.language = args.language;
    options.json = args.has("--json");
    return FindRadios(*targets, options, stdout, stderr);
}

} // namespace rv::cli
