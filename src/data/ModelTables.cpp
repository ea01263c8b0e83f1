#include "ModelTables.h"

#include "Conversions.h"
#include "Decimal.h"

#include <algorithm>

namespace rv {

namespace {

struct ModelRow {
    const char* code;
    std::vector<std::string> bands;
    int modelByte;
};

const std::array<ModelRow, 4>& Models() {
    static const std::array<ModelRow, 4> rows{{
        {"592", {"350 - 390 MHz", "400 - 470 MHz", "470 - 512 MHz", "450 - 520 MHz"}, 248},
        {"582", {"136 - 174 MHz", "245 - 246 MHz"}, 249},
        {"7415", {"350 - 390 MHz", "400 - 470 MHz", "470 - 512 MHz", "450 - 520 MHz"}, 252},
        {"6415", {"136 - 174 MHz", "245 - 246 MHz"}, 248},
    }};
    return rows;
}

// Band code by band text (rows) and model code (columns "582", "6415", "592", "7415").
struct BandCodeRow {
    const char* band;
    std::array<int, 4> codes;
};
constexpr std::array<const char*, 4> BandCodeColumns{"582", "6415", "592", "7415"};
constexpr std::array<BandCodeRow, 6> BandCodes{{
    {"136 - 174 MHz", {1, 99, 99, 99}},
    {"245 - 246 MHz", {0, 1, 1, 1}},
    {"350 - 390 MHz", {1, 1, 83, 1}},
    {"400 - 470 MHz", {65, 65, 67, 65}},
    {"470 - 512 MHz", {33, 33, 51, 33}},
    {"450 - 520 MHz", {49, 49, 48, 49}},
}};

std::string Trimmed(std::string_view s) {
    const auto nul = s.find('\0');
    return std::string(TrimBlanks(s.substr(0, nul)));
}

} // namespace

std::vector<std::string> BandsOfModel(std::string_view modelCode) {
    const std::string code = Trimmed(modelCode);
    for (const auto& row : Models())
        if (code == row.code) return row.bands;
    return {};
}

int BandCodeOf(std::string_view bandText, std::string_view modelCode) {
    const std::string band = Trimmed(bandText);
    const std::string code = Trimmed(modelCode);
    for (const auto& row : BandCodes) {
        if (band != row.band) continue;
        for (std::size_t c = 0; c < BandCodeColumns.size(); ++c)
            if (code == BandCodeColumns[c]) return row.codes[c];
        return 0; // a model outside the table has no band codes
    }
    return 0;
}

std::string BandTextOf(int bandCode, std::string_view modelCode) {
    const std::string code = Trimmed(modelCode);
    switch (bandCode) {
    case 0:
        return "245 - 246 MHz";
    case 1:
        if (code == "582") return "136 - 174 MHz";
        if (code == "7415") return "350 - 390 MHz";
        return "245 - 246 MHz";
    case 99:
        return "136 - 174 MHz";
    case 83:
        return "350 - 390 MHz";
    case 65:
    case 67:
        return "400 - 470 MHz";
    case 33:
    case 51:
        return "470 - 512 MHz";
    case 48:
    case 49:
        return "450 - 520 MHz";
    default:
        return {};
    }
}

int ModelByteOf(std::string_view modelCode) {
    const std::string code = Trimmed(modelCode);
    for (const auto& row : Models())
        if (code == row.code) return row.modelByte;
    return 248;
}

std::string ModelCodeOf(int bandCode, int modelByte) {
    switch (modelByte) {
    case 248:
        return (bandCode == 99 || bandCode == 1) ? "6415" : "592";
    case 249:
        return "582";
    case 252:
        return "7415";
    default:
        return "592";
    }
}

void SetModelInfo(Session& s) {
    s.Doc.ModelInfo.ModelCode.set(s.CurModelCode);
    s.Doc.ModelInfo.BandCode = static_cast<Int16>(BandCodeOf(s.CurBand, s.CurModelCode));
    s.Doc.ModelInfo.ModelByte = static_cast<Int16>(ModelByteOf(s.CurModelCode));
}

void TakeModelInfo(Session& s) {
    const std::string code = Trimmed(s.Doc.ModelInfo.ModelCode.get());
    const std::string band = BandTextOf(s.Doc.ModelInfo.BandCode, code);
    // A pair that no model offers (byte 249 with band code 83, a damaged file) would leave
    // the program with a band the radio does not have, or none: keep the previous one.
    const auto bands = BandsOfModel(code);
    if (std::find(bands.begin(), bands.end(), band) != bands.end()) {
        s.CurModelCode = code;
        s.CurBand = band;
    }
    SetBandLimits(s);
}

} // namespace rv
