#include "SimSwitches.h"

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

bool AddSilenceSwitches(const CliArgs& args, rv::sim::SimFaults& faults, LangText* error) {
    if (const auto text = args.value("--silent-after")) {
        const auto n = numberOf(*text, 0, 100000);
        if (!n) {
            if (error)
                *error = {"--silent-after takes a number 0 to 100000",
                          "--silent-after 取 0 到 100000 的数"};
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

} // namespace rv::cli
