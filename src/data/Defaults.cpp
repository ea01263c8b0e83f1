#include "Defaults.h"

#include "Conversions.h"
#include "ModelTables.h"

#include <cstdio>
#include <ctime>

namespace rv {

namespace {

constexpr std::array<const char*, 6> BandTexts{"136 - 174 MHz", "245 - 246 MHz", "350 - 390 MHz",
                                               "400 - 470 MHz", "470 - 512 MHz", "450 - 520 MHz"};

// Offsets from the band's middle (M), lower (L) or upper (H) edge, in 10 kHz units.
enum class Base { M, L, H };
struct TestFreRule {
    Base base;
    int rx;
    int tx;
};
constexpr std::array<TestFreRule, 6> TestFreRules{{
    {Base::M, 5, 10},
    {Base::L, 5, 10},
    {Base::H, -5, -10},
    {Base::M, 0, 0},
    {Base::M, 20, 20},
    {Base::M, 40, 40},
}};

// A value in 10 kHz units as MHz text in its shortest form: 15505 -> 155.05, 15500 -> 155.
std::string ShortMHz(int hundredths) {
    std::string s = std::to_string(hundredths / 100);
    const int frac = hundredths % 100;
    if (frac == 0) return s;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", frac);
    std::string f = buf;
    if (f.back() == '0') f.pop_back();
    return s + "." + f;
}

void InitOptFeatures(OptFeatures& o) {
    o = OptFeatures{};
    o.TotTime = 4;
    o.SquelchLevel = 5;
    o.Beep = 1;
    o.PttIdBot.set("12345");
    o.PttIdEot.set("");
    o.VoxGain = 5;
    o.VoxDelay = 1;
}

void InitSignalling(RadioData& d) {
    d.ScanInfo = {0, 255, 31, 51, 1, 3, 3};
    d.DtmfInfo = DtmfInfo{};
    d.DtmfInfo.FirstDigitDelay = 10;
    d.DtmfInfo.DtmfSideTone = 1;
    d.DtmfInfo.IdCode.assign("000"); // the ID code is kept without a NUL
    d.DtmfInfo.StunCode.set("");
    d.DtmfInfo.AutoResetTimer = 10;
    d.FleetSyncInfo = {255, 0, 0, 400, 10, 1};
}

void InitTestFres(RadioData& d, const Session& s) {
    const auto table = DefaultTestFrequencies(BandIndexOf(s.CurBand));
    d.TestFreCount = 6;
    for (int i = 0; i < 6; ++i) {
        TestFre& t = d.TestFres[i];
        t.No = static_cast<Int16>(i + 1);
        t.RxSig = 15;
        t.TxSig = 15;
        t.RxFreq.set(FreqToStorage(s, table[i][0]));
        t.TxFreq.set(FreqToStorage(s, table[i][1]));
    }
}

} // namespace

int BandIndexOf(std::string_view bandText) {
    const std::string_view head = bandText.substr(0, 13);
    for (std::size_t i = 0; i < BandTexts.size(); ++i)
        if (head == BandTexts[i]) return static_cast<int>(i);
    return 0;
}

std::array<std::array<std::string, 2>, 16> DefaultTestFrequencies(int bandIndex) {
    std::array<std::array<std::string, 2>, 16> table; // every entry starts empty
    if (bandIndex < 0 || bandIndex >= static_cast<int>(BandLimits.size())) bandIndex = 0;
    const int low = BandLimits[bandIndex].low * 100;
    const int high = BandLimits[bandIndex].high * 100;
    const int mid = (low + high) / 2; // edges are whole MHz, so the middle is exact
    for (std::size_t i = 0; i < TestFreRules.size(); ++i) {
        const auto& r = TestFreRules[i];
        const int base = r.base == Base::M ? mid : r.base == Base::L ? low : high;
        table[i] = {ShortMHz(base + r.rx), ShortMHz(base + r.tx)};
    }
    return table;
}

ChannelInfo NewChannel(int chNo) {
    ChannelInfo c;
    c.ChNo = static_cast<Int16>(chNo);
    c.InUse = 1;
    c.RxFreq.set("");
    c.TxFreq.set("FFFFFFFF");
    c.AuxBit4 = 1;
    c.RxCode.set("FFFF");
    c.TxCode.set("FFFF");
    c.TxPower = 1;
    c.WideNarrow = 1;
    c.ScanAdd = 1;
    return c;
}

std::string TodaySerial() {
    const std::time_t now = std::time(nullptr);
    const std::tm local = *std::localtime(&now);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday);
    return buf;
}

void InitRadioData(Session& s, std::string_view yyyymmdd) {
    RadioData d;
    InitOptFeatures(d.OptFeatures);
    d.KeyFunc1 = 255;
    d.KeyFunc2 = 10;
    InitSignalling(d);
    InitTestFres(d, s);
    d.EmbMsg1.set("");
    d.EmbMsg2.set("");
    d.FrequencyCode = static_cast<Int16>(BandCodeOf(s.CurBand, s.CurModelCode));
    d.ModelType.set(s.CurModelCode);
    d.TypeLetter = 67;
    d.SerialNumber.set(yyyymmdd.empty() ? TodaySerial() : std::string(yyyymmdd));
    d.Version.set("V1.00");
    s.Doc = d;
    SetModelInfo(s);
    s.SavedCopy = s.Doc;
}

} // namespace rv
