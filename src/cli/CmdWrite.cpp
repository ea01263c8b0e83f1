#include "Commands.h"

#include <cstdio>

namespace rv::cli {

int CmdWrite(CliArgs&) {
    std::fprintf(stderr, "rv52n-cli: write is not available yet\n");
    return 2;
}

} // namespace rv::cli
