#pragma once

#include "link/CloneEngine.h"
#include "link/CloneSession.h"
#include "link/LinkTexts.h"
#include "link/RadioProbe.h"

#include <QList>
#include <QObject>
#include <QString>

#include <optional>

namespace rv::jobs {

/// A port to probe: as the user named it (a number, a path) and the device behind it.
struct ProbeTarget {
    QString port;
    QString device;
};

/// What probing one port found.
struct ProbeResult {
    enum class Status { Answered, Silent, CannotOpen };
    ProbeTarget target;
    Status status = Status::Silent;
    std::optional<link::RadioIdent> ident;
    QString error;                 ///< why the port could not be opened
    bool permissionDenied = false; ///< it could not be opened for lack of permission
};

/// Probes ports one after the other (Find Radio, `find`).
class PortFinder : public QObject {
    Q_OBJECT
public:
    explicit PortFinder(int language, QObject* parent = nullptr);

    /// Stops after the first port where a radio answers.
    void setStopAtFirst(bool stop) { stopAtFirst_ = stop; }
    /// Replaces the open check that comes before each probe.
    void setOpenCheck(link::OpenCheck check) { openCheck_ = std::move(check); }
    void setReplyTime(int msecs) { probe_.setReplyTime(msecs); }
    /// The longest one port may take (5 s): a device that keeps the probe busy is then
    /// reported as silent and the next port follows.
    void setPortDeadline(int msecs) { probe_.setDeadline(msecs); }
    /// Starts probing; `finished` follows (also for an empty list).
    void start(const QList<ProbeTarget>& targets);
    const QList<ProbeResult>& results() const { return results_; }
    /// The first port where a radio answered, or nullptr.
    const ProbeResult* firstAnswer() const;
    /// Why the port named `port` could not be probed (both lines of the open failure); empty
    /// when it was probed or not asked for.
    QString openFailureOf(const QString& port) const;
    /// The advice when ports exist but none could be opened for lack of permission;
    /// empty otherwise.
    QString permissionAdvice() const;

signals:
    /// The probe of `results()[index]` is over.
    void portProbed(int index);
    void finished();

private:
    void next();
    void onProbeFinished();

    int language_;
    bool stopAtFirst_ = false;
    link::OpenCheck openCheck_ = link::OpenErrnoOf;
    link::RadioProbe probe_;
    QList<ProbeTarget> pending_;
    QList<ProbeResult> results_;
};

/// "No permission to use the serial ports..." with the group to join and the command.
QString PermissionAdvice(const QString& group, int language);

/// The group that owns the device, when it is a group one joins for it; else "dialout".
QString SerialGroupOf(const QString& device);

} // namespace rv::jobs
