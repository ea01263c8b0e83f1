#include "Commands.h"

#include "data/Conversions.h"
#include "data/DataFile.h"
#include "data/Defaults.h"
#include "data/ModelTables.h"
#include "data/OutsideText.h"

#include <algorithm>

namespace rv::cli {

int CmdNew(CliArgs& args) {
    const auto out = args.value("-o");
    if (!out || !args.positional.empty())
        return UsageError({"new needs -o FILE and nothing else", "new 只需要 -o FILE"}, args.usage);
    Session s = MakeSession(args);
    if (!StartNewDocument(s, args)) return 1;
    if (!WriteOutput(s, *out, ToRecord(s.Doc))) return 1;
    return 0;
}

bool StartNewDocument(Session& s, const CliArgs& args) {
    const std::string asked = args.value("--model").value_or("7415");
    const auto bands = BandsOfModel(asked);
    const std::string model = rv::ShownText(asked);
    if (bands.empty()) {
        Fail(LangText{"unknown model \"" + model + "\" (592, 582, 7415 or 6415)",
                      "未知机型“" + model + "”（592、582、7415 或 6415）"}[s.CurLanguage]);
        return false;
    }
    // A model without the 400 - 470 MHz band starts in its first band.
    const std::string fallbackBand =
        std::count(bands.begin(), bands.end(), "400 - 470 MHz") ? "400 - 470 MHz" : bands[0];
    const std::string band = args.value("--band").value_or(fallbackBand);
    if (std::find(bands.begin(), bands.end(), band) == bands.end()) {
        const std::string shown = rv::ShownText(band);
        Fail(s.CurLanguage == Chinese ? "机型 " + model + " 没有频段“" + shown + "”"
                                      : "model " + model + " has no band \"" + shown + "\"");
        return false;
    }
    s.CurModelCode = asked;
    s.CurBand = band;
    SetBandLimits(s);
    InitRadioData(s);
    return true;
}

} // namespace rv::cli
