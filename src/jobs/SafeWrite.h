#pragma once

#include "jobs/VerifiedImages.h"
#include "link/CloneEngine.h"
#include "link/CloneSession.h"
#include "link/LinkTexts.h"
#include "link/RadioProbe.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace rv::jobs {

/// What the reads of one stage have given so far, and what to do next.
struct ReadVerdict {
    enum class Kind { ReadAgain, Take, Disagree };
    Kind kind = Kind::ReadAgain;
    rv::MemoryImage image{};    ///< the image to take (Take)
    std::vector<int> unsettled; ///< addresses where the reads could not be settled (Disagree)
    bool matchedKept = false;   ///< one read taken: it equals the image last verified (Take)
};

/// Decides after each read of a stage whether it is settled. `reads` holds every read of the
/// stage so far, oldest first.
using ReadPolicy = std::function<ReadVerdict(const std::vector<rv::MemoryImage>& reads)>;

/// Two reads that agree are taken; where they differ a third decides byte by byte; three
/// different values at an address leave it unsettled.
ReadVerdict VoteOnReads(const std::vector<rv::MemoryImage>& reads);

/// One read is taken as it is (plain reads with Verify Reads off).
ReadVerdict TakeFirstRead(const std::vector<rv::MemoryImage>& reads);

/// The first read is taken when it equals `kept` (the image the last write verified on this
/// radio) byte for byte; otherwise `otherwise` decides as it would without it.
ReadPolicy ConfirmByKeptImage(std::optional<rv::MemoryImage> kept, ReadPolicy otherwise);

/// The 64-byte read blocks (their start addresses, ascending) the verify read after a write
/// fetches: those holding an address of the write map.
std::vector<int> VerifyReadBlocks(const rv::MemoryImage& sent);

/// The answers a job gives itself where no user is asked (the command-line tool, a fleet):
/// "Check Connection. Retry or Cancel?" is answered Retry while retries are left, then
/// Cancel; a radio of another model is overwritten only when forced.
class AutoAnswers {
public:
    AutoAnswers(int retries, bool force) : retriesLeft_(retries), force_(force) {}
    bool answer(rv::link::CloneSession::Question q);

private:
    int retriesLeft_;
    bool force_;
};

/// "Check Connection. Retry or Cancel? Retry": the question and the answer given, in the
/// user's language.
QString AnsweredQuestionText(rv::link::CloneSession::Question q, bool yes, int language);

/// What a safe write does around the write itself.
struct SafeWriteOptions {
    QString backupDir;      ///< where the backup before a write goes; empty: no backup
    bool verify = true;     ///< read the radio back after the write and compare the write map
    bool readVerify = true; ///< reads are taken twice; when they differ a third decides
    int retries = 2;        ///< "Check Connection. Retry or Cancel?" answered Retry this often
    bool force = false;     ///< a radio of another model is overwritten
    bool askUser = false;   ///< emit `question` instead of answering by `retries` and `force`
    int waitMs = 300;       ///< the reply time-out
    /// How the backup before a write is read: always checked, never one read taken on trust.
    ReadPolicy backupReads = VoteOnReads;
    /// The radio's serial number, when read already (a fleet). Otherwise a job that keeps a
    /// backup or a history line reads the radio information first to learn it.
    std::string serial;
    QString historyDir;        ///< where the history log is kept; empty: no history line
    QString historyFile;       ///< the file the job reads into or writes from, for the history
    std::string historyAction; ///< the history's word for the job; empty: by the job
    /// A restore of a backup kept of this serial number stops, before writing, at a radio
    /// of another one. Empty: any radio.
    std::string backupSerial;
};

/// How a job ended.
enum class SafeWriteStatus {
    Ok,
    NoRadio,       ///< no ident came: nothing was written
    WrongModel,    ///< the radio is another model and may not be overwritten: nothing written
    PortError,     ///< the port cannot be opened or failed before the first block
    Failed,        ///< ended before the first block for another reason (cancel, no answer)
    PartlyWritten, ///< ended after the first block: new data up to `writtenUpTo`, old after
    VerifyFailed,  ///< the read-back differs from what was sent, or could not be taken
    ReadsDisagree, ///< three reads gave three different values at `unsettled`
    BackupFailed   ///< the backup files cannot be written: nothing was written
};

/// The stages of a job, in order.
enum class SafeWriteStage { Backup, Write, Verify, Read, Identify };

/// The outcome of a job and everything a caller reports from it.
struct SafeWriteResult {
    SafeWriteStatus status = SafeWriteStatus::Ok;
    QString message;        ///< in the session's language; empty on success
    QString backupImage;    ///< the backup's .img (empty when none was kept)
    QString backupData;     ///< the backup's .dat
    std::string radioModel; ///< from the radio's ident; empty when none came
    std::string serial;     ///< the radio's serial number where read (backup, fleet, info)
    int radioBandCode = 0;
    std::string radioBand;       ///< band text of the ident; empty for an unknown pair
    int blocksWritten = 0;       ///< write blocks sent
    int writtenUpTo = 0;         ///< the address after the last block sent
    std::vector<int> mismatches; ///< write-map addresses whose read-back differs
    std::vector<int> unsettled;  ///< addresses where three reads all differ
    rv::MemoryImage before{};    ///< the radio before the write, or what a read gave
    rv::MemoryImage sent{};      ///< the image the write sent
    rv::MemoryImage after{};     ///< the read-back
    int backupReads = 0;         ///< reads the backup took
    std::optional<BackupConfirmation> backupConfirmed; ///< how the kept backup was confirmed
    int lineBytes = 0;      ///< bytes over the line in all the job's sessions, both ways
    QString historyProblem; ///< why the history line could not be added; empty when it was
    bool ok() const { return status == SafeWriteStatus::Ok; }
};

