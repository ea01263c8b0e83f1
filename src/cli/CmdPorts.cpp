#include "Commands.h"
#include "PortArgs.h"

#include "link/PortList.h"

#include <cstdio>

namespace rv::cli {

int CmdPorts(CliArgs& args) {
    const auto ports = rv::link::ListPorts();
    for (const auto& p : ports) {
        const QString details = rv::link::PortDetails(p);
        std::printf("%d  %s%s%s\n", p.number, qPrintable(p.device), details.isEmpty() ? "" : "  ",
                    qPrintable(details));
    }
    if (ports.isEmpty())
        std::printf("%s\n",
                    LangText{"No serial ports found.", "未找到串口。"}[args.language].c_str());
    std::printf(
        "sim  %s\n",
        LangText{"the built-in simulated radio", "内置的模拟对讲机"}[args.language].c_str());
    return 0;
}

} // namespace rv::cli
