#include "link/SerialPort.h"

#include "data/Messages.h"
#include "link/LinkTexts.h"
#include "link/Os.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace rv::link {

namespace {

QString qtext(const rv::LangText& t, int language) {
    return QString::fromStdString(t[language]);
}

} // namespace

QString OpenFailureReason(const QString& devicePath, QSerialPort::SerialPortError error,
                          int language) {
    bool terminal = true;
    const int openErrno = os::OpenErrno(devicePath.toStdString(), &terminal);
    if (openErrno == ENOENT || openErrno == ENAMETOOLONG || openErrno == ENOTDIR)
        return qtext(NoSuchPortText, language);
    // A folder or an ordinary file named as the port is no serial port at all.
    const QFileInfo info(devicePath);
    if (info.isDir()) return qtext(FolderNotPortText, language);
    if (info.isFile()) return qtext(FileNotPortText, language);
    if (error == QSerialPort::PermissionError || error == QSerialPort::DeviceNotFoundError ||
        error == QSerialPort::OpenError || error == QSerialPort::NoError ||
        error == QSerialPort::UnknownError || error == QSerialPort::UnsupportedOperationError) {
        // The port's own error is not precise enough (a lock held by another program and a
        // missing permission look alike): ask the device itself.
        // A device that opens but has no line settings (/dev/null) is not a serial port.
        if (openErrno == 0 && !terminal) return qtext(DeviceNotPortText, language);
        return OpenFailureReasonOf(openErrno, language);
    }
    return qtext(PortBusyText, language);
}

QString OpenFailureReasonOf(int openErrno, int language) {
    if (openErrno == EACCES || openErrno == EPERM) return qtext(PortPermissionText, language);
    if (openErrno == ENOENT || openErrno == ENODEV || openErrno == ENXIO || openErrno == EIO ||
        openErrno == ENAMETOOLONG || openErrno == ENOTDIR)
        return qtext(NoSuchPortText, language);
    if (openErrno == EISDIR) return qtext(FolderNotPortText, language);
    if (openErrno == ENOTTY) return qtext(DeviceNotPortText, language);
    // The device opens for us, or says it is busy: another program holds it.
    return qtext(PortBusyText, language);
}

QString PortFailureText(const QString& errorString, int language) {
    // Bytes announced but gone when read: another program reads the same port.
    if (errorString == QString::fromLocal8Bit(std::strerror(EAGAIN)))
        return qtext(PortSharedText, language);
    return qtext(PortLostText, language);
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
    device_ = portName;
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
    os::RequestLowLatency(static_cast<std::intptr_t>(port_.handle()));
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
    // Only the input: output still on its way (the last frame before a stop) must reach the
    // radio whole, or it takes what follows as part of it.
    port_.clear(QSerialPort::Input);
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
    // A read that found nothing counts as a read error: it happens when `send` has just
    // emptied the input the port was about to read. The line is lost only when the device
    // has gone as well.
    if (e == QSerialPort::ReadError && os::OpenErrno(device_.toStdString()) != ENOENT) {
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
