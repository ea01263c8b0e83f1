#include "link/SerialPort.h"

#include "data/Messages.h"
#include "link/LinkTexts.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#ifdef __linux__
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace rv::link {

namespace {

QString qtext(const rv::LangText& t, int language) {
    return QString::fromStdString(LinkText(t, language));
}

} // namespace

bool RequestLowLatency(int fd) {
#ifdef __linux__
    serial_struct ss{};
    if (fd < 0 || ioctl(fd, TIOCGSERIAL, &ss) != 0) return false;
    if (ss.flags & ASYNC_LOW_LATENCY) return true;
    ss.flags |= ASYNC_LOW_LATENCY;
    return ioctl(fd, TIOCSSERIAL, &ss) == 0;
#else
    (void)fd;
    return false;
#endif
}

QString OpenFailureReason(const QString& devicePath, QSerialPort::SerialPortError error,
                          int language) {
    const QFileInfo info(devicePath);
    if (!info.exists()) return qtext(NoSuchPortText(), language);
    // A folder or an ordinary file named as the port is no serial port at all.
    if (info.isDir()) return qtext(FolderNotPortText(), language);
    if (info.isFile()) return qtext(FileNotPortText(), language);
    if (error == QSerialPort::PermissionError || error == QSerialPort::DeviceNotFoundError ||
        error == QSerialPort::OpenError || error == QSerialPort::NoError ||
        error == QSerialPort::UnknownError || error == QSerialPort::UnsupportedOperationError) {
        // The port's own error is not precise enough (a lock held by another program and a
        // missing permission look alike): ask the device itself.
        const QByteArray path = devicePath.toLocal8Bit();
        const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        const int why = fd < 0 ? errno : 0;
        const bool terminal = fd >= 0 && ::isatty(fd);
        if (fd >= 0) ::close(fd);
        // A device that opens but has no line settings (/dev/null) is not a serial port.
        if (fd >= 0 && !terminal) return qtext(DeviceNotPortText(), language);
        return OpenFailureReasonOf(why, language);
    }
    return qtext(PortBusyText(), language);
}

QString OpenFailureReasonOf(int openErrno, int language) {
    if (openErrno == EACCES || openErrno == EPERM) return qtext(PortPermissionText(), language);
    if (openErrno == ENOENT || openErrno == ENODEV || openErrno == ENXIO || openErrno == EIO)
        return qtext(NoSuchPortText(), language);
    if (openErrno == EISDIR) return qtext(FolderNotPortText(), language);
    if (openErrno == ENOTTY) return qtext(DeviceNotPortText(), language);
    // The device opens for us, or says it is busy: another program holds it.
    return qtext(PortBusyText(), language);
}

QString PortFailureText(const QString& errorString, int language) {
    // Bytes announced but gone when read: another program reads the same port.
    if (errorString == QString::fromLocal8Bit(std::strerror(EAGAIN)))
        return qtext(PortSharedText(), language);
    return qtext(PortLostText(), language);
}

SerialPort::SerialPort(QObject* parent) : QObject(parent) {
    connect(&port_, &QSerialPort::readyRead, this, &SerialPort::onReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialPort::onError);
}

SerialPort::~SerialPort() {
    close();
}

bool SerialPort::open(const QString& portName, int language, QString* error) {
    language_ = language;
    close();
    port_.setPortName(portName);
    port_.setBaudRate(9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::TwoStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (!port_.open(QIODevice::ReadWrite)) {
        const auto e = port_.error();
        if (error) {
            *error = QString::fromStdString(rv::MsgText(rv::Msg::CannotOpenPort, language)) + "\n" +
                     OpenFailureReason(portName, e, language);
        }
        port_.clearError();
        return false;
    }
    RequestLowLatency(static_cast<int>(port_.handle()));
    port_.clear(QSerialPort::AllDirections);
    buffer_.clear();
    threshold_ = 1;
    return true;
}

void SerialPort::close() {
    if (port_.isOpen()) port_.close();
    buffer_.clear();
    threshold_ = 0;
}

bool SerialPort::isOpen() const {
    return port_.isOpen();
}

QString SerialPort::portName() const {
    return port_.portName();
}

void SerialPort::send(const QByteArray& frame, int threshold) {
    if (!port_.isOpen()) return;
    threshold_ = threshold;
    port_.clear(QSerialPort::AllDirections);
    // Bytes already taken from the driver but not yet delivered are stale as well.
    port_.readAll();
    buffer_.clear();
    port_.write(frame);
    // Hand the frame to the driver now rather than on the next pass of the event loop:
    // every exchange waits for it, so the delay would add up over a transfer.
    port_.flush();
}

void SerialPort::setThreshold(int threshold) {
    threshold_ = threshold;
}

void SerialPort::drain(int msecs) {
    if (port_.isOpen() && port_.bytesToWrite() > 0) port_.waitForBytesWritten(msecs);
}

void SerialPort::onReadyRead() {
    buffer_.append(port_.readAll());
    if (threshold_ <= 0 || buffer_.size() < threshold_) return;
    const QByteArray reply = buffer_.left(threshold_);
    buffer_.clear();
    emit received(reply);
}

void SerialPort::onError(QSerialPort::SerialPortError e) {
    if (e == QSerialPort::NoError || !port_.isOpen()) return;
    // Time-outs of blocking waits are not failures of the line.
    if (e == QSerialPort::TimeoutError) {
        port_.clearError();
        return;
    }
    // The driver's own words ("Inappropriate ioctl for device" for a vanished adapter) tell
    // the user nothing; the plain fact does.
    const QString why = PortFailureText(port_.errorString(), language_);
    port_.clearError();
    close();
    emit portError(why);
}

} // namespace rv::link
