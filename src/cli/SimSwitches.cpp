#include "SimSwitches.h"

#include <cstdio>

namespace rv::cli {

namespace {

std::optional<int> numberOf(const std::string& text, int low, int high) {
    try {
        std::size_t used = 0;
        const int n = std::stoi(text, &used, 10);
        if (used == text.size() && n >= low && n <= high) return n;
    } catch (const std::exception&) {
    }
    return std::nullopt;
}

} // namespace

bool AddSilenceSwitches(const CliArgs& args, rv::link::SimFaults& faults, std::string* error) {
    if (const auto text = args.value("--silent-after")) {
        const auto n = numberOf(*text, 0, 100000);
        if (!n) {
            if (error) *error = "--silent-after takes a number 0 to 100000";
            return false;
        }
        faults.silentAfterFrames = *n;
    }
    if (args.has("--silent")) faults.silentAfterFrames = 0;
    faults.otherModel = args.has("--other-model");
    return true;
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
