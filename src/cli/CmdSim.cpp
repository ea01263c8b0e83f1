#include "Commands.h"

#include <cstdio>

namespace rv::cli {

int CmdSim(CliArgs&) {
    std::fprintf(stderr, "rv52n-cli: sim is not available yet\n");
    return 2;
}

} // namespace rv::cli
