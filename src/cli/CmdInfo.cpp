#include "Commands.h"
#include "RadioOperation.h"

#include "data/Catalogue.h"
#include "data/ModelTables.h"

#include <cstdio>

namespace rv::cli {

namespace {
constexpr const char* Usage = "info [--port PORT] [--retries N]";
}

int CmdInfo(CliArgs& args) {
    if (!RetriesOf(args)) return UsageError("--retries takes a number 0 to 100", Usage);
    Session s = MakeSession(args);
    const auto target = OpenTarget(args);
    if (!target) return 1;
    const auto result = RunOperation(s, rv::link::ReadRadioInfo, *target, args);
    if (!result.ok) return Fail(result.message);
    const RadioData& d = s.Doc;
    const std::string type = d.ModelType.get();
    std::printf("Model type:    %s\n", type.c_str());
    std::printf("Band:          %s (code %d)\n", BandTextOf(d.FrequencyCode, type).c_str(),
                d.FrequencyCode);
    std::printf("Serial number: %s\n", d.SerialNumber.get().c_str());
    std::printf("Version:       %s\n", VersionText(d).c_str());
    return 0;
}

} // namespace rv::cli
