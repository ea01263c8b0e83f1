#include "Conversions.h"

#include "Decimal.h"
#include "Resources.h"

#include <cmath>
#include <cstdint>
#include <fstream>

namespace rv {

namespace {

constexpr std::int64_t UnitsPerMHz = 100000; // 10 Hz units
constexpr std::int64_t StepA = 500;          // 5 kHz
constexpr std::int64_t StepB = 625;          // 6.25 kHz

std::int64_t ToUnits(double mhz) {
    return std::llround(mhz * UnitsPerMHz);
}

// Keeps a frequency on a 5 kHz or 6.25 kHz raster counted from the lower band edge;
// anything else drops to the 5 kHz step at or below it.
std::int64_t ApplyStep(std::int64_t d, std::int64_t low) {
    const std::int64_t off = d - low;
    if (off % StepA == 0 || off % StepB == 0) return d;
    const std::int64_t rem = ((off % StepA) + StepA) % StepA;
    return d - rem;
}

// Storage text as the caller passed it: cut at the first NUL, blanks trimmed.
std::string_view StorageBody(std::string_view s) {
    const auto nul = s.find('\0');
    if (nul != std::string_view::npos) s = s.substr(0, nul);
    return TrimBlanks(s);
}

} // namespace

std::string DqtTablePath(const std::string& programDir) {
    return FindResource(programDir, "dec.tbl");
}

bool LoadDqtTable(Session& s, const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    unsigned char bytes[83];
    if (!in || !in.read(reinterpret_cast<char*>(bytes), sizeof bytes)) {
        s.report(Msg::ReadDecTblError);
        return false;
    }
    return SetDqtTable(s, bytes, sizeof bytes);
}

bool SetDqtTable(Session& s, const unsigned char* bytes, std::size_t size) {
    if (size != 83) return false;
    // The file holds only the low 8 bits; the codes from 411 on lie above 255.
    for (std::size_t i = 0; i < 83; ++i)
        s.Dqt[i] = static_cast<Int16>(bytes[i] + (i >= 50 ? 256 : 0));
    return true;
}

void SetBandLimits(Session& s) {
    if (s.CurBand.size() < 9) return;
    const auto low = ParseDecimal(std::string_view(s.CurBand).substr(0, 3));
    const auto high = ParseDecimal(std::string_view(s.CurBand).substr(6, 3));
    if (!low || !high) return;
    s.BandLow = static_cast<double>(ScaledValue(*low, 0));
    s.BandHigh = static_cast<double>(ScaledValue(*high, 0));
}

namespace {

// The stored digits with the point after the third; nullopt when they are no number.
std::optional<Decimal> StoredNumber(std::string_view body) {
    std::string withPoint(body.substr(0, 3));
    withPoint += '.';
    if (body.size() > 3) withPoint += body.substr(3);
    return ParseDecimal(body) ? ParseDecimal(withPoint) : std::nullopt;
}

bool IsNone(std::string_view body) {
    return body.empty() || body == "FFFFFFFF";
}

} // namespace

bool IsDamagedFreq(std::string_view storage) {
    const std::string_view body = StorageBody(storage);
    return !IsNone(body) && !StoredNumber(body);
}

std::string StorageToFreq(const Session& s, std::string_view storage) {
    const std::string_view body = StorageBody(storage);
    if (IsNone(body)) return {};
    const auto number = StoredNumber(body);
    // A damaged field shows the band edge; opening the file names them all once.
    if (!number) return ShortestText(s.BandLow);
    return FormatUnits(ScaledValue(*number, 5));
}

std::string FreqToStorage(const Session& s, std::string_view display) {
    std::string t(TrimBlanks(display));
    if (t.empty()) return {};
    if (!ParseDecimal(t)) t = ShortestText(s.BandLow);
    const auto point = t.find('.');
    if (point == std::string::npos) return t;
    return t.substr(0, 3) + t.substr(point + 1);
}

std::string CheckedFreq(double bandLow, double bandHigh, std::string_view typed, bool* outside) {
    const std::int64_t low = ToUnits(bandLow);
    const std::int64_t high = ToUnits(bandHigh);
    const auto number = ParseDecimal(typed);
    const std::int64_t d = number ? ScaledValue(*number, 5) : 0;
    *outside = !number || d < low || d > high;
    if (!number || d < 100 * UnitsPerMHz) return FormatUnits(low);
    if (d > 550 * UnitsPerMHz) return FormatUnits(high);
    return FormatUnits(ApplyStep(d, low));
}

std::string CheckFreq(const Session& s, std::string_view typed) {
    bool outside = false;
    std::string text = CheckedFreq(s.BandLow, s.BandHigh, typed, &outside);
    if (outside) s.report(Msg::FreqOutOfRange);
    return text;
}

} // namespace rv
