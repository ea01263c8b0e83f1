#include "Completion.h"

#include "Commands.h"

#include "link/PortList.h"

#include <cstdio>

namespace rv::cli {

namespace {

void PrintOptions(const Command& c) {
    std::set<std::string> options = c.options;
    options.insert("--lang");
    for (const auto& f : c.flags)
        std::printf("%s\n", f.c_str());
    std::printf("--help\n");
    for (const auto& o : options)
        std::printf("%s=\n", o.c_str());
}

void PrintPorts() {
    std::printf("%s\n", qPrintable(rv::link::SimPortName));
    for (const auto& p : rv::link::ListPorts())
        std::printf("%d\n%s\n", p.number, qPrintable(p.device));
}

} // namespace

int PrintCompletionWords(const std::vector<std::string>& args) {
    if (args.empty()) {
        for (const auto& c : CommandTable())
            std::printf("%s\n", c.name);
        return 0;
    }
    if (args.size() != 1) return 2;
    if (args[0] == "--port") {
        PrintPorts();
        return 0;
    }
    for (const auto& c : CommandTable()) {
        if (args[0] != c.name) continue;
        PrintOptions(c);
        return 0;
    }
    return 2;
}

} // namespace rv::cli
