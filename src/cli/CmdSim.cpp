#include "Commands.h"
#include "SimLink.h"

#include "data/DataFile.h"
#include "data/Image.h"
#include "link/SimRadioPty.h"

#include <csignal>
#include <cstdio>

namespace rv::cli {

namespace {

constexpr const char* Usage = "sim [--link PATH] [--image FILE] [--fast]";

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
    sigaddset(&stopSignals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    rv::link::SimRadioPty sim(memory);
    std::string error;
    if (!sim.start(!args.has("--fast"), &error)) return Fail(error);
    SimLink link;
    if (const auto path = args.value("--link")) {
        if (!link.claim(*path, sim.devicePath(), args.language, &error)) return Fail(error);
    }
    std::printf("%s\n", sim.devicePath().c_str());
    std::fflush(stdout);
    int signal = 0;
    sigwait(&stopSignals, &signal);
    sim.stop();
    link.release();
    return 0;
}

} // namespace rv::cli
