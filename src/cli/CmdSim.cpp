#include "Commands.h"
#include "SimFaultOptions.h"
#include "SimSwitches.h"

#include "data/DataFile.h"
#include "data/Image.h"
#include "link/SimFleet.h"
#include "link/SimRadioPty.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

namespace rv::cli {

namespace {

constexpr const char* Usage =
    "sim [--link PATH] [--image FILE] [--fast] [--count N] [--corrupt-write ADDR] "
    "[--corrupt-read ADDR] [--garbage-ident] [--hang-up-after N] [--silent] [--silent-after N] "
    "[--other-model]";

// A 1024-byte memory image, or a data file whose document becomes the radio's memory.
std::optional<MemoryImage> LoadMemory(const std::string& path, std::string* error) {
    const auto bytes = ReadInput(path, RecordSize);
    if (bytes && bytes->size() == 1024) {
        MemoryImage image;
        std::copy(bytes->begin(), bytes->end(), image.begin());
        return image;
    }
    const auto doc = bytes ? FromRecord(*bytes) : std::nullopt;
    MemoryImage image;
    InitImage(image);
    if (!doc || !EncodeImage(*doc, image, error)) {
        if (error && error->empty())
            *error = path + ": neither a 1024-byte memory image nor a data file";
        return std::nullopt;
    }
    return image;
}

} // namespace

int CmdSim(CliArgs& args) {
    MemoryImage memory = rv::link::DemoRadioMemory();
    if (const auto path = args.value("--image")) {
        std::string error;
        const auto loaded = LoadMemory(*path, &error);
        if (!loaded) return Fail(error);
        memory = *loaded;
    }
    // Signals are taken by sigwait below, in this thread only.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    std::string error;
    auto faults = SimFaultsOf(args, &error);
    const auto count = SimCountOf(args);
    if (!faults || !AddSilenceSwitches(args, *faults, &error)) return UsageError(error, Usage);
    if (!count) return UsageError("--count takes a number 1 to 16", Usage);
    std::vector<std::unique_ptr<rv::link::SimRadioPty>> radios;
    for (int i = 0; i < *count; ++i) {
        auto sim = std::make_unique<rv::link::SimRadioPty>(memory);
        if (!sim->start(!args.has("--fast"), &error)) return Fail(error);
        sim->withRadio([&](rv::link::SimRadio& r) {
            r.faults() = *faults;
            r.info().serialNumber = rv::link::NthSerial(r.info().serialNumber, i);
        });
        radios.push_back(std::move(sim));
    }
    rv::link::SimRadioPty& sim = *radios.front();
    const auto link = args.value("--link");
    namespace fs = std::filesystem;
    if (link) {
        std::error_code ec;
        if (fs::is_symlink(*link, ec)) fs::remove(*link, ec);
        fs::create_symlink(sim.devicePath(), *link, ec);
        if (ec) return Fail(*link + ": " + ec.message());
    }
    for (const auto& r : radios)
        std::printf("%s\n", r->devicePath().c_str());
    std::fflush(stdout);
    int signal = 0;
    sigwait(&stopSignals, &signal);
    radios.clear();
    if (link) {
        std::error_code ec;
        fs::remove(*link, ec);
    }
    return 0;
}

} // namespace rv::cli
