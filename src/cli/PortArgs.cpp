#include "PortArgs.h"

#include "link/PortList.h"

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
            auto sim = std::make_unique<rv::link::SimRadioPty>();
            std::string failed;
            if (!sim->start(false, &failed)) {
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
                *error =
                    name.isEmpty() ? std::string("--ports has an empty entry") : why.toStdString();
            return std::nullopt;
        }
        for (const auto& t : targets) {
            if (t.device != device) continue;
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
