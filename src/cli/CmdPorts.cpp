#include "Commands.h"

#include "link/PortList.h"

#include <cstdio>

namespace rv::cli {

int CmdPorts(CliArgs&) {
    const auto ports = rv::link::ListPorts();
    for (const auto& p : ports) {
        const QString details = rv::link::PortDetails(p);
        std::printf("%d  %s%s%s\n", p.number, qPrintable(p.device), details.isEmpty() ? "" : "  ",
                    qPrintable(details));
    }
    if (ports.isEmpty()) std::printf("No serial ports found.\n");
    std::printf("sim  the built-in simulated radio\n");
    return 0;
}

} // namespace rv::cli
