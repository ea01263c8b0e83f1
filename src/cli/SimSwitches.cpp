#include "SimSwitches.h"

#include <cstdio>

namespace rv::cli {

namespace {

std::optional<int> numberOf(const std::string& text, int low, int high, int base = 10) {
    try {
        std::size_t used = 0;
        const int n = std::stoi(text, &used, base);
        if (used == text.size() && n >= low && n <= high) return n;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

} // namespace

std::optional<rv::link::SimFaults> SimFaultsOf(const CliArgs& args, std::string* error) {
    rv::link::SimFaults faults;
    struct Switch {
        const char* name;
        int rv::link::SimFaults::*field;
        int high;
        int base;
    };
    static constexpr Switch switches[] = {
        {"--silent-after", &rv::link::SimFaults::silentAfterFrames, 100000, 10},
        {"--hang-up-after", &rv::link::SimFaults::hangUpAfterFrames, 100000, 10},
        {"--corrupt-block", &rv::link::SimFaults::corruptBlockAt, 1023, 0},
    };
    for (const auto& s : switches) {
        const auto text = args.value(s.name);
        if (!text) continue;
        const auto n = numberOf(*text, 0, s.high, s.base);
        if (!n) {
            if (error)
                *error = std::string(s.name) + " takes a number 0 to " + std::to_string(s.high);
            return std::nullopt;
        }
        faults.*s.field = *n;
    }
    if (args.has("--silent")) faults.silentAfterFrames = 0;
    faults.otherModel = args.has("--other-model");
    return faults;
}

std::optional<int> SimCountOf(const CliArgs& args) {
    const auto text = args.value("--count");
    return text ? numberOf(*text, 1, 16) : 1;
}

std::string NthSerial(const std::string& first, int index) {
    if (index == 0) return first;
    const auto n = numberOf(first, 0, 99999999 - 16);
    if (!n) return first.substr(0, 6) + std::to_string(10 + index);
    char text[16];
    std::snprintf(text, sizeof text, "%08d", *n + index);
    return text;
}

} // namespace rv::cli
