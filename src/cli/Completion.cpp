#include "Completion.h"

#include "Commands.h"

#include "data/ModelTables.h"
#include "link/PortList.h"

#include <algorithm>
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

// The bands of `model`, or of every model (each once, in list order).
void PrintBands(const std::string& model) {
    std::vector<std::string> bands;
    for (const auto& code : rv::ModelCodes) {
        if (!model.empty() && model != code) continue;
        for (const auto& band : rv::BandsOfModel(code))
            if (std::find(bands.begin(), bands.end(), band) == bands.end()) bands.push_back(band);
    }
    for (const auto& band : bands)
        std::printf("%s\n", band.c_str());
}

} // namespace

int PrintCompletionWords(const std::vector<std::string>& args) {
    if (args.empty()) {
        for (const auto& c : CommandTable())
            std::printf("%s\n", c.name);
        return 0;
    }
    if (args[0] == "--band" && args.size() <= 2) {
        PrintBands(args.size() == 2 ? args[1] : std::string());
        return 0;
    }
    if (args.size() != 1) return 2;
    if (args[0] == "--port" || args[0] == "--ports") {
        PrintPorts();
        return 0;
    }
    if (args[0] == "--model") {
        for (const auto& code : rv::ModelCodes)
            std::printf("%s\n", code.c_str());
        return 0;
    }
    if (args[0] == "--lang") {
        std::printf("en\nzh\n");
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
