#include "Image.h"
#include "Strings.h"

#include "Catalogue.h"
#include "Decimal.h"
#include "ImageMap.h"

#include <optional>

namespace rv {

using namespace image;

namespace {

// Thrown inside this file only and turned into the encoder's error text.
struct EncodeError {
    std::string what;
};

void PutFreq(MemoryImage& m, int at, const Text<8>& field, const std::string& name) {
    std::string t = field.get();
    if (t.empty() || t == "FFFFFFFF") {
        for (int i = 0; i < 4; ++i)
            m[at + i] = 0xFF;
        return;
    }
    if (t.size() % 2) t += '0';
    // Short texts mean trailing zero decimals: 146525 is 14652500.
    while (t.size() < 8)
        t += "00";
    for (int i = 0; i < 4; ++i) {
        const int hi = HexDigit(t[6 - 2 * i]);
        const int lo = HexDigit(t[7 - 2 * i]);
        if (hi < 0 || lo < 0) throw EncodeError{name + " \"" + t + "\" is not a frequency"};
        m[at + i] = static_cast<std::uint8_t>(hi * 16 + lo);
    }
}

void PutTone(MemoryImage& m, int at, const Text<4>& field, const std::string& name) {
    const std::string t = field.get();
    unsigned v = 0;
    for (char c : t) {
        const int d = HexDigit(c);
        if (d < 0) throw EncodeError{name + " \"" + t + "\" is not a tone code"};
        v = v * 16 + static_cast<unsigned>(d);
    }
    if (t.empty()) v = 0xFFFF; // a field never filled holds no tone
    Put16(m, at, static_cast<int>(v));
}

// Writes the text and, when `fill` is set, 0xFF over the rest of the field.
template <std::size_t N>
void PutText(MemoryImage& m, int at, const Text<N>& field, bool fill, bool keepNul = false) {
    const std::string t = keepNul ? std::string(TrimBlanks(field.full())) : field.get();
    for (std::size_t i = 0; i < N; ++i) {
        if (i < t.size())
            m[at + i] = static_cast<std::uint8_t>(t[i]);
        else if (fill)
            m[at + i] = 0xFF;
    }
}

void PutChannel(MemoryImage& m, const ChannelInfo& c) {
    const int n = c.ChNo;
    if (n < 1 || n > 16)
        throw EncodeError{"channel number " + std::to_string(n) + " is not 1 to 16"};
    const int at = ChannelBase(n);
    const std::string channel = "channel " + std::to_string(n) + " ";
    PutFreq(m, at, c.RxFreq, channel + "RxFreq");
    PutFreq(m, at + 4, c.TxFreq, channel + "TxFreq");
    PutTone(m, at + 8, c.RxCode, channel + "RxCode");
    PutTone(m, at + 10, c.TxCode, channel + "TxCode");
    m[at + 12] = static_cast<std::uint8_t>((c.SpUnmute & 3) * 32 + (c.BusyLockout & 3) * 8 +
                                           (c.OptSignal & 3) * 2 + (c.Compander & 1));
    m[at + 13] = static_cast<std::uint8_t>((c.BeatShift & 1) * 64 + (c.TxPower & 1) * 32 +
                                           (c.WideNarrow & 1) * 16);
    m[at + 14] =
        static_cast<std::uint8_t>((c.AuxBit6 & 1) * 64 + (c.AuxBit4 & 1) * 16 + (c.PttId & 1));
    m[at + 15] = static_cast<std::uint8_t>(c.AutodialMem & 0xFF);
    const int bit = 1 << ((n - 1) % 8);
    const int byte = n <= 8 ? 0 : 1;
    m[ChannelMapAt + byte] |= static_cast<std::uint8_t>(bit);
    if (c.ScanAdd == 1) m[ScanMapAt + byte] |= static_cast<std::uint8_t>(bit);
}

void PutLists(const RadioData& d, MemoryImage& m) {
    for (int i = 0; i < Used(d.DtmfCodeCount, 8); ++i) {
        const DtmfCode& e = d.DtmfCodes[i];
        if (e.No < 1 || e.No > 8)
            throw EncodeError{"autodial slot " + std::to_string(e.No) + " is not 1 to 8"};
        PutText(m, AutodialAt(e.No), e.Code, true);
    }
    for (int i = 0; i < Used(d.FleetCount, 8); ++i) {
        const FleetEntry& f = d.Fleets[i];
        if (f.Slot < 1 || f.Slot > 8)
            throw EncodeError{"fleet slot " + std::to_string(f.Slot) + " is not 1 to 8"};
        if (f.IdValue < 0 || f.IdValue > 65535)
            throw EncodeError{"fleet ID value " + std::to_string(f.IdValue) +
                              " does not fit 16 bits"};
        const int at = FleetSlotAt(f.Slot);
        m[at] = static_cast<std::uint8_t>(f.Fleet & 0xFF);
        Put16(m, at + 1, f.IdValue);
    }
}

void PutTestFres(const RadioData& d, MemoryImage& m) {
    for (int n = 1; n <= 16; ++n) {
        const TestFre* found = nullptr;
        for (int i = 0; i < Used(d.TestFreCount, 16) && !found; ++i)
            if (d.TestFres[i].No == n) found = &d.TestFres[i];
        if (found) {
            const std::string test = "test frequency " + std::to_string(n) + " ";
            PutFreq(m, TestFreAt(n), found->RxFreq, test + "RxFreq");
            PutFreq(m, TestFreAt(n) + 4, found->TxFreq, test + "TxFreq");
            m[TestSigAt(n)] =
                static_cast<std::uint8_t>((found->RxSig & 15) * 16 + (found->TxSig & 15));
        } else {
            for (int i = 0; i < 8; ++i)
                m[TestFreAt(n) + i] = 0xFF;
            m[TestSigAt(n)] = n <= 6 ? 0x22 : 0xFF;
        }
    }
}

std::uint8_t B(int v) {
    return static_cast<std::uint8_t>(v & 0xFF);
}

// Every stored number of the settings windows at its row's place, then the texts.
void PutSettings(const RadioData& d, MemoryImage& m) {
    for (const SettingRow& r : Catalogue()) {
        if (!r.put || r.address < 0) continue;
        if (r.width == 1)
            m[r.address] = B(r.get(d));
        else
            Put16(m, r.address, r.get(d));
    }
    m[OptFeaturesAt + 2] = 1;
    PutText(m, IdCodeAt, d.DtmfInfo.IdCode, false, true);
    PutText(m, StunCodeAt, d.DtmfInfo.StunCode, true);
    PutText(m, PttIdBotAt, d.OptFeatures.PttIdBot, false);
    PutText(m, PttIdEotAt, d.OptFeatures.PttIdEot, false);
}

void Encode(const RadioData& d, MemoryImage& m) {
    for (int i = 0; i < 4; ++i)
        m[ChannelMapAt + i] = 0;
    for (int i = 0; i < Used(d.ChannelCount, 16); ++i)
        PutChannel(m, d.Channels[i]);
    const char model[] = "P5617";
    for (int i = 0; i < 5; ++i)
        m[ModelBlockAt + i] = static_cast<std::uint8_t>(model[i]);
    m[BandCodeAt] = B(d.ModelInfo.BandCode);
    m[ModelByteAt] = B(d.ModelInfo.ModelByte);
    m[447] = 0xFF;
    PutLists(d, m);
    PutText(m, EmbMsg1At, d.EmbMsg1, true);
    PutText(m, EmbMsg2At, d.EmbMsg2, true);
    PutTestFres(d, m);
    PutSettings(d, m);
}

} // namespace

void InitImage(MemoryImage& image) {
    image.fill(0xFF);
    for (int at : {380, 381, 382, 383, 319, 377})
        image[at] = 0;
    image[839] = 0x43;
}

bool EncodeImage(const RadioData& doc, MemoryImage& image, std::string* error) {
    // Work on a copy so that a refused document leaves the image as it was.
    MemoryImage m = image;
    try {
        Encode(doc, m);
    } catch (const EncodeError& e) {
        if (error) *error = "The document cannot be written to the radio: " + e.what + ".";
        return false;
    }
    image = m;
    return true;
}

} // namespace rv
