#include "Commands.h"
#include "RadioOperation.h"

#include "data/Defaults.h"
#include "jobs/RadioInfo.h"
#include "jobs/SafeWrite.h"

#include <cstdio>

namespace rv::cli {

namespace {

// Every argument is checked before the radio is touched.
std::optional<rv::jobs::InfoEdits> CheckArguments(const CliArgs& args, std::string* error) {
    rv::jobs::InfoEdits e;
    e.modelType = args.value("--model-type");
    if (const auto b = args.value("--band")) {
        e.bandCodes = rv::jobs::InfoBandCodes(*b);
        if (e.bandCodes.empty()) {
            const std::string bands = "136 - 174 MHz, 245 - 246 MHz, 350 - 390 MHz, 400 - 470 MHz, "
                                      "470 - 512 MHz, 450 - 520 MHz";
            *error =
                LangText{"unknown band \"" + *b +
                             "\": give a code 0 to 255 or a band as `info` shows it (" + bands +
                             "); the radio's codes of the other band names are not "
                             "known",
                         "未知频段“" + *b + "”：请给出 0 到 255 的代码或 `info` 显示的频段（" +
                             bands + "）；其他频段名称的代码未知"}[args.language];
            return std::nullopt;
        }
    }
    if (args.value("--serial") && args.has("--time-sync")) {
        *error = LangText{"--serial and --time-sync both set the serial number; give one",
                          "--serial 和 --time-sync 都设置序号；只给出其中一个"}[args.language];
        return std::nullopt;
    }
    e.serial = args.has("--time-sync") ? std::optional(rv::TodaySerial()) : args.value("--serial");
    e.version = args.value("--version");
    if (e.empty()) {
        *error = LangText{"nothing to set: give --model-type, --band, --serial, --version or "
                          "--time-sync",
                          "没有要设置的内容：请给出 --model-type、--band、--serial、--version 或 "
                          "--time-sync"}[args.language];
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
    std::string error;
    const auto edits = CheckArguments(args, &error);
    if (!edits) return UsageErrorSaid(error, args.usage);
    const Session s = MakeSession(args);
    const auto target = OpenTarget(args);
    if (!target) return 1;
    SessionLoop run(args, s.CurLanguage, false);
    rv::jobs::RadioInfoJob job;
    bool ok = false;
    QString message;
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
                     });
    run.attach(job, &rv::jobs::RadioInfoJob::finished);
    QString why;
    if (!job.startWrite(s, *edits, target->device, &why)) return Fail(why.toStdString());
    run.exec();
    if (!ok) return Fail(message.toStdString());
    const LangText said = job.written()
                              ? LangText{"Radio information written.", "对讲机信息已写入。"}
                              : LangText{"The radio already holds this information; nothing was "
                                         "written.",
                                         "对讲机已是这些信息；未写入任何内容。"};
    std::printf("%s\n", said[s.CurLanguage].c_str());
    return 0;
}

} // namespace rv::cli
