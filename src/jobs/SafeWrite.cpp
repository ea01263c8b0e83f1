#include "jobs/SafeWrite.h"

#include "data/DataFile.h"
#include "data/Defaults.h"
#include "data/FleetLog.h"
#include "data/Image.h"
#include "data/ImageCompare.h"
#include "data/ImageMap.h"
#include "data/ModelTables.h"
#include "data/OutsideText.h"
#include "data/RadioHistory.h"
#include "data/Strings.h"
#include "jobs/FleetStation.h"
#include "jobs/JobTexts.h"
#include "link/LinkTexts.h"
#include "link/LocalFiles.h"
#include "link/RadioHistoryFiles.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <cstring>

namespace rv::jobs {

using namespace rv::link;

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// Two parts of a message on two lines; a sentence the first part says already is not said
// again.
QString Join(const QString& a, const QString& b) {
    if (a.isEmpty()) return b;
    QString sentence = b.trimmed();
    if (sentence.endsWith(QLatin1Char('.')) || sentence.endsWith(QChar(0x3002))) sentence.chop(1);
    if (!sentence.isEmpty() && a.contains(sentence)) return a;
    return a + QLatin1Char('\n') + b;
}

const rv::LangText UnknownModelText{
    "The radio names no known model and band (band code %1, model byte %2); the document "
    "keeps %3 [%4].",
    "对讲机的频段代码（%1）和机型字节（%2）不属于任何已知机型；文档保留 %3 [%4]。"};

QByteArray AsBytes(const std::uint8_t* data, std::size_t n) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(n));
}

} // namespace

QString DefaultBackupDir() {
    // The desktop program's own data folder, also for the command-line tool.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/RV52N/RV52N/backups");
}

void TakeReadImage(rv::Session& s, const rv::MemoryImage& image) {
    // The image names its model and band; the document is a new one of those, so that
    // nothing of the document it replaces stays behind in what the image does not hold.
    rv::Session decoded = s;
    rv::DecodeImage(image, decoded);
    rv::InitRadioData(decoded);
    rv::DecodeImage(image, decoded);
    decoded.Image = image;
    decoded.DocPath = "new.dat";
    decoded.IsNewFile = true;
    s = decoded;
}

QString UnknownModelWarning(const rv::Session& s, const rv::MemoryImage& image) {
    if (rv::NamesKnownModel(image)) return {};
    return Q(UnknownModelText[s.CurLanguage])
        .arg(image[rv::image::BandCodeAt])
        .arg(image[rv::image::ModelByteAt])
        .arg(Q(s.CurModelCode), Q(s.CurBand));
}

bool SaveBackup(const rv::Session& s, const rv::MemoryImage& image, const QString& dir,
                const QDateTime& when, QString* imagePath, QString* dataPath, QString* error,
                const std::string& serial) {
    if (!QDir().mkpath(dir)) {
        if (error) *error = dir;
        return false;
    }
    rv::Session doc = s;
    TakeReadImage(doc, image);
    const std::string model =
        rv::ModelCodeOf(image[rv::image::BandCodeAt], image[rv::image::ModelByteAt]);
    const QString stem =
        dir + QLatin1Char('/') +
        Q(rv::BackupBaseName(serial, when.toString(QStringLiteral("yyyyMMdd-HHmmss")).toStdString(),
                             model));
    const auto record = rv::ToRecord(doc.Doc);
    for (int n = 1; n < 1000; ++n) {
        const QString base = n == 1 ? stem : stem + QLatin1Char('-') + QString::number(n);
        if (QFile::exists(base + QStringLiteral(".dat"))) continue;
        if (!WriteNewFile(base + QStringLiteral(".img"), AsBytes(image.data(), image.size()))) {
            if (QFile::exists(base + QStringLiteral(".img"))) continue;
            break;
        }
        if (!WriteNewFile(base + QStringLiteral(".dat"), AsBytes(record.data(), record.size()))) {
            QFile::remove(base + QStringLiteral(".img"));
            break;
        }
        if (imagePath) *imagePath = base + QStringLiteral(".img");
        if (dataPath) *dataPath = base + QStringLiteral(".dat");
        return true;
    }
    if (error) *error = stem + QStringLiteral(".img");
    return false;
}

