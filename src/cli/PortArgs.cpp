#include "PortArgs.h"

#include "link/PortList.h"

namespace rv::cli {

std::optional<QList<rv::jobs::ProbeTarget>> PortsOf(const CliArgs& args, std::string* error) {
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
        const QString device = name.isEmpty() ? QString() : rv::link::ResolvePort(name, &why);
        if (device.isEmpty()) {
            if (error)
                *error =
                    name.isEmpty() ? std::string("--ports has an empty entry") : why.toStdString();
            return std::nullopt;
        }
        targets << rv::jobs::ProbeTarget{name, device};
    }
    return targets;
}

} // namespace rv::cli
