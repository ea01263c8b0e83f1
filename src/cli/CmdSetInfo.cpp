#include "Commands.h"

#include <cstdio>

namespace rv::cli {

int CmdSetInfo(CliArgs&) {
    std::fprintf(stderr, "rv52n-cli: set-info is not available yet\n");
    return 2;
}

} // namespace rv::cli
