#include "link/RadioProbe.h"

#include "link/Os.h"

#include <QFile>

#include <span>

namespace rv::link {

int OpenErrnoOf(const QString& device) {
    return os::OpenErrno(QFile::encodeName(device).toStdString());
}

int AccessErrnoOf(const QString& device) {
    return os::AccessErrno(QFile::encodeName(device).toStdString());
}

RadioProbe::RadioProbe(QObject* parent) : QObject(parent), engine_(*this) {
    timer_.setSingleShot(true);
    timer_.setInterval(300);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { engine_.onTimeout(); });
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] { finish(std::nullopt); });
    // The reply timer runs on until the engine sends again or finishes: a reply it refuses
    // (junk where an ident belongs) must still end in a time-out, or the probe never ends.
    connect(&port_, &SerialPort::received, this, [this](const QByteArray& bytes) {
        engine_.onReceived(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                     static_cast<std::size_t>(bytes.size())));
    });
    // A port that fails half-way has no radio we could use.
    connect(&port_, &SerialPort::portError, this, [this] { finish(std::nullopt); });
}

bool RadioProbe::start(const QString& device, int language, QString* error) {
    ident_.reset();
    if (!port_.open(device, language, error)) return false;
    if (deadlineMs_ > 0) deadline_.start(deadlineMs_);
    engine_.start();
    return true;
}

void RadioProbe::send(const Bytes& frame, int replyLength) {
    timer_.start();
    port_.send(frame, replyLength);
}

void RadioProbe::finish(const std::optional<RadioIdent>& ident) {
    if (!port_.isOpen()) return; // the deadline and the engine's own end both came
    timer_.stop();
    deadline_.stop();
    port_.drain(100);
    port_.close();
    ident_ = ident;
    emit finished();
}

} // namespace rv::link
