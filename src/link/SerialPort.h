#pragma once

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>

#include <cstdint>
#include <vector>

namespace rv::link {

/// The radio's serial line: 9600 baud, 8 data bits, no parity, 2 stop bits, no flow control.
/// A receive threshold decides when received bytes are delivered: once that many bytes are
/// buffered, the first `threshold` bytes go out in one `received` signal and the rest are
/// dropped. The input is emptied before each send, so no stale byte is delivered; output is never
/// thrown away.
class SerialPort : public QObject {
    Q_OBJECT
public:
    explicit SerialPort(QObject* parent = nullptr);
    ~SerialPort() override;

    /// Opens and configures the port (`OpenCommPort`). On failure returns false and sets
    /// `error` to "Cannot Open Communication Port." and a second line with the reason.
    bool open(const QString& portName, int language, QString* error);
    void close();
    bool isOpen() const;
    QString portName() const;

    /// Empties the input, sets the receive threshold, writes the frame without blocking.
    void send(const QByteArray& frame, int threshold);
    void send(const std::vector<std::uint8_t>& frame, int threshold) {
        send(QByteArray(reinterpret_cast<const char*>(frame.data()),
                        static_cast<qsizetype>(frame.size())),
             threshold);
    }
    /// Changes the threshold without sending (0: deliver nothing).
    void setThreshold(int threshold);
    int threshold() const { return threshold_; }
    /// Waits (at most `msecs`) until everything written has left the program.
    void drain(int msecs);

signals:
    /// `threshold` bytes have arrived.
    void received(const QByteArray& bytes);
    /// The port failed while open (cable pulled, device gone); it is closed already.
    void portError(const QString& message);

private:
    void onReadyRead();
    void onError(QSerialPort::SerialPortError e);

    QSerialPort port_;
    QString device_; ///< as given to `open`
    QByteArray buffer_;
    int threshold_ = 0;
    int language_ = 1;
};

/// The reason a port cannot be opened, as a user can act on it (second message line).
QString OpenFailureReason(const QString& devicePath, QSerialPort::SerialPortError error,
                          int language);

/// The same reason from the error number of a plain open() of the device (0: it opened).
QString OpenFailureReasonOf(int openErrno, int language);

/// What a failure of an open port means (from the port's error text): another program
/// reading the same port, or the connection lost.
QString PortFailureText(const QString& errorString, int language);

} // namespace rv::link