/// Backup read, write, verify read: each its own clone session on one port. Holds its own
/// copy of the document, so several jobs may run at once on different ports.
class SafeWrite : public QObject {
    Q_OBJECT
public:
    explicit SafeWrite(QObject* parent = nullptr);
    ~SafeWrite() override;

    /// Writes the document of `s` with backup and verify as `options` say. False with the
    /// reason when nothing could be started (port, a document that cannot be encoded).
    bool startWrite(const rv::Session& s, const QString& device, const SafeWriteOptions& options,
                    QString* error);
    /// Writes a kept memory image byte for byte over the write map (a restore). The model
    /// check compares the radio with the model and band the image names.
    bool startRestore(const rv::Session& s, const rv::MemoryImage& image, const QString& device,
                      const SafeWriteOptions& options, QString* error);
    /// Only reads (checked as `readVerify` says); the image lands in `result().before`.
    bool startRead(const rv::Session& s, const QString& device, const SafeWriteOptions& options,
                   QString* error);
    /// The answer to a `question` (askUser mode).
    void answer(rv::link::CloneSession::Question q, bool yes);
    /// Abandons the job; the running session sends End and `finished` follows.
    void cancel();
    bool isRunning() const { return running_; }
    const SafeWriteResult& result() const { return result_; }

signals:
    /// A stage begins; `pass` counts the reads of one stage from 1.
    void stageStarted(rv::jobs::SafeWriteStage stage, int pass);
    void progress(rv::jobs::SafeWriteStage stage, int percent);
    void question(rv::link::CloneSession::Question q);
    void finished(const rv::jobs::SafeWriteResult& result);

private:
    enum class Job { Write, Restore, Read };
    bool begin(Job job, const rv::Session& s, const QString& device,
               const SafeWriteOptions& options, QString* error);
    bool runSession(int mode, QString* error);
    void onSessionFinished(bool ok, const QString& message);
    void onQuestion(rv::link::CloneSession::Question q);
    void afterRead(bool ok, const QString& message);
    void afterWrite(bool ok, const QString& message);
    void afterVerify(bool ok, const QString& message);
    void afterIdentify(bool ok, const QString& message);
    /// The stage the job starts with once the radio's serial is known (or not needed).
    SafeWriteStage firstStage() const;
    void startFirstStage();
    void appendHistory();
    void startReadPass();
    void keepVerified();
    RadioKey radioKey() const;
    void startWriteStage();
    void startVerifyStage();
    void nextStep(void (SafeWrite::*step)());
    void end(SafeWriteStatus status, const QString& message = {});
    void noteIdent();
    QString text(const rv::LangText& t) const;

    rv::Session work_;
    rv::Session scratch_;
    QString device_;
    SafeWriteOptions options_;
    Job job_ = Job::Write;
    SafeWriteStage stage_ = SafeWriteStage::Backup;
    std::unique_ptr<link::CloneSession> session_;
    std::vector<rv::MemoryImage> reads_;
    AutoAnswers answers_{0, false};
    bool running_ = false;
    bool cancelled_ = false;
    SafeWriteResult result_;
};

/// The folder backups go to by default: backups/ under the program's per-user data folder.
QString DefaultBackupDir();

/// Keeps a radio's memory as `dir`/SERIAL-YYYYMMDD-HHMMSS.img (YYYYMMDD-HHMMSS-<model>.img for
/// a radio without a readable serial number) and the data file decoded from it beside it
/// (.dat); a name already taken gets -2, -3 ... Nothing is overwritten.
bool SaveBackup(const rv::Session& s, const rv::MemoryImage& image, const QString& dir,
                const QDateTime& when, QString* imagePath, QString* dataPath, QString* error,
                const std::string& serial = {});

/// A read image into the session as a completed read leaves it: a new document "new.dat"
/// decoded from the image, the model and band it names.
void TakeReadImage(rv::Session& s, const rv::MemoryImage& image);

/// The warning for an image whose band code and model byte name no model the program knows,
/// saying which model and band the document `s` that took it keeps; empty when the image
/// names a known one.
QString UnknownModelWarning(const rv::Session& s, const rv::MemoryImage& image);

/// The message for a write that broke off after `blocks` blocks, naming the backup that
/// restores the radio (none: write the radio again).
/// `writtenUpTo` is the address after the highest block sent; the text names the last address.
QString PartlyWrittenText(int writtenUpTo, const QString& backupImage, int language);

/// Why backups cannot be kept in `dir` (it cannot be made, or nothing can be written there);
/// empty when they can. Asked before the radio is touched.
QString BackupDirProblem(const QString& dir, int language);

/// "Verify failed: N bytes differ, the first at 0x0123 (channel 3 receive frequency)."
QString VerifyFailedText(const std::vector<int>& mismatches, int language);

} // namespace rv::jobs