QString PartlyWrittenText(int writtenUpTo, const QString& backupImage, int language) {
    const auto say = [language](const rv::LangText& t) { return Q(t[language]); };
    const QString last = Q(rv::HexAddress(std::max(writtenUpTo - 1, 0)));
    const QString t = say(JobTexts::PartlyWritten).arg(last);
    if (backupImage.isEmpty()) return t + say(JobTexts::NoBackupKept);
    return t + say(JobTexts::BackupRestores).arg(backupImage);
}

QString BackupDirProblem(const QString& dir, int language) {
    const rv::FileFault fault = rv::link::FolderFault(dir);
    if (fault.kind == rv::FileFault::None) return {};
    return Q(JobTexts::BackupFailed[language]) + dir + QStringLiteral(": ") +
           Q(rv::FileFaultText(fault, language));
}

bool AutoAnswers::answer(link::CloneSession::Question q) {
    if (q == link::CloneSession::Question::ModelMismatch) return force_;
    return retriesLeft_-- > 0;
}

QString AnsweredQuestionText(link::CloneSession::Question q, bool yes, int language) {
    const bool model = q == link::CloneSession::Question::ModelMismatch;
    const rv::LangText& word = !yes    ? JobTexts::AnswerCancel
                               : model ? JobTexts::AnswerOk
                                       : JobTexts::AnswerRetry;
    return Q(rv::MsgText(model ? rv::Msg::ModelWrong : rv::Msg::CheckConnection, language)) +
           QLatin1Char(' ') + Q(word[language]);
}

ReadVerdict VoteOnReads(const std::vector<rv::MemoryImage>& reads) {
    using Kind = ReadVerdict::Kind;
    if (reads.size() < 2 || (reads.size() == 2 && reads[0] != reads[1])) return {};
    if (reads.size() == 2) return {Kind::Take, reads[1], {}, false};
    const rv::ReadVote vote = rv::VoteReads(reads[0], reads[1], reads[2]);
    if (!vote.image) return {Kind::Disagree, {}, vote.addresses, false};
    return {Kind::Take, *vote.image, {}, false};
}

ReadVerdict TakeFirstRead(const std::vector<rv::MemoryImage>& reads) {
    if (reads.empty()) return {};
    return {ReadVerdict::Kind::Take, reads.back(), {}, false};
}

ReadPolicy ConfirmByKeptImage(std::optional<rv::MemoryImage> kept, ReadPolicy otherwise) {
    if (!otherwise) otherwise = VoteOnReads;
    return [kept = std::move(kept),
            otherwise = std::move(otherwise)](const std::vector<rv::MemoryImage>& reads) {
        if (reads.size() != 1 || !kept || reads.front() != *kept) return otherwise(reads);
        return ReadVerdict{ReadVerdict::Kind::Take, reads.front(), {}, true};
    };
}

std::vector<int> VerifyReadBlocks(const rv::MemoryImage& sent) {
    std::vector<int> blocks;
    for (int start = 0; start < static_cast<int>(sent.size()); start += 64)
        for (int a = start; a < start + 64; ++a)
            if (rv::InWriteMap(a)) {
                blocks.push_back(start);
                break;
            }
    return blocks;
}

QString VerifyFailedText(const std::vector<int>& mismatches, int language) {
    if (mismatches.empty()) return {};
    const int first = mismatches.front();
    const QString where = Q(rv::HexAddress(first));
    const QString setting = Q(rv::AddressSetting(first, language));
    const auto n = static_cast<int>(mismatches.size());
    if (language == rv::Chinese)
        return QStringLiteral("校验失败：%1 个字节不同，第一个在 %2（%3）。")
            .arg(n)
            .arg(where, setting);
    return QStringLiteral("Verify failed: %1 %2 differ%3, the first at %4 (%5).")
        .arg(n)
        .arg(n == 1 ? QStringLiteral("byte") : QStringLiteral("bytes"),
             n == 1 ? QStringLiteral("s") : QString(), where, setting);
}

