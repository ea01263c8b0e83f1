#include "Commands.h"

#include <cstdio>

namespace rv::cli {

int CmdInfo(CliArgs&) {
    std::fprintf(stderr, "rv52n-cli: info is not available yet\n");
    return 2;
}

} // namespace rv::cli
