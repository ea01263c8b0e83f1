#include "link/CloneSession.h"

#include "link/LinkTexts.h"

#include <algorithm>
#include <span>

namespace rv::link {

CloneSession::CloneSession(rv::Session& s, QObject* parent)
    : QObject(parent), s_(s), engine_(s, *this) {
    // A child, so that tests can make it fall due at a moment of their choosing.
    waitTimer_.setParent(this);
    waitTimer_.setObjectName(QStringLiteral("waitTimer"));
    waitTimer_.setSingleShot(true);
    waitTimer_.setInterval(300);
    waitTimer_.setTimerType(Qt::PreciseTimer);
    connect(&waitTimer_, &QTimer::timeout, this, [this] {
        // A time-out that falls due while a cancel is on its way asks nothing: the cancel
        // comes first, and the time-out ends the frame in flight.
        if (cancelQueued_) {
            cancelQueued_ = false;
            engine_.cancel();
        }
        engine_.onTimeout();
    });
    connect(&port_, &SerialPort::received, this, &CloneSession::onReceived);
    connect(&port_, &SerialPort::portError, this, &CloneSession::onPortError);
}

CloneSession::~CloneSession() {
    // Leaving with an operation running: the port closes with this object.
    waitTimer_.stop();
}

bool CloneSession::start(int mode, const QString& portName, QString* error) {
    if (running_) {
        if (error) *error = QString::fromStdString(OperationRunningText[s_.CurLanguage]);
        return false;
    }
    if (mode < ReadRadio || mode > WriteRadioInfo) {
        if (error) *error = QString::fromStdString(UnknownOperationText[s_.CurLanguage]);
        return false;
    }
    // The port first: a missing port must leave image and document untouched.
    if (!port_.open(portName, s_.CurLanguage, error)) return false;
    std::string why;
    if (!engine_.prepare(mode, &why)) {
        port_.close();
        if (error) *error = QString::fromStdString(why);
        return false;
    }
    running_ = true;
    cancelQueued_ = false;
    blocksSent_ = 0;
    writtenUpTo_ = 0;
    lineBytes_ = 0;
    outcome_ = Outcome::Success;
    emit progress(0);
    engine_.SendProgram();
    return true;
}

bool CloneSession::startWrite(const rv::MemoryImage& image, const QString& portName,
                              QString* error) {
    // The engine encodes the session's document; a restore sends the kept bytes instead.
    // Both happen before the first frame leaves.
    if (!start(WriteRadio, portName, error)) return false;
    s_.Image = image;
    return true;
}

void CloneSession::answer(Question q, bool yes) {
    if (!running_ || !engine_.questionPending()) return;
    const bool asksModel = engine_.pendingQuestion() == rv::link::Question::ModelMismatch;
    if (asksModel != (q == Question::ModelMismatch)) return;
    // Answers and cancels may come from a slot of one of our own signals, in the middle of
    // an engine step: they take effect once that step is over.
    QMetaObject::invokeMethod(
        this,
        [this, yes] {
            if (running_ && engine_.questionPending()) engine_.answer(yes);
        },
        Qt::QueuedConnection);
}

void CloneSession::cancel() {
    if (!running_) return;
    cancelQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            cancelQueued_ = false;
            if (running_) engine_.cancel();
        },
        Qt::QueuedConnection);
}

int CloneSession::mode() const {
    return engine_.mode();
}

bool CloneSession::isRunning() const {
    return running_;
}

void CloneSession::send(const Bytes& frame, int replyLength) {
    lineBytes_ += static_cast<int>(frame.size());
    if (engine_.mode() == WriteRadio && frame.size() > 4 && frame[0] == 'W') {
        ++blocksSent_;
        // The highest address any pass reached: a retry starts again at 0x0000.
        writtenUpTo_ = std::max(writtenUpTo_, ((frame[1] << 8) | frame[2]) + frame[3]);
    }
    port_.send(frame, replyLength);
}

void CloneSession::startWaitTimer() {
    waitTimer_.start();
}

void CloneSession::stopWaitTimer() {
    waitTimer_.stop();
}

void CloneSession::ask(rv::link::Question q) {
    emit question(q == rv::link::Question::ModelMismatch ? Question::ModelMismatch
                                                         : Question::Retry);
}

void CloneSession::showProgress(int percent) {
    emit progress(percent);
}

void CloneSession::finish(Outcome outcome, const std::string& message) {
    waitTimer_.stop();
    // Let a last frame (End after a cancel) leave before the port goes.
    port_.drain(100);
    port_.close();
    running_ = false;
    outcome_ = outcome;
    emit finished(outcome == Outcome::Success, QString::fromStdString(message));
}

void CloneSession::onReceived(const QByteArray& bytes) {
    lineBytes_ += static_cast<int>(bytes.size());
    engine_.onReceived(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                      static_cast<std::size_t>(bytes.size())));
}

void CloneSession::onPortError(const QString& message) {
    engine_.portFailed(message.toStdString());
}

} // namespace rv::link
