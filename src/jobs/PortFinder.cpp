#include "jobs/PortFinder.h"

#include "data/Messages.h"
#include "link/Os.h"

#include <QFile>
#include <QTimer>

#include <cerrno>

namespace rv::jobs {

using namespace rv::link;

namespace {
// Program, ident and End with their reply times and the drain take about a second.
constexpr int PortDeadlineMs = 5000;
} // namespace

PortFinder::PortFinder(int language, QObject* parent) : QObject(parent), language_(language) {
    connect(&probe_, &link::RadioProbe::finished, this, &PortFinder::onProbeFinished);
    probe_.setDeadline(PortDeadlineMs);
}

void PortFinder::start(const QList<ProbeTarget>& targets) {
    pending_ = targets;
    results_.clear();
    // Always from the event loop, so that `finished` never comes before start returns.
    QTimer::singleShot(0, this, &PortFinder::next);
}

void PortFinder::next() {
    while (!pending_.isEmpty()) {
        ProbeResult r;
        r.target = pending_.takeFirst();
        const int why = openCheck_ ? openCheck_(r.target.device) : 0;
        if (why == 0 && probe_.start(r.target.device, language_, &r.error)) {
            results_ << r;
            return; // onProbeFinished goes on
        }
        r.status = ProbeResult::Status::CannotOpen;
        r.permissionDenied = why == EACCES || why == EPERM;
        if (why != 0) {
            r.error = QString::fromStdString(rv::MsgText(rv::Msg::CannotOpenPort, language_)) +
                      QLatin1Char('\n') + OpenFailureReasonOf(why, language_);
        }
        results_ << r;
        emit portProbed(static_cast<int>(results_.size()) - 1);
    }
    emit finished();
}

void PortFinder::onProbeFinished() {
    ProbeResult& r = results_.last();
    r.ident = probe_.ident();
    r.status = r.ident ? ProbeResult::Status::Answered : ProbeResult::Status::Silent;
    emit portProbed(static_cast<int>(results_.size()) - 1);
    if (r.ident && stopAtFirst_) pending_.clear();
    // The next port from the event loop: the probe is still inside its own signal.
    QTimer::singleShot(0, this, &PortFinder::next);
}

QString PortFinder::openFailureOf(const QString& port) const {
    for (const auto& r : results_)
        if (r.target.port == port && r.status == ProbeResult::Status::CannotOpen) return r.error;
    return {};
}

const ProbeResult* PortFinder::firstAnswer() const {
    for (const auto& r : results_)
        if (r.status == ProbeResult::Status::Answered) return &r;
    return nullptr;
}

QString PortFinder::permissionAdvice() const {
    if (results_.isEmpty()) return {};
    for (const auto& r : results_)
        if (!r.permissionDenied) return {};
    return PermissionAdvice(SerialGroupOf(results_.first().target.device), language_);
}

QString PermissionAdvice(const QString& group, int language) {
    if (language == rv::Chinese) {
        return QStringLiteral("没有使用串口的权限。请把用户加入 %1 组：\nsudo usermod -aG %1 "
                              "$USER\n然后注销并重新登录。")
            .arg(group);
    }
    return QStringLiteral("No permission to use the serial ports. Join the group %1:\nsudo "
                          "usermod -aG %1 $USER\nthen log out and log in again.")
        .arg(group);
}

QString SerialGroupOf(const QString& device) {
    const std::string group = link::os::DeviceGroup(QFile::encodeName(device).toStdString());
    return group.empty() || group == "root" ? QStringLiteral("dialout")
                                            : QString::fromLocal8Bit(group.c_str());
}

} // namespace rv::jobs
