#include "SimFaultOptions.h"

namespace rv::cli {

namespace {

// A whole number from `low` to `high`, decimal or 0x hex.
std::optional<int> NumberIn(const std::string& text, int low, int high) {
    try {
        std::size_t used = 0;
        const int v = std::stoi(text, &used, 0);
        if (used == text.size() && v >= low && v <= high) return v;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

} // namespace

std::optional<rv::sim::SimFaults> SimFaultsOf(const CliArgs& args, LangText* error) {
    rv::sim::SimFaults f;
    f.garbageIdent = args.has("--garbage-ident");
    struct Switch {
        const char* name;
        int* value;
        int high;
    };
    const Switch switches[] = {{"--corrupt-write", &f.corruptWriteAt, 1023},
                               {"--corrupt-read", &f.flipReadAt, 1023},
                               {"--hang-up-after", &f.hangUpAfterFrames, 100000}};
    for (const Switch& s : switches) {
        const auto text = args.value(s.name);
        if (!text) continue;
        const auto v = NumberIn(*text, 0, s.high);
        if (!v) {
            if (error)
                *error = {std::string(s.name) + " takes a number 0 to " + std::to_string(s.high),
                          std::string(s.name) + " 取 0 到 " + std::to_string(s.high) + " 的数"};
            return std::nullopt;
        }
        *s.value = *v;
    }
    return f;
}

} // namespace rv::cli