SafeWrite::SafeWrite(QObject* parent) : QObject(parent) {}

SafeWrite::~SafeWrite() = default;

bool SafeWrite::startWrite(const rv::Session& s, const QString& device,
                           const SafeWriteOptions& options, QString* error) {
    return begin(Job::Write, s, device, options, error);
}

bool SafeWrite::startRestore(const rv::Session& s, const rv::MemoryImage& image,
                             const QString& device, const SafeWriteOptions& options,
                             QString* error) {
    rv::Session restored = s;
    TakeReadImage(restored, image);
    result_.sent = image;
    return begin(Job::Restore, restored, device, options, error);
}

bool SafeWrite::startRead(const rv::Session& s, const QString& device,
                          const SafeWriteOptions& options, QString* error) {
    return begin(Job::Read, s, device, options, error);
}

bool SafeWrite::begin(Job job, const rv::Session& s, const QString& device,
                      const SafeWriteOptions& options, QString* error) {
    if (running_) {
        if (error) *error = Q(link::OperationRunningText[s.CurLanguage]);
        return false;
    }
    if (job != Job::Read && !options.backupDir.isEmpty()) {
        // Found now, not after two full reads of the radio.
        const QString problem = BackupDirProblem(options.backupDir, s.CurLanguage);
        if (!problem.isEmpty()) {
            if (error)
                *error = problem + QLatin1Char('\n') + Q(JobTexts::NothingWritten[s.CurLanguage]);
            return false;
        }
    }
    const rv::MemoryImage restoring = result_.sent;
    result_ = SafeWriteResult{};
    work_ = s;
    device_ = device;
    options_ = options;
    job_ = job;
    reads_.clear();
    cancelled_ = false;
    if (job == Job::Restore) {
        result_.sent = restoring;
    } else if (job == Job::Write) {
        std::string why;
        rv::InitImage(result_.sent);
        if (!rv::EncodeImage(work_.Doc, result_.sent, &why)) {
            if (error) *error = Q(why);
            return false;
        }
    }
    result_.serial = options_.serial;
    stage_ = firstStage();
    // A backup and a history line are named by the radio's serial number, and the kept image
    // of that serial may spare a backup its second read: such a job learns it first.
    const bool identify = stage_ == SafeWriteStage::Backup || !options_.historyDir.isEmpty() ||
                          !options_.backupSerial.empty();
    if (identify && options_.serial.empty()) stage_ = SafeWriteStage::Identify;
    const int mode = stage_ == SafeWriteStage::Identify ? link::ReadRadioInfo
                     : stage_ == SafeWriteStage::Write  ? link::WriteRadio
                                                        : link::ReadRadio;
    if (!runSession(mode, error)) return false;
    running_ = true;
    return true;
}

void SafeWrite::afterIdentify(bool ok, const QString& message) {
    if (ok) {
        // A serial number as the radio pads it (spaces or nothing at the end) to its plain text.
        result_.serial = rv::TrimBlanks(scratch_.Doc.SerialNumber.get(), " \t");
        const std::string kept = rv::FileSafeSerial(options_.backupSerial);
        if (!kept.empty() && rv::FileSafeSerial(result_.serial) != kept)
            return end(
                SafeWriteStatus::Failed,
                Join(text(JobTexts::OtherSerial)
                         .arg(Q(kept), result_.serial.empty() ? QStringLiteral("-")
                                                              : Q(rv::ShownText(result_.serial))),
                     text(JobTexts::NothingWritten)));
        return nextStep(&SafeWrite::startFirstStage);
    }
    const QString tail = job_ == Job::Read ? QString() : text(JobTexts::NothingWritten);
    if (session_->outcome() == link::Outcome::PortFailed)
        return end(SafeWriteStatus::PortError, Join(message, tail));
    if (cancelled_) return end(SafeWriteStatus::Failed, Join(text(JobTexts::Cancelled), tail));
    if (result_.radioModel.empty())
        return end(SafeWriteStatus::NoRadio, Join(text(JobTexts::NoRadio), tail));
    // The radio answered but kept its information to itself: go on without its serial number.
    nextStep(&SafeWrite::startFirstStage);
}

