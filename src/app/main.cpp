#include "Application.h"

#include "data/Version.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    // The version reads as the command-line tool's does: the program's own name, then the
    // version.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-v") == 0) {
            std::printf("rv52n %s\n", rv::Version);
            return 0;
        }
    }
    return rv::app::RunApplication(argc, argv);
}
