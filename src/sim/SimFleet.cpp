#include "sim/SimFleet.h"

#include <charconv>
#include <cstdio>

namespace rv::sim {

std::string NthSerial(const std::string& first, int index) {
    if (index == 0) return first;
    long n = 0;
    const auto [end, ec] = std::from_chars(first.data(), first.data() + first.size(), n);
    if (ec != std::errc() || end != first.data() + first.size() || n < 0 || n + index > 99999999)
        return first.substr(0, 6) + std::to_string(10 + index % 90);
    char text[16];
    std::snprintf(text, sizeof text, "%08ld", n + index);
    return text;
}

std::unique_ptr<SimRadioPty> StartFleetSim(int index, bool paced, std::string* error) {
    auto sim = std::make_unique<SimRadioPty>();
    if (!sim->start(paced, error)) return nullptr;
    sim->withRadio(
        [index](SimRadio& r) { r.info().serialNumber = NthSerial(r.info().serialNumber, index); });
    return sim;
}

} // namespace rv::sim
