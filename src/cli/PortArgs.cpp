#include "PortArgs.h"

#include "link/PortList.h"
#include "sim/SimFleet.h"

#include <QFileInfo>

namespace rv::cli {

std::optional<QList<rv::jobs::ProbeTarget>> PortsOf(const CliArgs& args, const std::string& usage,
                                                    int* status, SimRadios* sims) {
    const auto refuse = [&](const LangText& why) {
        *status = UsageError(why, usage);
        return std::nullopt;
    };
    const auto fail = [&](const std::string& why) {
        *status = Fail(why);
        return std::nullopt;
    };
    QList<rv::jobs::ProbeTarget> targets;
    const auto list = args.value("--ports");
    if (!list) {
        for (const auto& p : rv::link::ListPorts())
            targets << rv::jobs::ProbeTarget{QString::number(p.number), p.device};
        return targets;
    }
    for (const QString& port : QString::fromStdString(*list).split(QLatin1Char(','))) {
        const QString name = port.trimmed();
        QString why;
        if (name == rv::link::SimPortName && sims) {
            // Each simulated radio of the list has a serial number of its own.
            std::string failed;
            auto sim = rv::sim::StartFleetSim(static_cast<int>(sims->size()), false, &failed);
            if (!sim) return fail(failed);
            targets << rv::jobs::ProbeTarget{name, QString::fromStdString(sim->devicePath())};
            sims->push_back(std::move(sim));
            continue;
        }
        const QString device =
            name.isEmpty() ? QString() : rv::link::ResolvePort(name, &why, args.language);
        if (name.isEmpty()) return refuse({"--ports has an empty entry", "--ports 中有空项"});
        if (device.isEmpty()) return fail(why.toStdString());
        // Another spelling of a device (a link, "/dev/../dev/ttyS0") is still that device.
        const auto same = [](const QString& a, const QString& b) {
            const QString ca = QFileInfo(a).canonicalFilePath();
            return a == b || (!ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath());
        };
        for (const auto& t : targets) {
            if (!same(t.device, device)) continue;
            // Two stations on one device would take each other's replies.
            return refuse({"port " + name.toStdString() + " is given twice in --ports",
                           "端口 " + name.toStdString() + " 在 --ports 中重复给出"});
        }
        targets << rv::jobs::ProbeTarget{name, device};
    }
    return targets;
}

} // namespace rv::cli
