#include "Commands.h"

#include <cstdio>

namespace rv::cli {

int CmdPorts(CliArgs&) {
    std::fprintf(stderr, "rv52n-cli: ports is not available yet\n");
    return 2;
}

} // namespace rv::cli
