#include "Commands.h"
#include "RadioOperation.h"

#include "data/ModelTables.h"
#include "link/CloneEngine.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>

namespace rv::cli {

namespace {

constexpr const char* Usage = "set-info [--port PORT] [--model-type T] [--band B] [--serial S] "
                              "[--version V] [--time-sync]";

/// The model types the radio information offers.
constexpr std::array<const char*, 6> ModelTypes{"813", "816", "817", "913", "916", "917"};

std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%Y%m%d", &local);
    return text;
}

constexpr std::size_t VersionWidth = decltype(RadioData::Version)::size();
constexpr std::size_t SerialWidth = decltype(RadioData::SerialNumber)::size();

bool Ascii(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c != 0 && static_cast<unsigned char>(c) < 128; });
}

// --band: the code itself, or a band name as the radio information shows it
// ("400 - 470 MHz"). A name that several codes show gives them all, the code most models
// use for that band first.
std::vector<int> BandCodes(const std::string& band) {
    if (!band.empty() && band.find_first_not_of("0123456789") == std::string::npos) {
        if (band.size() <= 3 && std::stoi(band) <= 255) return {std::stoi(band)};
        return {};
    }
    std::vector<std::pair<int, int>> usedBy; // (models using the code, code)
    for (int code = 0; code <= 255; ++code) {
        if (BandTextOf(code, "") != band) continue;
        const auto n = std::count_if(ModelCodes.begin(), ModelCodes.end(),
                                     [&](const auto& m) { return BandCodeOf(band, m) == code; });
        usedBy.emplace_back(static_cast<int>(n), code);
    }
    std::stable_sort(usedBy.begin(), usedBy.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<int> codes;
    for (const auto& u : usedBy)
        codes.push_back(u.second);
    return codes;
}

/// What the command line asks to change; everything else stays as the radio has it.
struct Changes {
    std::optional<std::string> modelType;
    std::vector<int> bandCodes;
    std::optional<std::string> serial;
    std::optional<std::string> version;
};

// Every argument is checked before the radio is touched.
std::optional<Changes> CheckArguments(const CliArgs& args, std::string* error) {
    Changes c;
    if (const auto t = args.value("--model-type")) {
        if (std::find(ModelTypes.begin(), ModelTypes.end(), *t) == ModelTypes.end()) {
            *error = "unknown model type \"" + *t + "\" (813, 816, 817, 913, 916 or 917)";
            return std::nullopt;
        }
        c.modelType = *t;
    }
    if (const auto b = args.value("--band")) {
        c.bandCodes = BandCodes(*b);
        if (c.bandCodes.empty()) {
            *error = "unknown band \"" + *b +
                     "\": give a code 0 to 255 or a band as `info` shows it (136 - 174 MHz, "
                     "245 - 246 MHz, 350 - 390 MHz, 400 - 470 MHz, 470 - 512 MHz, 450 - 520 "
                     "MHz); the radio's codes of the other band names are not known";
            return std::nullopt;
        }
    }
    if (args.value("--serial") && args.has("--time-sync")) {
        *error = "--serial and --time-sync both set the serial number; give one";
        return std::nullopt;
    }
    c.serial = args.has("--time-sync") ? std::optional(Today()) : args.value("--serial");
    if (c.serial && !Ascii(*c.serial)) {
        *error = "the serial number takes characters 1 to 127 only";
        return std::nullopt;
    }
    // Refused, never cut: a cut serial number would be a different radio's.
    if (c.serial && !decltype(RadioData::SerialNumber)::fits(*c.serial)) {
        *error = "--serial takes at most " + std::to_string(SerialWidth) +
                 " characters (the radio's serial number field), not " +
                 std::to_string(c.serial->size());
        return std::nullopt;
    }
    if (const auto v = args.value("--version")) {
        if (!Ascii(*v)) {
            *error = "the version takes characters 1 to 127 only";
            return std::nullopt;
        }
        // The radio's own version may carry a leading V; a text is refused unless it fits
        // the field with one, so that nothing has to be refused once the radio is reached.
        const std::string bare = v->starts_with('V') ? v->substr(1) : *v;
        if (!decltype(RadioData::Version)::fits("V" + bare)) {
            *error = "--version takes at most " + std::to_string(VersionWidth) +
                     " characters with its leading V (the radio's version field), not \"" + *v +
                     "\"";
            return std::nullopt;
        }
        c.version = *v;
    }
    if (!c.modelType && c.bandCodes.empty() && !c.serial && !c.version) {
        *error = "nothing to set: give --model-type, --band, --serial, --version or --time-sync";
        return std::nullopt;
    }
    return c;
}

// What is not changed stays as read: the write sends those bytes back as the radio had them.
void Apply(const Changes& c, Session& s) {
    RadioData& d = s.Doc;
    if (c.version) d.Version.assign(rv::link::VersionInRadioForm(*c.version, s.RadioVersionBlock));
    if (c.modelType) {
        d.ModelType.assign(*c.modelType);
        d.TypeLetter = 'C';
    }
    if (!c.bandCodes.empty()) {
        const auto& codes = c.bandCodes;
        // A band the radio already has keeps the radio's code.
        if (std::find(codes.begin(), codes.end(), d.FrequencyCode) == codes.end())
            d.FrequencyCode = static_cast<Int16>(codes.front());
    }
    if (c.serial) d.SerialNumber.assign(*c.serial);
}

} // namespace

int CmdSetInfo(CliArgs& args) {
    if (!RetriesOf(args)) return UsageError("--retries takes a number 0 to 100", Usage);
    std::string error;
    const auto changes = CheckArguments(args, &error);
    if (!changes) return UsageError(error, Usage);
    Session s = MakeSession(args);
    const auto target = OpenTarget(args);
    if (!target) return 1;
    const auto current = RunOperation(s, rv::link::ReadRadioInfo, *target, args);
    if (!current.ok) return Fail(current.message);
    Apply(*changes, s);
    const auto result = RunOperation(s, rv::link::WriteRadioInfo, *target, args);
    if (!result.ok) return Fail(result.message);
    std::printf("Radio information written.\n");
    return 0;
}

} // namespace rv::cli
