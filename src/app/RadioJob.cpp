#include "RadioJob.h"

#include "Captions.h"
#include "FrmProgress.h"
#include "link/SerialPort.h"
#include "ui/AppContext.h"
#include "ui/Prompt.h"
#include "ui/RadioPort.h"

#include <QPointer>

namespace rv::app {

namespace {

using rv::jobs::SafeWrite;
using rv::jobs::SafeWriteStage;
using rv::link::CloneSession;

struct SafetyRow {
    const char* key;
    bool byDefault;
};
constexpr SafetyRow SafetyRows[] = {
    {"Settings/BackUpBeforeWriting", true},
    {"Settings/VerifyAfterWriting", true},
    {"Settings/VerifyReads", false},
};

const rv::LangText BackupTitle{"Backing up the radio", "备份对讲机"};
const rv::LangText VerifyTitle{"Verifying the radio", "校验对讲机"};
QString StageTitle(const ui::AppContext& ctx, int mode, SafeWriteStage stage) {
    if (stage == SafeWriteStage::Backup) return ui::Tr(ctx, BackupTitle);
    if (stage == SafeWriteStage::Verify) return ui::Tr(ctx, VerifyTitle);
    return ProgressTitle(ctx.lang(), stage == SafeWriteStage::Write ? 2 : mode);
}

} // namespace

QString OpenablePort(ui::AppContext& ctx, QWidget* parent) {
    const QString device = ui::ServicePortOrTell(ctx, parent);
    if (device.isEmpty()) return {};
    QString error;
    rv::link::SerialPort probe;
    if (probe.open(device, ctx.lang(), &error)) return device;
    ui::Tell(ctx, parent, error, rv::MsgIcon::Error);
    return {};
}

QSettings ProgramSettings() {
    return QSettings(QStringLiteral("RV52N"), QStringLiteral("RV52N"));
}

bool SafetyChoice(Safety which) {
    const SafetyRow& row = SafetyRows[static_cast<int>(which)];
    return ProgramSettings().value(QLatin1String(row.key), row.byDefault).toBool();
}

void SetSafetyChoice(Safety which, bool on) {
    ProgramSettings().setValue(QLatin1String(SafetyRows[static_cast<int>(which)].key), on);
}

rv::jobs::SafeWriteOptions JobOptions() {
    rv::jobs::SafeWriteOptions o;
    if (SafetyChoice(Safety::BackUpBeforeWriting)) o.backupDir = rv::jobs::DefaultBackupDir();
    o.verify = SafetyChoice(Safety::VerifyAfterWriting);
    o.readVerify = SafetyChoice(Safety::VerifyReads);
    o.askUser = true;
    o.historyDir = o.backupDir; // the history is kept beside the backups
    return o;
}

namespace {
QPointer<SafeWrite> Running;
} // namespace

rv::jobs::SafeWrite* RunningRadioJob() {
    return Running && Running->isRunning() ? Running.data() : nullptr;
}

rv::jobs::SafeWriteResult RunRadioJob(ui::AppContext& ctx, QWidget* parent, int mode,
                                      const std::function<bool(SafeWrite&, QString*)>& start,
                                      bool* cancelled) {
    SafeWrite job;
    Running = &job;
    FrmProgress progress(ctx, mode, parent);
    rv::jobs::SafeWriteResult result;
    bool userCancelled = false;
    QObject::connect(&job, &SafeWrite::stageStarted, &progress, [&](SafeWriteStage stage, int) {
        progress.setWindowTitle(StageTitle(ctx, mode, stage));
        progress.SetProgressValue(0);
    });
    QObject::connect(&job, &SafeWrite::progress, &progress,
                     [&](SafeWriteStage, int p) { progress.SetProgressValue(p); });
    QObject::connect(&progress, &FrmProgress::cancelRequested, &job, [&] {
        userCancelled = true;
        job.cancel();
    });
    QObject::connect(&job, &SafeWrite::question, &progress, [&](CloneSession::Question q) {
        // During a read or write the connection question offers OK (start again) and Cancel.
        const ui::Answer a =
            q == CloneSession::Question::ModelMismatch
                ? ui::Ask(ctx, &progress, rv::Msg::ModelWrong)
                : ctx.prompt().message(&progress, ProductName,
                                       ui::Tr(ctx, rv::MessageOf(rv::Msg::CheckConnection).text),
                                       rv::MsgButtons::OkCancel, rv::MsgIcon::Question);
        job.answer(q, a == ui::Answer::Ok);
    });
    QObject::connect(&job, &SafeWrite::finished, &progress,
                     [&](const rv::jobs::SafeWriteResult& r) {
                         result = r;
                         progress.finish();
                     });
    QString error;
    if (!start(job, &error)) {
        result.status = rv::jobs::SafeWriteStatus::PortError;
        result.message = error;
    } else if (job.isRunning()) {
        progress.exec();
    }
    if (cancelled) *cancelled = userCancelled;
    return result;
}

} // namespace rv::app
