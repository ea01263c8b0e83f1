#include "Commands.h"

#include <cstdio>

namespace rv::cli {

int CmdRead(CliArgs&) {
    std::fprintf(stderr, "rv52n-cli: read is not available yet\n");
    return 2;
}

} // namespace rv::cli
