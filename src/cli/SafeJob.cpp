#include "SafeJob.h"
#include "Commands.h"

#include "data/Image.h"
#include "jobs/JobTexts.h"
#include "link/LinkTexts.h"
#include "link/LocalFiles.h"
#include "link/StopSignals.h"

#include <QFile>

#include <cstdio>

namespace rv::cli {

namespace {

using rv::jobs::SafeWrite;
using rv::jobs::SafeWriteResult;
using rv::jobs::SafeWriteStatus;

std::string Say(const Session& s, const rv::LangText& t) {
    return t[s.CurLanguage];
}

using rv::jobs::JobTexts;

} // namespace

rv::jobs::SafeWriteOptions SafeOptionsOf(const CliArgs& args, const std::string& historyFile) {
    rv::jobs::SafeWriteOptions o;
    // The history is kept beside the backups, also when no backup is kept.
    o.historyDir = BackupDirOf(args);
    if (!args.has("--no-backup")) o.backupDir = o.historyDir;
    o.historyFile = QFile::decodeName(historyFile.c_str());
    o.verify = !args.has("--no-verify");
    o.readVerify = args.has("--verify");
    o.retries = RetriesOf(args).value_or(2);
    o.force = args.has("--force");
    o.askUser = true;
    return o;
}

bool BackupFolderUsable(const Session& s, const rv::jobs::SafeWriteOptions& options) {
    if (options.backupDir.isEmpty()) return true;
    const QString problem = rv::jobs::BackupDirProblem(options.backupDir, s.CurLanguage);
    if (problem.isEmpty()) return true;
    Fail(problem.toStdString());
    return false;
}

bool DocumentEncodes(const Session& s) {
    rv::MemoryImage image{};
    rv::InitImage(image);
    std::string why;
    if (rv::EncodeImage(s.Doc, image, &why)) return true;
    Fail(why + "\n" + Say(s, JobTexts::NothingWritten));
    return false;
}

SafeWriteResult RunSafeJob(const Session& s, const CliArgs& args,
                           const std::function<bool(SafeWrite&, QString*)>& start, int* signalled) {
    SafeWrite job;
    SessionLoop run(args, s.CurLanguage, args.has("--force"));
    SafeWriteResult result;
    // Each stage has its own course 0 to 100; a terminal shows which one runs.
    QObject::connect(&job, &SafeWrite::progress, &job,
                     [](rv::jobs::SafeWriteStage, int p) { SessionLoop::showProgress(p); });
    QObject::connect(&job, &SafeWrite::finished, &job,
                     [&](const SafeWriteResult& r) { result = r; });
    run.attach(job, &SafeWrite::finished);
    QString error;
    if (!start(job, &error)) {
        result.status = SafeWriteStatus::PortError;
        result.message = error;
        return result;
    }
    run.exec();
    // The radio may have been written: its outcome is printed whatever signal comes now.
    if (result.status != SafeWriteStatus::PortError) rv::link::StopSignals::holdToExit();
    if (!result.historyProblem.isEmpty()) Fail(result.historyProblem.toStdString());
    if (signalled) *signalled = run.signalled();
    return result;
}

void PrintBackup(const Session& s, const SafeWriteResult& r) {
    if (!r.backupImage.isEmpty())
        std::printf("%s%s\n", Say(s, JobTexts::BackupKept).c_str(), qPrintable(r.backupImage));
    std::fflush(stdout);
}

int ReportWrite(const Session& s, const CliArgs& args, const SafeWriteResult& r,
                const rv::jobs::SafeWriteOptions& options) {
    PrintBackup(s, r);
    const std::string message = r.message.toStdString();
    switch (r.status) {
    case SafeWriteStatus::Ok:
        std::printf("%s\n", MsgText(Msg::WriteCompleted, s.CurLanguage).c_str());
        if (options.verify) std::printf("%s\n", Say(s, JobTexts::Verified).c_str());
        return 0;
    case SafeWriteStatus::VerifyFailed:
        std::fprintf(stderr, "%s\n", message.c_str());
        return 3;
    case SafeWriteStatus::WrongModel:
        return Fail(message + Say(s, JobTexts::ForceHint));
    case SafeWriteStatus::PartlyWritten:
        if (r.backupImage.isEmpty()) return Fail(message);
        return Fail(message + "\n" + Say(s, JobTexts::RestoreWith) + "rv52n-cli restore " +
                    r.backupImage.toStdString() + " --port " +
                    args.value("--port").value_or("sim"));
    default:
        return Fail(message);
    }
}

void WarnUnknownModel(const Session& s, const rv::MemoryImage& image) {
    const QString warning = rv::jobs::UnknownModelWarning(s, image);
    if (!warning.isEmpty()) std::fprintf(stderr, "rv52n-cli: %s\n", warning.toUtf8().constData());
}

} // namespace rv::cli
