#include "Commands.h"

#include "data/Conversions.h"
#include "data/DataFile.h"
#include "data/Defaults.h"
#include "data/ModelTables.h"

#include <algorithm>

namespace rv::cli {

int CmdNew(CliArgs& args) {
    const char* usage = "new -o FILE [--model CODE] [--band TEXT]";
    const auto out = args.value("-o");
    if (!out || !args.positional.empty())
        return UsageError("new needs -o FILE and nothing else", usage);
    const std::string model = args.value("--model").value_or("7415");
    const auto bands = BandsOfModel(model);
    if (bands.empty()) return Fail("unknown model \"" + model + "\" (592, 582, 7415 or 6415)");
    // A model without the 400 - 470 MHz band starts in its first band.
    const std::string fallbackBand =
        std::count(bands.begin(), bands.end(), "400 - 470 MHz") ? "400 - 470 MHz" : bands[0];
    const std::string band = args.value("--band").value_or(fallbackBand);
    if (std::find(bands.begin(), bands.end(), band) == bands.end())
        return Fail("model " + model + " has no band \"" + band + "\"");

    Session s = MakeSession(args);
    s.CurModelCode = model;
    s.CurBand = band;
    SetBandLimits(s);
    InitRadioData(s);
    if (!WriteOutput(s, *out, ToRecord(s.Doc))) return 1;
    return 0;
}

} // namespace rv::cli
