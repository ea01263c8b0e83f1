#include "Commands.h"
#include "RadioOperation.h"
#include "SimFaultOptions.h"
#include "SimLink.h"

#include "data/DataFile.h"
#include "data/Image.h"
#include "link/Os.h"
#include "sim/SimFleet.h"
#include "sim/SimRadioPty.h"

#include <cstdio>
#include <memory>
#include <vector>

namespace rv::cli {

namespace {

// A 1024-byte memory image, or a data file whose document becomes the radio's memory.
std::optional<MemoryImage> LoadMemory(const Session& s, const std::string& path,
                                      std::string* error) {
    const auto bytes = LoadDocumentFile(s, path, DocumentFile::DataOrImage);
    if (!bytes) return std::nullopt;
    if (bytes->size() == ImageBytes) {
        MemoryImage image;
        std::copy(bytes->begin(), bytes->end(), image.begin());
        return image;
    }
    const auto doc = FromRecord(*bytes);
    MemoryImage image;
    InitImage(image);
    if (!doc || !EncodeImage(*doc, image, error)) {
        if (error) *error = path + ": " + *error;
        return std::nullopt;
    }
    return image;
}

} // namespace

int CmdSim(CliArgs& args) {
    MemoryImage memory = rv::sim::DemoRadioMemory();
    if (const auto path = args.value("--image")) {
        std::string error;
        const auto loaded = LoadMemory(MakeSession(args), *path, &error);
        if (!loaded) return error.empty() ? 1 : Fail(error);
        memory = *loaded;
    }
    // Held before the radio's thread starts, so that only the wait below receives them.
    rv::link::os::HoldStopSignals();
    LangText refusal;
    auto faults = SimFaultsOf(args, &refusal);
    const auto count = SimCountOf(args);
    if (!faults)
        return UsageError(refusal, args.usage);
    if (!count)
        return UsageError({"--count takes a number 1 to 16", "--count 取 1 到 16 的数"},
                          args.usage);
    std::vector<std::unique_ptr<rv::sim::SimRadioPty>> radios;
    for (int i = 0; i < *count; ++i) {
        auto sim = std::make_unique<rv::sim::SimRadioPty>(memory);
        if (!StartSimRadio(*sim, !args.has("--fast"), args)) return 1;
        sim->withRadio([&](rv::sim::SimRadio& r) {
            r.faults() = *faults;
            r.info().serialNumber = rv::sim::NthSerial(r.info().serialNumber, i);
        });
        radios.push_back(std::move(sim));
    }
    rv::sim::SimRadioPty& sim = *radios.front();
    SimLink link;
    if (const auto path = args.value("--link")) {
        std::string error;
        if (!link.claim(*path, sim.devicePath(), args.language, &error)) return Fail(error);
    }
    for (const auto& r : radios)
        std::printf("%s\n", r->devicePath().c_str());
    std::fflush(stdout);
    rv::link::os::WaitForStopSignal();
    link.release();
    radios.clear();
    return 0;
}

} // namespace rv::cli
