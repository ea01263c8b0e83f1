#include "Commands.h"
#include "RadioOperation.h"
#include "SimFaultOptions.h"

#include "data/DataFile.h"
#include "data/Image.h"
#include "link/Os.h"
#include "link/SimRadioPty.h"

#include <cstdio>
#include <filesystem>

namespace rv::cli {

namespace {

constexpr const char* Usage = "sim [--link PATH] [--image FILE] [--fast] [--corrupt-write ADDR] "
                              "[--corrupt-read ADDR] [--garbage-ident] [--hang-up-after N]";

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
    // Held before the radio's thread starts, so that only the wait below receives them.
    rv::link::os::HoldStopSignals();
    std::string error;
    const auto faults = SimFaultsOf(args, &error);
    if (!faults) return UsageError(error, Usage);
    rv::link::SimRadioPty sim(memory);
    sim.withRadio([&](rv::link::SimRadio& r) { r.faults() = *faults; });
    if (!StartSimRadio(sim, !args.has("--fast"), args)) return 1;
    const auto link = args.value("--link");
    namespace fs = std::filesystem;
    if (link) {
        std::error_code ec;
        if (fs::is_symlink(*link, ec)) fs::remove(*link, ec);
        fs::create_symlink(sim.devicePath(), *link, ec);
        if (ec) return Fail(*link + ": " + ec.message());
    }
    std::printf("%s\n", sim.devicePath().c_str());
    std::fflush(stdout);
    rv::link::os::WaitForStopSignal();
    sim.stop();
    if (link) {
        std::error_code ec;
        fs::remove(*link, ec);
    }
    return 0;
}

} // namespace rv::cli
