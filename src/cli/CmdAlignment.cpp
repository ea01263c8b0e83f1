// The radio's alignment from the command line: keep it, and write a kept one back.
#include "Commands.h"
#include "RadioOperation.h"

#include "jobs/AlignmentJob.h"
#include "jobs/AlignmentStore.h"
#include "jobs/SafeWrite.h"
#include "link/StopSignals.h"

#include <QDateTime>

#include <cstdio>

namespace rv::cli {

namespace {

using rv::jobs::AlignmentJob;
using rv::jobs::AlignmentRecord;
using rv::jobs::PointChange;
using rv::jobs::PointLabel;

std::string S(const QString& q) {
    return q.toStdString();
}

/// Test mode on the target: the radio's identity read first, then entered and its block
/// kept in the backups folder as every entry does.
struct Entered {
    RadioTarget target; ///< outlives the job: a simulated radio ends with it
    std::unique_ptr<AlignmentJob> job;
    /// A stop request (Ctrl+C, SIGTERM) leaves test mode before the tool ends.
    std::unique_ptr<rv::link::StopSignals> stop;
    AlignmentRecord now;
    QString keptAs;
};

std::optional<Entered> Enter(CliArgs& args) {
    auto target = OpenTarget(args);
    if (!target) return std::nullopt;
    Session s = MakeSession(args);
    // As in the window: a radio that does not give its information is still entered, and
    // its alignment is kept without a serial number.
    const auto info = RunOperation(s, rv::link::ReadRadioInfo, *target, args);
    if (!info.ok)
        std::fprintf(stderr, "rv52n-cli: %s %s\n", info.message.c_str(),
                     LangText{"The alignment is kept without a serial number.",
                              "校准数据将不带序号保存。"}[args.language]
                         .c_str());
    Entered e;
    e.target = std::move(*target);
    // A --retries the tool refused never gets here.
    e.job = std::make_unique<AlignmentJob>(args.language, RetriesOf(args).value_or(2));
    e.stop = std::make_unique<rv::link::StopSignals>([job = e.job.get()] { job->giveUp(); });
    QString error;
    if (!e.job->enter(e.target.device, &error)) {
        Fail(S(error));
        return std::nullopt;
    }
    const bool in = e.job->runUntil([&] { return e.job->entered(); });
    if (!in || e.job->state().EntryBlock.size() != rv::link::TuneBlock{}.size()) {
        Fail(e.job->problem().isEmpty() ? LangText{"The radio did not enter test mode.",
                                                   "对讲机未进入测试模式。"}[args.language]
                                        : S(e.job->problem()));
        return std::nullopt;
    }
    const auto& st = e.job->state();
    e.now =
        rv::jobs::RecordOf(st.Ident, st.EntryBlock,
                           info.ok ? QString::fromStdString(s.Doc.SerialNumber.get()) : QString(),
                           info.ok ? QString::fromStdString(s.Doc.Version.get()) : QString(),
                           QDateTime::currentDateTime());
    const QString dir = args.value("--backup-dir")
                            ? QString::fromStdString(*args.value("--backup-dir"))
                            : rv::jobs::DefaultBackupDir();
    if (!rv::jobs::SaveAlignment(e.now, dir, &e.keptAs, &error, args.language)) {
        // The radio is not touched yet: leave before saying so.
        e.job->leave();
        e.job->runUntil([&] { return e.job->ended(); });
        Fail(S(error));
        return std::nullopt;
    }
    return std::optional<Entered>(std::move(e));
}

/// Leaves test mode; 1 (with the message) when the radio did not answer that.
int Leave(AlignmentJob& job, int status) {
    job.leave();
    job.runUntil([&] { return job.ended(); });
    if (!job.problem().isEmpty()) {
        Fail(S(job.problem()));
        return status == 0 ? 1 : status;
    }
    return status;
}

} // namespace

int CmdAlignmentSave(CliArgs& args) {
    if (!args.positional.empty())
        return UsageError({"no file is read", "此命令不读取文件"}, args.usage);
    auto e = Enter(args);
    if (!e) return 1;
    std::printf("%s %s\n", LangText{"Alignment kept as", "校准数据已保存为"}[args.language].c_str(),
                S(e->keptAs).c_str());
    if (const auto out = args.value("-o")) {
        QString error;
        if (!rv::jobs::SaveAlignmentAs(e->now, QString::fromStdString(*out), &error,
                                       args.language)) {
            Leave(*e->job, 1);
            return Fail(S(error));
        }
        std::printf("%s %s\n", LangText{"and as", "并保存为"}[args.language].c_str(), out->c_str());
    }
    return Leave(*e->job, 0);
}

int CmdAlignmentRestore(CliArgs& args) {
    if (args.positional.size() != 1)
        return UsageError({"one kept alignment is needed", "需要一个保存的校准文件"}, args.usage);
    const int lang = args.language;
    AlignmentRecord kept;
    QString error;
    if (!rv::jobs::LoadAlignment(QString::fromStdString(args.positional[0]), &kept, &error, lang))
        return Fail(S(error));
    auto e = Enter(args);
    if (!e) return 1;
    if (const QString why = rv::jobs::KeptMismatch(kept, e->now, lang); !why.isEmpty()) {
        Fail(S(why));
        return Leave(*e->job, 1);
    }
    if (!rv::jobs::SameRadio(kept, e->now) && !args.has("--other-serial")) {
        Fail(lang == rv::Chinese
                 ? S(QStringLiteral("保存的校准数据属于序号 %1 的对讲机，而这台对讲机的序号是 %2；"
                                    "确要写入请加 --other-serial。")
                         .arg(kept.serial, e->now.serial))
                 : S(QStringLiteral("The kept alignment is of radio %1, this radio is %2; give "
                                    "--other-serial to write it anyway.")
                         .arg(kept.serial, e->now.serial)));
        return Leave(*e->job, 1);
    }
    const auto diff = rv::jobs::DiffAlignment(kept.block, e->now.block);
    std::vector<PointChange> writable;
    for (const auto& c : diff) {
        std::string note;
        if (!c.writable) {
            note = LangText{" (not written: test mode has no frame for it)",
                            "（不写入：测试模式无此写入帧）"}[lang];
        } else if (const auto sharing = rv::jobs::PointsSharing(c.at); !sharing.empty()) {
            // The radio keeps one value for these: writing this point sets them too.
            note = LangText{" (also sets ", "（同时改变 "}[lang];
            for (std::size_t i = 0; i < sharing.size(); ++i)
                note += (i ? ", " : "") + PointLabel(sharing[i], lang);
            note += LangText{")", "）"}[lang];
        }
        std::printf("  %s: %d -> %d%s\n", PointLabel(c.at, lang).c_str(), c.now, c.kept,
                    note.c_str());
        if (c.writable) writable.push_back(c);
    }
    if (writable.empty() || args.has("--dry-run")) {
        std::printf(
            "%s\n",
            writable.empty()
                ? LangText{"Nothing to restore.", "没有需要恢复的数据。"}[lang].c_str()
                : LangText{"Nothing written (--dry-run).", "未写入（--dry-run）。"}[lang].c_str());
        return Leave(*e->job, 0);
    }
    e->job->restore(kept.block, writable);
    if (!e->job->runUntil([&] { return e->job->restoreRun().done; })) {
        // Interrupted: say what the radio may hold now.
        Fail(e->job->problem().isEmpty()
                 ? LangText{"Test mode ended before the restore was read back.",
                            "恢复尚未读回，测试模式已结束。"}[lang]
                 : S(e->job->problem()));
        return Fail(S(rv::jobs::WrittenSoFarText(e->job->restoreStored(), lang)));
    }
    const auto& check = e->job->restoreRun().check;
    for (const auto& c : check.differing)
        std::fprintf(stderr, "rv52n-cli: %s: %s %d, %s %d\n", PointLabel(c.at, lang).c_str(),
                     LangText{"kept", "保存值"}[lang].c_str(), c.kept,
                     LangText{"reads back", "读回"}[lang].c_str(), c.now);
    for (const auto& p : check.moved)
        std::fprintf(stderr, "rv52n-cli: %s: %s\n", PointLabel(p, lang).c_str(),
                     LangText{"changed although not chosen", "未选择却已改变"}[lang].c_str());
    if (!check.restored) {
        std::fprintf(stderr, "rv52n-cli: %s\n",
                     LangText{"Verify failed: the radio does not hold what was restored.",
                              "校验失败：对讲机中的数据与恢复的数据不符。"}[lang]
                         .c_str());
        return Leave(*e->job, 3);
    }
    std::printf("%s %zu\n",
                LangText{"Restored and verified points:", "已恢复并校验的数据点："}[lang].c_str(),
                writable.size());
    return Leave(*e->job, 0);
}

} // namespace rv::cli
