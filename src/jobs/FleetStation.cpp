#include "jobs/FleetStation.h"

#include "data/DataFile.h"
#include "data/Strings.h"

#include "jobs/FleetTexts.h"
#include "link/CloneSession.h"
#include "link/LinkTexts.h"

#include <QPointer>

namespace rv::jobs {

using namespace rv::link;

std::string FleetDocumentHash(const rv::Session& document) {
    const auto record = rv::ToRecord(document.Doc);
    return rv::DocumentHash(record.data(), record.size());
}

rv::FleetLogRow FleetLogRowOf(const FleetRecord& r, const rv::Session& document) {
    const std::string path = document.DocPath;
    return {r.time.toString(Qt::ISODate).toStdString(),
            r.target.port.toStdString(),
            r.model,
            r.band,
            r.serial,
            r.result.toStdString(),
            r.backup.toStdString(),
            path.substr(
                path.find_last_of("/\\") == std::string::npos ? 0 : path.find_last_of("/\\") + 1),
            r.documentHash.empty() ? FleetDocumentHash(document) : r.documentHash,
            r.values};
}

QString FleetResultWord(SafeWriteStatus status) {
    // The first result words follow the statuses, in order.
    return QString::fromStdString(FleetTexts::Results[static_cast<int>(status)].en);
}

FleetStation::FleetStation(const rv::Session& s, const ProbeTarget& target,
                           const FleetOptions& options, ProgrammedBefore programmedBefore,
                           QObject* parent)
    : QObject(parent), session_(s), target_(target), options_(options),
      programmedBefore_(std::move(programmedBefore)) {
    options_.write.askUser = false;
    options_.write.waitMs = options_.replyMs;
    probe_.setReplyTime(options_.replyMs);
    // A device that keeps talking cannot hold the port's turn for ever.
    probe_.setDeadline(options_.probeDeadlineMs);
    pollTimer_.setSingleShot(true);
    pollTimer_.setInterval(options_.pollMs);
    connect(&pollTimer_, &QTimer::timeout, this, &FleetStation::poll);
    connect(&probe_, &link::RadioProbe::finished, this, &FleetStation::onProbed);
}

FleetStation::~FleetStation() = default;

void FleetStation::start() {
    running_ = true;
    stopping_ = finishing_ = settled_ = false;
    phase_ = Phase::Waiting;
    say(FleetTexts::Waiting);
    QTimer::singleShot(0, this, &FleetStation::poll);
}

void FleetStation::stop() {
    stopping_ = true;
    // Between two polls nothing is on the line: end now. A probe or a radio in progress
    // ends first.
    if (pollTimer_.isActive()) {
        pollTimer_.stop();
        finish();
    }
    if (info_ && info_->isRunning()) info_->cancel();
    if (job_ && job_->isRunning()) job_->cancel();
    if (phase_ == Phase::Held) fail(SafeWriteStatus::Failed, text(link::CancelledText));
}

void FleetStation::stopAfterRadio() {
    finishing_ = true;
    if (phase_ == Phase::Waiting || phase_ == Phase::Removal) stopping_ = true;
    if (pollTimer_.isActive()) {
        pollTimer_.stop();
        finish();
    }
}

void FleetStation::poll() {
    if (stopping_) return finish();
    QString error;
    if (probe_.start(target_.device, session_.CurLanguage, &error)) return;
    settleFirst();
    if (options_.repeat) {
        // A cable pulled out between two radios: keep asking.
        emit status(error.section(QLatin1Char('\n'), -1), -1);
        return pollTimer_.start();
    }
    newRecord();
    fail(SafeWriteStatus::PortError, error);
}

void FleetStation::onProbed() {
    if (stopping_) return finish();
    const auto& ident = probe_.ident();
    if (phase_ == Phase::Removal) {
        // The programmed radio is still on the port; the next one comes once it is off.
        if (!ident) {
            phase_ = Phase::Waiting;
            say(FleetTexts::Waiting);
        }
        return pollTimer_.start();
    }
    if (!ident) {
        settleFirst();
        if (options_.repeat) return pollTimer_.start();
        newRecord();
        return fail(SafeWriteStatus::NoRadio, text(link::NoAnswerText));
    }
    newRecord();
    current_.model = ident->modelCode;
    current_.band = ident->band;
    readInfo();
}

void FleetStation::readInfo() {
    phase_ = Phase::Reading;
    say(FleetTexts::Reading);
    answers_ = AutoAnswers(options_.write.retries, false);
    info_.reset();
    infoSession_ = session_;
    info_ = std::make_unique<link::CloneSession>(infoSession_);
    info_->setWaitInterval(options_.replyMs);
    connect(info_.get(), &link::CloneSession::question, this,
            [this](link::CloneSession::Question q) { info_->answer(q, answers_.answer(q)); });
    connect(info_.get(), &link::CloneSession::finished, this, &FleetStation::onInfoRead);
    QString error;
    if (!info_->start(link::ReadRadioInfo, target_.device, &error)) onInfoRead(false, error);
}

void FleetStation::onInfoRead(bool ok, const QString& message) {
    if (stopping_) {
        // Stopped while the radio information was read: nothing is written.
        return fail(SafeWriteStatus::Failed, text(link::CancelledText));
    }
    if (!ok) return fail(SafeWriteStatus::NoRadio, message);
    current_.serial = rv::TrimBlanks(infoSession_.Doc.SerialNumber.get(), " \t");
    // The radio's own document first: a radio counts as programmed only with this very one.
    if (!options_.documentFor) return onDocument({});
    phase_ = Phase::Held;
    settled_ = true;
    say(FleetTexts::Held);
    options_.documentFor->ask(current_, [self = QPointer<FleetStation>(this)](const auto& a) {
        if (self && self->phase_ == Phase::Held) self->onDocument(a);
    });
}

void FleetStation::onDocument(const RadioDocuments::Answer& answer) {
    current_.values = answer.values;
    if (!answer.result.isEmpty()) current_.result = answer.result;
    if (!answer.document && !answer.why.isEmpty()) {
        if (current_.result.isEmpty()) current_.result = FleetResultWord(SafeWriteStatus::Failed);
        current_.message = answer.why;
        return done(current_);
    }
    const auto& own = answer.document;
    document_ = own ? *own : session_;
    current_.documentHash = FleetDocumentHash(document_);
    if (!options_.again && programmedBefore_ &&
        programmedBefore_(current_.serial, current_.documentHash)) {
        current_.skipped = true;
        current_.ok = true;
        current_.result = QStringLiteral("skipped");
        return done(current_);
    }
    startWrite();
}

void FleetStation::startWrite() {
    phase_ = Phase::Writing;
    job_ = std::make_unique<SafeWrite>();
    connect(job_.get(), &SafeWrite::progress, this, [this](SafeWriteStage stage, int percent) {
        say(stage == SafeWriteStage::Write    ? FleetTexts::Writing
            : stage == SafeWriteStage::Verify ? FleetTexts::Verifying
                                              : FleetTexts::Backup,
            percent);
    });
    connect(job_.get(), &SafeWrite::finished, this, &FleetStation::onWritten);
    QString error;
    SafeWriteOptions options = options_.write;
    options.serial = current_.serial; // read a moment ago: no second information read
    options.historyAction = "fleet write";
    options.historyFile = QString::fromStdString(document_.DocPath);
    if (!job_->startWrite(document_, target_.device, options, &error))
        fail(SafeWriteStatus::PortError, error);
}

void FleetStation::onWritten(const SafeWriteResult& r) {
    current_.ok = r.ok();
    current_.result = FleetResultWord(r.status);
    current_.message = r.message;
    current_.backup = r.backupImage;
    if (!r.radioModel.empty()) current_.model = r.radioModel;
    if (!r.radioBand.empty()) current_.band = r.radioBand;
    done(current_);
}

void FleetStation::newRecord() {
    current_ = FleetRecord{};
    current_.time = QDateTime::currentDateTime();
    current_.target = target_;
}

void FleetStation::fail(SafeWriteStatus status, const QString& message) {
    current_.result = FleetResultWord(status);
    current_.message = message;
    done(current_);
}

void FleetStation::done(FleetRecord record) {
    settleFirst();
    emit radioDone(record);
    if (record.skipped)
        say(FleetTexts::Skipped);
    else if (record.ok)
        say(options_.repeat ? FleetTexts::Done : FleetTexts::Ok, 100);
    else
        emit status(text(FleetTexts::Failed) + QStringLiteral(": ") + record.message, -1);
    if (!options_.repeat || stopping_ || finishing_) return finish();
    phase_ = Phase::Removal;
    pollTimer_.start();
}

void FleetStation::finish() {
    if (!running_) return;
    settleFirst();
    phase_ = Phase::Stopped;
    running_ = false;
    emit finished();
}

void FleetStation::settleFirst() {
    if (settled_ || !options_.documentFor) return;
    settled_ = true;
    options_.documentFor->passed(target_);
}

void FleetStation::say(const rv::LangText& t, int percent) {
    emit status(text(t), percent);
}

QString FleetStation::text(const rv::LangText& t) const {
    return QString::fromStdString(t[session_.CurLanguage]);
}

} // namespace rv::jobs
