#include "Image.h"

#include "Catalogue.h"
#include "ImageMap.h"
#include "ModelTables.h"

#include <optional>

namespace rv {

using namespace image;

namespace {

bool IsBcd(std::uint8_t b) {
    return (b >> 4) <= 9 && (b & 15) <= 9;
}

const char HexChars[] = "0123456789ABCDEF";

std::string Hex2(std::uint8_t b) {
    return {HexChars[b >> 4], HexChars[b & 15]};
}

// Four bytes of BCD digits, low byte first; nothing when a byte is not BCD, unless it is
// 0xFF and `blanks` lets it stand ("FF" in the text).
std::optional<std::string> GetBcd(const MemoryImage& m, int at, bool blanks) {
    std::string t;
    for (int i = 0; i < 4; ++i) {
        const std::uint8_t b = m[at + i];
        if (!IsBcd(b) && !(blanks && b == 0xFF)) return std::nullopt;
        t = Hex2(b) + t;
    }
    return t;
}

// Transmit and test frequencies: blank reads as "FFFFFFFF"; other bytes that are not BCD
// make the whole frequency blank rather than a text no editor could show.
std::string GetFreq(const MemoryImage& m, int at) {
    return GetBcd(m, at, true).value_or("FFFFFFFF");
}

std::string GetTone(const MemoryImage& m, int at) {
    return Hex2(m[at + 1]) + Hex2(m[at]);
}

// Bytes up to the first 0xFF, at most the field's length.
std::string GetRaw(const MemoryImage& m, int at, int length) {
    std::string t;
    for (int i = 0; i < length && m[at + i] != 0xFF; ++i)
        t += static_cast<char>(m[at + i]);
    return t;
}

template <std::size_t N> void GetText(const MemoryImage& m, int at, Text<N>& field) {
    field.set(GetRaw(m, at, static_cast<int>(N)));
}

void GetChannels(const MemoryImage& m, RadioData& d) {
    d.ChannelCount = 0;
    for (int n = 1; n <= 16; ++n) {
        const int at = ChannelBase(n);
        const auto rx = GetBcd(m, at, false); // no receive frequency: no channel
        if (!rx) continue;
        ChannelInfo c;
        c.ChNo = static_cast<Int16>(n);
        c.InUse = 1;
        const int bit = 1 << ((n - 1) % 8);
        c.ScanAdd = (m[ScanMapAt + (n <= 8 ? 0 : 1)] & bit) ? 1 : 0;
        c.RxFreq.set(*rx);
        c.TxFreq.set(GetFreq(m, at + 4));
        c.RxCode.set(GetTone(m, at + 8));
        c.TxCode.set(GetTone(m, at + 10));
        const int f12 = m[at + 12], f13 = m[at + 13], f14 = m[at + 14];
        c.SpUnmute = static_cast<Int16>((f12 >> 5) & 3);
        c.BusyLockout = static_cast<Int16>((f12 >> 3) & 3);
        c.OptSignal = static_cast<Int16>((f12 >> 1) & 3);
        c.Compander = static_cast<Int16>(f12 & 1);
        c.BeatShift = static_cast<Int16>((f13 >> 6) & 1);
        c.TxPower = static_cast<Int16>((f13 >> 5) & 1);
        c.WideNarrow = static_cast<Int16>((f13 >> 4) & 1);
        c.AuxBit6 = static_cast<Int16>((f14 >> 6) & 1);
        c.AuxBit4 = static_cast<Int16>((f14 >> 4) & 1);
        c.PttId = static_cast<Int16>(f14 & 1);
        c.AutodialMem = static_cast<Int16>(m[at + 15] & 7);
        d.Channels[d.ChannelCount++] = c;
    }
}

void GetLists(const MemoryImage& m, RadioData& d) {
    d.DtmfCodeCount = 0;
    for (int n = 1; n <= 8; ++n) {
        const std::string code = GetRaw(m, AutodialAt(n), 16);
        if (code.empty()) continue;
        DtmfCode& e = d.DtmfCodes[d.DtmfCodeCount++];
        e.No = static_cast<Int16>(n);
        e.Code.set(code);
    }
    d.FleetCount = 0;
    for (int s = 1; s <= 8; ++s) {
        const int at = FleetSlotAt(s);
        if (m[at] == 0xFF) continue;
        d.Fleets[d.FleetCount++] = {static_cast<Int16>(s), static_cast<Int16>(m[at]),
                                    Get16(m, at + 1)};
    }
    d.TestFreCount = 0;
    for (int n = 1; n <= 16; ++n) {
        const std::string rx = GetFreq(m, TestFreAt(n));
        if (rx == "FFFFFFFF") continue;
        TestFre& t = d.TestFres[d.TestFreCount++];
        t.No = static_cast<Int16>(n);
        t.RxFreq.set(rx);
        t.TxFreq.set(GetFreq(m, TestFreAt(n) + 4));
        t.RxSig = static_cast<Int16>(m[TestSigAt(n)] >> 4);
        t.TxSig = static_cast<Int16>(m[TestSigAt(n)] & 15);
    }
}

// Every stored number of the settings windows, held to its row's rule.
void GetSettings(const MemoryImage& m, RadioData& d) {
    for (const SettingRow& r : Catalogue())
        if (r.put && r.address >= 0)
            r.put(d, CheckedValue(r, r.width == 1 ? m[r.address] : Get16(m, r.address)));
}

void GetIdCode(const MemoryImage& m, DtmfInfo& t) {
    const std::string id = GetRaw(m, IdCodeAt, 10);
    const bool digits = id.size() >= 3 && id.find_first_not_of("0123456789") == std::string::npos;
    t.IdCode.assign(digits ? id : "000"); // the ID code is kept without a NUL
}

void GetTexts(const MemoryImage& m, RadioData& d) {
    GetIdCode(m, d.DtmfInfo);
    GetText(m, StunCodeAt, d.DtmfInfo.StunCode);
    GetText(m, PttIdBotAt, d.OptFeatures.PttIdBot);
    GetText(m, PttIdEotAt, d.OptFeatures.PttIdEot);
    GetText(m, EmbMsg1At, d.EmbMsg1);
    GetText(m, EmbMsg2At, d.EmbMsg2);
}

} // namespace

void DecodeImage(const MemoryImage& image, Session& s) {
    RadioData& d = s.Doc;
    GetChannels(image, d);
    d.ModelInfo.BandCode = image[BandCodeAt];
    d.ModelInfo.ModelByte = image[ModelByteAt];
    d.ModelInfo.ModelCode.set(ModelCodeOf(image[BandCodeAt], image[ModelByteAt]));
    TakeModelInfo(s);
    GetLists(image, d);
    GetTexts(image, d);
    GetSettings(image, d);
}

} // namespace rv
