#include "Image.h"

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

// Receive frequency of a channel: nothing when a byte is blank or not BCD.
std::optional<std::string> GetRxFreq(const MemoryImage& m, int at) {
    std::string t;
    for (int i = 0; i < 4; ++i) {
        const std::uint8_t b = m[at + i];
        if (b == 0xFF || !IsBcd(b)) return std::nullopt;
        t = Hex2(b) + t;
    }
    return t;
}

// Transmit and test frequencies: blank reads as "FFFFFFFF"; other bytes that are not BCD
// make the whole frequency blank rather than a text no editor could show.
std::string GetFreq(const MemoryImage& m, int at) {
    std::string t;
    for (int i = 0; i < 4; ++i) {
        const std::uint8_t b = m[at + i];
        if (b != 0xFF && !IsBcd(b)) return "FFFFFFFF";
        t = Hex2(b) + t;
    }
    return t;
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
        const auto rx = GetRxFreq(m, at);
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

Int16 Checked(Setting s, int raw) {
    return static_cast<Int16>(CheckDecodedValue(s, raw));
}

void GetIdCode(const MemoryImage& m, DtmfInfo& t) {
    const std::string id = GetRaw(m, IdCodeAt, 10);
    bool digits = id.size() >= 3;
    for (char c : id)
        digits = digits && c >= '0' && c <= '9';
    t.IdCode.assign(digits ? id : "000"); // the ID code is kept without a NUL
}

void GetDtmfAndFleetSync(const MemoryImage& m, RadioData& d) {
    using S = Setting;
    DtmfInfo& t = d.DtmfInfo;
    const int at = DtmfInfoAt;
    t.DtmfSpeed = Checked(S::DtmfSpeed, m[at]);
    t.FirstDigitTime = Checked(S::FirstDigitTime, m[at + 1]);
    t.FirstDigitDelay = Checked(S::FirstDigitDelay, m[at + 2]);
    t.StarHashTone = Checked(S::StarHashTone, m[at + 3]);
    t.DCodeAssign = Checked(S::DCodeAssign, m[at + 4]);
    t.DtmfSideTone = Checked(S::DtmfSideTone, m[at + 5]);
    t.GroupCode = Checked(S::GroupCode, m[at + 6]);
    t.AutoResetTimer = Checked(S::AutoResetTimer, m[at + 7]);
    t.CallAlert = Checked(S::CallAlert, m[at + 8]);
    t.Transpond = Checked(S::Transpond, m[at + 9]);
    t.ClearToTranspond = Checked(S::ClearToTranspond, m[at + 10]);
    GetIdCode(m, t);
    GetText(m, StunCodeAt, t.StunCode);
    t.StunType = Checked(S::StunType, m[StunTypeAt]);
    FleetSyncInfo& f = d.FleetSyncInfo;
    f.OwnFleet = Checked(S::OwnFleet, m[FleetSyncAt]);
    f.OwnId = CheckDecodedValue(S::OwnId, Get16(m, FleetSyncAt + 1));
    f.TxModDelay = CheckDecodedValue(S::TxModDelay, Get16(m, FleetSyncAt + 3));
    f.BaudRate = Checked(S::BaudRate, m[FleetSyncAt + 5]);
    f.MsgModeTimer = CheckDecodedValue(S::MsgModeTimer, Get16(m, FleetSyncAt + 6));
    f.PttIdSideTone = Checked(S::PttIdSideTone, m[FleetSyncAt + 8]);
}

void GetOptions(const MemoryImage& m, OptFeatures& o) {
    using S = Setting;
    const int at = OptFeaturesAt;
    o.ScramblerActivation = Checked(S::ScramblerActivation, m[at]);
    o.ScramblerBackup = Checked(S::ScramblerBackup, m[at + 1]);
    o.VoiceAnnunciation = Checked(S::VoiceAnnunciation, m[at + 3]);
    o.TotTime = Checked(S::TotTime, m[at + 4]);
    o.TotPreAlert = Checked(S::TotPreAlert, m[at + 5]);
    o.PttIdType = Checked(S::PttIdType, m[at + 6]);
    o.PttIdMode = Checked(S::PttIdMode, m[at + 7]);
    o.SquelchLevel = Checked(S::SquelchLevel, m[at + 8]);
    o.BatterySave = Checked(S::BatterySave, m[at + 9]);
    o.Beep = Checked(S::Beep, m[at + 10]);
    o.VoxCancelOperation = Checked(S::VoxCancelOperation, m[at + 11]);
    o.VoxInhibitOnRx = Checked(S::VoxInhibitOnRx, m[at + 12]);
    o.VoxFunction = Checked(S::VoxFunction, m[at + 13]);
    o.VoxGain = Checked(S::VoxGain, m[at + 14]);
    o.VoxDelay = Checked(S::VoxDelay, m[at + 15]);
    o.VoxProceedTone = Checked(S::VoxProceedTone, m[at + 16]);
    o.MicSensitivity = Checked(S::MicSensitivity, m[at + 17]);
    o.CloneMode = Checked(S::CloneMode, m[at + 18]);
    GetText(m, PttIdBotAt, o.PttIdBot);
    GetText(m, PttIdEotAt, o.PttIdEot);
}

void GetKeysAndScan(const MemoryImage& m, RadioData& d) {
    using S = Setting;
    d.KeyFunc1 = Checked(S::KeyFunc, m[KeyFunc1At]);
    d.KeyFunc2 = Checked(S::KeyFunc, m[KeyFunc2At]);
    ScanInfo& s = d.ScanInfo;
    const int at = ScanInfoAt;
    s.PriorityType = Checked(S::PriorityType, m[at]);
    s.PriorityChannel = Checked(S::PriorityChannel, m[at + 1]);
    s.LookBackA = Checked(S::LookBackA, m[at + 2]);
    s.LookBackB = Checked(S::LookBackB, m[at + 3]);
    s.RevertChannel = Checked(S::RevertChannel, m[at + 4]);
    s.DropoutDelay = Checked(S::DropoutDelay, Get16(m, at + 5));
    s.TxDwell = Checked(S::TxDwell, Get16(m, at + 7));
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
    GetText(image, EmbMsg1At, d.EmbMsg1);
    GetText(image, EmbMsg2At, d.EmbMsg2);
    GetDtmfAndFleetSync(image, d);
    GetOptions(image, d.OptFeatures);
    GetKeysAndScan(image, d);
}

} // namespace rv
