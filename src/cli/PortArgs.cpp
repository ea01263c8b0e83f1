#include "PortArgs.h"

#include "link/PortList.h"
#include "link/SimFleet.h"

#include <QFileInfo>

namespace rv::cli {

std::optional<QList<rv::jobs::ProbeTarget>> PortsOf(const CliArgs& args, std::string* error,
                                                    SimRadios* sims) {
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
            auto sim = rv::link::StartFleetSim(static_cast<int>(sims->size()), false, &failed);
            if (!sim) {
                if (error) *error = failed;
                return std::nullopt;
            }
            targets << rv::jobs::ProbeTarget{name, QString::fromStdString(sim->devicePath())};
            sims->push_back(std::move(sim));
            continue;
        }
        const QString device =
            name.isEmpty() ? QString() : rv::link::ResolvePort(name, &why, args.language);
        if (device.isEmpty()) {
            if (error)
                *error = name.isEmpty()
                             ? std::string(InLanguage(args.language, "--ports has an empty entry",
                                                      "--ports 中有空项"))
                             : why.toStdString();
            return std::nullopt;
        }
        // Another spelling of a device (a link, "/dev/../dev/ttyS0") is still that device.
        const auto same = [](const QString& a, const QString& b) {
            const QString ca = QFileInfo(a).canonicalFilePath();
            return a == b || (!ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath());
        };
        for (const auto& t : targets) {
            if (!same(t.device, device)) continue;
            // Two stations on one device would take each other's replies.
            if (error)
                *error = (args.language == Chinese
                              ? "端口 " + name.toStdString() + " 重复给出"
                              : "port " + name.toStdString() + " is given twice in --ports");
            return std::nullopt;
        }
        targets << rv::jobs::ProbeTarget{name, device};
    }
    return targets;
}

} // namespace rv::cli