SafeWriteStage SafeWrite::firstStage() const {
    if (job_ == Job::Read) return SafeWriteStage::Read;
    return options_.backupDir.isEmpty() ? SafeWriteStage::Write : SafeWriteStage::Backup;
}

void SafeWrite::startFirstStage() {
    stage_ = firstStage();
    QString error;
    if (!runSession(stage_ == SafeWriteStage::Write ? link::WriteRadio : link::ReadRadio, &error))
        end(SafeWriteStatus::PortError,
            Join(error, job_ == Job::Read ? QString() : text(JobTexts::NothingWritten)));
}

void SafeWrite::appendHistory() {
    if (options_.historyDir.isEmpty()) return;
    static const char* const actions[] = {"write", "restore", "read"};
    const bool read = job_ == Job::Read;
    const rv::MemoryImage& image = read ? result_.before : result_.sent;
    const bool imageKnown = !read || result_.status == SafeWriteStatus::Ok;
    const rv::HistoryEntry entry{
        QDateTime::currentDateTime().toString(Qt::ISODate).toStdString(),
        result_.serial,
        options_.historyAction.empty() ? actions[static_cast<int>(job_)] : options_.historyAction,
        options_.historyFile.toStdString(),
        imageKnown ? rv::DocumentHash(image.data(), image.size()) : std::string(),
        FleetResultWord(result_.status).toStdString()};
    // The job's outcome stands whether or not the log can be written; the failure is said.
    QString path;
    if (!rv::link::AppendHistory(options_.historyDir, entry, &path))
        result_.historyProblem = text(JobTexts::HistoryNotWritten) + path;
}

bool SafeWrite::runSession(int mode, QString* error) {
    // Reads decode into a scratch copy: the write's model check must see the document's
    // model, not the radio's.
    scratch_ = work_;
    auto session =
        std::make_unique<link::CloneSession>(mode == link::WriteRadio ? work_ : scratch_);
    session->setWaitInterval(options_.waitMs);
    if (stage_ == SafeWriteStage::Verify) session->setReadBlocks(VerifyReadBlocks(result_.sent));
    connect(session.get(), &link::CloneSession::progress, this,
            [this](int p) { emit progress(stage_, p); });
    connect(session.get(), &link::CloneSession::question, this, &SafeWrite::onQuestion);
    connect(session.get(), &link::CloneSession::finished, this, &SafeWrite::onSessionFinished);
    answers_ = AutoAnswers(options_.retries, options_.force);
    emit stageStarted(stage_, static_cast<int>(reads_.size()) + 1);
    const bool started = mode == link::WriteRadio
                             ? session->startWrite(result_.sent, device_, error)
                             : session->start(mode, device_, error);
    if (session_) session_.release()->deleteLater();
    session_ = std::move(session);
    return started;
}

void SafeWrite::onQuestion(link::CloneSession::Question q) {
    // A radio that answered and then lost a reply while its serial number is looked up gets
    // the job's retries, as in any other stage; a silent line is no radio, worth no retry.
    if (cancelled_ || (stage_ == SafeWriteStage::Identify && !session_->radioAnswered()))
        return session_->answer(q, false);
    if (options_.askUser) return emit question(q);
    session_->answer(q, answers_.answer(q));
}

void SafeWrite::answer(link::CloneSession::Question q, bool yes) {
    if (q == link::CloneSession::Question::Retry && yes && cancelled_) yes = false;
    if (session_) session_->answer(q, yes);
}

void SafeWrite::cancel() {
    if (!running_ || cancelled_) return;
    cancelled_ = true;
    if (session_ && session_->isRunning()) session_->cancel();
}

void SafeWrite::noteIdent() {
    const std::string model = session_->radioModelCode();
    if (model.empty() || !result_.radioModel.empty()) return;
    result_.radioModel = model;
    result_.radioBandCode = session_->radioBandCode();
    const std::string band = rv::BandTextOf(result_.radioBandCode, model);
    const auto bands = rv::BandsOfModel(model);
    if (std::find(bands.begin(), bands.end(), band) != bands.end()) result_.radioBand = band;
}

