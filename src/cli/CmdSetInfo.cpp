#include "Commands.h"
#include "RadioOperation.h"

#include "data/ModelTables.h"

#include <cstdio>
#include <ctime>

namespace rv::cli {

namespace {

constexpr const char* Usage = "set-info [--port PORT] [--model-type T] [--band B] [--serial S] "
                              "[--version V] [--time-sync]";

std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y%m%d", &local);
    return text;
}

// A version always starts with V and has at most 5 characters.
std::string VersionText(const std::string& typed) {
    if (typed.empty()) return "V";
    if (typed[0] == 'V') return typed.substr(0, 5);
    return ("V" + typed).substr(0, 5);
}

// --band: the band code itself, or a band text of the model type.
std::optional<int> BandCode(const std::string& band, const std::string& modelType) {
    if (!band.empty() && band.find_first_not_of("0123456789") == std::string::npos)
        return band.size() <= 3 && std::stoi(band) <= 255 ? std::optional(std::stoi(band))
                                                          : std::nullopt;
    const int code = BandCodeOf(band, modelType);
    return code != 0 ? std::optional(code) : std::nullopt;
}

} // namespace

int CmdSetInfo(CliArgs& args) {
    if (!RetriesOf(args)) return UsageError("--retries takes a number 0 to 100", Usage);
    Session s = MakeSession(args);
    const auto target = OpenTarget(args);
    if (!target) return 1;
    // What is not given on the command line stays as the radio has it.
    const auto current = RunOperation(s, rv::link::ReadRadioInfo, *target, args);
    if (!current.ok) return Fail(current.message);

    RadioData& d = s.Doc;
    if (const auto t = args.value("--model-type")) d.ModelType.assign(t->substr(0, 4));
    if (const auto b = args.value("--band")) {
        const auto code = BandCode(*b, d.ModelType.get());
        if (!code) return UsageError("unknown band \"" + *b + "\"", Usage);
        d.FrequencyCode = static_cast<Int16>(*code);
    }
    d.TypeLetter = 'C';
    if (const auto serial = args.value("--serial")) d.SerialNumber.assign(serial->substr(0, 8));
    if (args.has("--time-sync")) d.SerialNumber.assign(Today());
    if (const auto v = args.value("--version")) d.Version.assign(VersionText(*v));

    const auto result = RunOperation(s, rv::link::WriteRadioInfo, *target, args);
    if (!result.ok) return Fail(result.message);
    std::printf("Radio information written.\n");
    return 0;
}

} // namespace rv::cli
