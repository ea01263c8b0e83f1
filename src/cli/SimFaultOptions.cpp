#include "SimFaultOptions.h"

namespace rv::cli {

namespace {

// A whole number from `low` to `high`; base 0 takes decimal or 0x hex.
std::optional<int> NumberIn(const std::string& text, int low, int high, int base) {
    try {
        std::size_t used = 0;
        const int v = std::stoi(text, &used, base);
        if (used == text.size() && v >= low && v <= high) return v;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

} // namespace

std::optional<rv::sim::SimFaults> SimFaultsOf(const CliArgs& args, LangText* error) {
    rv::sim::SimFaults f;
    f.garbageIdent = args.has("--garbage-ident");
    f.otherModel = args.has("--other-model");
    struct Switch {
        const char* name;
        int* value;
        int high;
        int base;
    };
    const Switch switches[] = {{"--corrupt-write", &f.corruptWriteAt, 1023, 0},
                               {"--corrupt-read", &f.flipReadAt, 1023, 0},
                               {"--hang-up-after", &f.hangUpAfterFrames, 100000, 0},
                               {"--silent-after", &f.silentAfterFrames, 100000, 10}};
    for (const Switch& s : switches) {
        const auto text = args.value(s.name);
        if (!text) continue;
        const auto v = NumberIn(*text, 0, s.high, s.base);
        if (!v) {
            if (error)
                *error = {std::string(s.name) + " takes a number 0 to " + std::to_string(s.high),
                          std::string(s.name) + " 取 0 到 " + std::to_string(s.high) + " 的数"};
            return std::nullopt;
        }
        *s.value = *v;
    }
    if (args.has("--silent")) f.silentAfterFrames = 0;
    return f;
}

std::optional<int> SimCountOf(const CliArgs& args) {
    const auto text = args.value("--count");
    return text ? NumberIn(*text, 1, 16, 10) : 1;
}

} // namespace rv::cli