void SafeWrite::onSessionFinished(bool ok, const QString& message) {
    noteIdent();
    result_.lineBytes += session_->lineBytes();
    switch (stage_) {
    case SafeWriteStage::Backup:
    case SafeWriteStage::Read:
        return afterRead(ok, message);
    case SafeWriteStage::Write:
        return afterWrite(ok, message);
    case SafeWriteStage::Verify:
        return afterVerify(ok, message);
    case SafeWriteStage::Identify:
        return afterIdentify(ok, message);
    }
}

RadioKey SafeWrite::radioKey() const {
    return {result_.serial, result_.radioModel, result_.radioBandCode};
}

void SafeWrite::keepVerified() {
    // Only a backup read before this write tells what the radio holds past the write map.
    if (job_ == Job::Read || options_.backupDir.isEmpty() || !radioKey().known()) return;
    // A kept image that could not be replaced only costs the next write a second read.
    VerifiedImages(options_.backupDir)
        .keep(radioKey(), VerifiedImageOf(result_.before, result_.sent));
}

void SafeWrite::afterRead(bool ok, const QString& message) {
    const bool beforeWrite = stage_ == SafeWriteStage::Backup;
    const QString tail = beforeWrite ? text(JobTexts::NothingWritten) : QString();
    if (!ok) {
        if (session_->outcome() == link::Outcome::PortFailed)
            return end(SafeWriteStatus::PortError, Join(message, tail));
        if (result_.radioModel.empty() && !cancelled_)
            return end(SafeWriteStatus::NoRadio, Join(text(JobTexts::NoRadio), tail));
        if (cancelled_) return end(SafeWriteStatus::Failed, Join(text(JobTexts::Cancelled), tail));
        return end(SafeWriteStatus::Failed, Join(message, tail));
    }
    reads_.push_back(scratch_.Image);
    const ReadPolicy policy =
        beforeWrite ? ConfirmByKeptImage(VerifiedImages(options_.backupDir).find(radioKey()),
                                         options_.backupReads)
        : options_.readVerify ? ReadPolicy(VoteOnReads)
                              : ReadPolicy(TakeFirstRead);
    const ReadVerdict verdict = policy(reads_);
    if (verdict.kind == ReadVerdict::Kind::ReadAgain) return nextStep(&SafeWrite::startReadPass);
    if (verdict.kind == ReadVerdict::Kind::Disagree) {
        result_.unsettled = verdict.unsettled;
        return end(SafeWriteStatus::ReadsDisagree,
                   Join(text(JobTexts::ReadsDisagree) + Q(rv::AddressList(verdict.unsettled)) +
                            (work_.CurLanguage == rv::Chinese ? "。" : "."),
                        tail));
    }
    result_.before = verdict.image;
    if (!beforeWrite) return end(SafeWriteStatus::Ok);
    QString why;
    if (!SaveBackup(work_, result_.before, options_.backupDir, QDateTime::currentDateTime(),
                    &result_.backupImage, &result_.backupData, &why, result_.serial))
        return end(SafeWriteStatus::BackupFailed, Join(text(JobTexts::BackupFailed) + why, tail));
    result_.backupReads = static_cast<int>(reads_.size());
    result_.backupConfirmed = verdict.matchedKept  ? BackupConfirmation::KeptImage
                              : reads_.size() == 2 ? BackupConfirmation::TwoReads
                                                   : BackupConfirmation::Vote;
    if (!NoteBackupConfirmation(result_.backupImage, *result_.backupConfirmed, result_.backupReads,
                                radioKey()))
        return end(SafeWriteStatus::BackupFailed,
                   Join(text(JobTexts::BackupFailed) + result_.backupImage, tail));
    nextStep(&SafeWrite::startWriteStage);
}

