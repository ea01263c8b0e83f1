#pragma once

#include "link/ProbeEngine.h"
#include "link/SerialPort.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

namespace rv::link {

/// The error number a plain open of the device gives (0: it opens). The seam through which
/// tests make a device refuse, as a missing permission would.
using OpenCheck = std::function<int(const QString& device)>;

/// Opens the device read-write and closes it again; 0 or the error number.
int OpenErrnoOf(const QString& device);

/// Whether the device may be a serial port the user can read and write, without opening it
/// (opening a serial port can reset what is attached to it); 0 or the error number: EISDIR
/// for a folder, ENOTTY for a plain file or a memory device such as /dev/null.
int AccessErrnoOf(const QString& device);

/// One probe of one port (`ProbeEngine` on a real port with its reply timer).
class RadioProbe : public QObject, private ProbeHost {
    Q_OBJECT
public:
    explicit RadioProbe(QObject* parent = nullptr);

    /// Opens the port and sends Program. False with the two-line message when the port
    /// cannot be opened.
    bool start(const QString& device, int language, QString* error);
    /// What the radio said; empty when none answered.
    const std::optional<RadioIdent>& ident() const { return ident_; }
    /// The reply time (300 ms); tests may shorten it.
    void setReplyTime(int msecs) { timer_.setInterval(msecs); }
    /// The longest a probe may take, whatever the device does (0: no limit beyond the reply
    /// times). When it passes the probe ends as if no radio had answered.
    void setDeadline(int msecs) { deadlineMs_ = msecs; }

signals:
    void finished();

private:
    void send(const Bytes& frame, int replyLength) override;
    void finish(const std::optional<RadioIdent>& ident) override;

    SerialPort port_;
    QTimer timer_;
    QTimer deadline_;
    int deadlineMs_ = 0;
    ProbeEngine engine_;
    std::optional<RadioIdent> ident_;
};

} // namespace rv::link
