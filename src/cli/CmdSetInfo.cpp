#include "Commands.h"
#include "RadioOperation.h"

#include "jobs/RadioInfo.h"
#include "jobs/SafeWrite.h"
#include "link/StopSignals.h"

#include <QEventLoop>

#include <cstdio>

namespace rv::cli {

namespace {

constexpr const char* Usage = "set-info [--port PORT] [--model-type T] [--band B] [--serial S] "
                              "[--version V] [--time-sync]";

// Every argument is checked before the radio is touched.
std::optional<rv::jobs::InfoEdits> CheckArguments(const CliArgs& args, std::string* error) {
    rv::jobs::InfoEdits e;
    e.modelType = args.value("--model-type");
    if (const auto b = args.value("--band")) {
        e.bandCodes = rv::jobs::InfoBandCodes(*b);
        if (e.bandCodes.empty()) {
            *error = "unknown band \"" + *b +
                     "\": give a code 0 to 255 or a band as `info` shows it (136 - 174 MHz, "
                     "245 - 246 MHz, 350 - 390 MHz, 400 - 470 MHz, 470 - 512 MHz, 450 - 520 "
                     "MHz); the radio's codes of the other band names are not known";
            return std::nullopt;
        }
    }
    if (args.value("--serial") && args.has("--time-sync")) {
        *error = "--serial and --time-sync both set the serial number; give one";
        return std::nullopt;
    }
    e.serial =
        args.has("--time-sync") ? std::optional(rv::jobs::TodaySerial()) : args.value("--serial");
    e.version = args.value("--version");
    if (e.empty()) {
        *error = "nothing to set: give --model-type, --band, --serial, --version or --time-sync";
        return std::nullopt;
    }
    if (const QString why = rv::jobs::CheckInfoEdits(e, args.language); !why.isEmpty()) {
        *error = why.toStdString();
        return std::nullopt;
    }
    return e;
}

} // namespace

int CmdSetInfo(CliArgs& args) {
    if (!RetriesOf(args)) return UsageError("--retries takes a number 0 to 100", Usage);
    std::string error;
    const auto edits = CheckArguments(args, &error);
    if (!edits) return UsageError(error, Usage);
    const Session s = MakeSession(args);
    const auto target = OpenTarget(args);
    if (!target) return 1;
    EnsureApplication();
    rv::jobs::RadioInfoJob job;
    rv::jobs::AutoAnswers answers(RetriesOf(args).value_or(2), false);
    QEventLoop loop;
    bool ok = false;
    QString message;
    QObject::connect(
        &job, &rv::jobs::RadioInfoJob::question, &job, [&](rv::link::CloneSession::Question q) {
            const bool yes = answers.answer(q);
            std::fprintf(stderr, "%s\n",
                         qPrintable(rv::jobs::AnsweredQuestionText(q, yes, s.CurLanguage)));
            job.answer(q, yes);
        });
    // What changes is said before it is written.
    QObject::connect(&job, &rv::jobs::RadioInfoJob::confirm, &job,
                     [&](const std::vector<rv::jobs::InfoFieldChange>& changes) {
                         std::printf("%s\n",
                                     qPrintable(rv::jobs::InfoChangesText(changes, s.CurLanguage)));
                         job.proceed(true);
                     });
    QObject::connect(&job, &rv::jobs::RadioInfoJob::finished, &job,
                     [&](bool done, const QString& why) {
                         ok = done;
                         message = why;
                         loop.quit();
                     });
    rv::link::StopSignals stop([&job] { job.cancel(); });
    QString why;
    if (!job.startWrite(s, *edits, target->device, &why)) return Fail(why.toStdString());
    loop.exec();
    if (!ok) return Fail(message.toStdString());
    std::printf(job.written() ? "Radio information written.\n"
                              : "The radio already holds this information; nothing was written.\n");
    return 0;
}

} // namespace rv::cli