void SafeWrite::afterWrite(bool ok, const QString& message) {
    result_.blocksWritten = session_->blocksSent();
    result_.writtenUpTo = session_->writtenUpTo();
    if (ok) {
        if (options_.verify) return nextStep(&SafeWrite::startVerifyStage);
        return end(SafeWriteStatus::Ok);
    }
    if (result_.blocksWritten > 0)
        return end(SafeWriteStatus::PartlyWritten,
                   Join(message, PartlyWrittenText(result_.writtenUpTo, result_.backupImage,
                                                   work_.CurLanguage)));
    const link::Outcome outcome = session_->outcome();
    if (outcome == link::Outcome::ModelRefused) return end(SafeWriteStatus::WrongModel, message);
    if (outcome == link::Outcome::PortFailed)
        return end(SafeWriteStatus::PortError, Join(message, text(JobTexts::NothingWritten)));
    if (result_.radioModel.empty() && !cancelled_)
        return end(SafeWriteStatus::NoRadio,
                   Join(text(JobTexts::NoRadio), text(JobTexts::NothingWritten)));
    end(SafeWriteStatus::Failed, Join(message, text(JobTexts::NothingWritten)));
}

void SafeWrite::afterVerify(bool ok, const QString& message) {
    // A stop during the verify read is a stop: the write itself went through.
    if (cancelled_)
        return end(SafeWriteStatus::Failed,
                   Join(text(JobTexts::Cancelled), text(JobTexts::WrittenNotVerified)));
    if (!ok) return end(SafeWriteStatus::VerifyFailed, text(JobTexts::VerifyReadFailed) + message);
    result_.after = scratch_.Image;
    result_.mismatches = rv::DifferingAddresses(result_.sent, result_.after, true);
    // Only what the verify read fetched can be compared.
    const auto blocks = VerifyReadBlocks(result_.sent);
    std::erase_if(result_.mismatches, [&blocks](int a) {
        return std::find(blocks.begin(), blocks.end(), a / 64 * 64) == blocks.end();
    });
    if (result_.mismatches.empty()) {
        keepVerified();
        return end(SafeWriteStatus::Ok);
    }
    end(SafeWriteStatus::VerifyFailed, VerifyFailedText(result_.mismatches, work_.CurLanguage));
}

void SafeWrite::startReadPass() {
    QString error;
    if (!runSession(link::ReadRadio, &error)) end(SafeWriteStatus::PortError, error);
}

void SafeWrite::startWriteStage() {
    stage_ = SafeWriteStage::Write;
    reads_.clear();
    QString error;
    if (!runSession(link::WriteRadio, &error))
        end(SafeWriteStatus::PortError, Join(error, text(JobTexts::NothingWritten)));
}

void SafeWrite::startVerifyStage() {
    stage_ = SafeWriteStage::Verify;
    reads_.clear();
    QString error;
    if (!runSession(link::ReadRadio, &error))
        end(SafeWriteStatus::VerifyFailed, text(JobTexts::VerifyReadFailed) + error);
}

void SafeWrite::nextStep(void (SafeWrite::*step)()) {
    // The next session starts once the last one has left its own signal.
    QMetaObject::invokeMethod(
        this,
        [this, step] {
            if (!running_) return;
            if (!cancelled_) return (this->*step)();
            const bool written = stage_ == SafeWriteStage::Write;
            end(SafeWriteStatus::Failed,
                Q(link::CancelledText[work_.CurLanguage]) +
                    (written ? QString() : QLatin1Char('\n') + text(JobTexts::NothingWritten)));
        },
        Qt::QueuedConnection);
}

void SafeWrite::end(SafeWriteStatus status, const QString& message) {
    result_.status = status;
    result_.message = status == SafeWriteStatus::Ok ? QString() : message;
    appendHistory();
    // Listeners may delete this job from their slot: tell them from the event loop.
    QMetaObject::invokeMethod(
        this,
        [this] {
            running_ = false;
            emit finished(result_);
        },
        Qt::QueuedConnection);
}

QString SafeWrite::text(const rv::LangText& t) const {
    return Q(t[work_.CurLanguage]);
}

} // namespace rv::jobs
