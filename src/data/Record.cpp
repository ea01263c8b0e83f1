#include "DataFile.h"

#include <cstring>

namespace rv {

namespace {

// Walks the document in storage order; one walk serves both directions, so the writer and
// the reader can never disagree about an offset.
template <class Io> void Walk(Io& io, RadioData& d) {
    io(d.ChannelCount);
    for (ChannelInfo& c : d.Channels) {
        io(c.ChNo), io(c.InUse), io(c.RxFreq), io(c.TxFreq), io(c.AuxBit6), io(c.AuxBit4);
        io(c.RxCode), io(c.TxCode), io(c.OptSignal), io(c.SpUnmute), io(c.TxPower);
        io(c.WideNarrow), io(c.BusyLockout), io(c.PttId), io(c.AutodialMem), io(c.BeatShift);
        io(c.ScanAdd), io(c.Compander);
    }
    io(d.ModelInfo.ModelCode), io(d.ModelInfo.ModelByte), io(d.ModelInfo.BandCode);
    io(d.SerialNumber), io(d.Version), io(d.ModelType), io(d.FrequencyCode), io(d.TypeLetter);
    OptFeatures& o = d.OptFeatures;
    io(o.TotTime), io(o.TotPreAlert), io(o.SquelchLevel), io(o.MicSensitivity);
    io(o.VoiceAnnunciation), io(o.BatterySave), io(o.Beep), io(o.ScramblerActivation);
    io(o.ScramblerBackup), io(o.PttIdMode), io(o.PttIdType), io(o.PttIdBot), io(o.PttIdEot);
    io(o.VoxFunction), io(o.VoxGain), io(o.VoxDelay), io(o.VoxCancelOperation);
    io(o.VoxProceedTone), io(o.VoxInhibitOnRx), io(o.CloneMode);
    io(d.KeyFunc1), io(d.KeyFunc2);
    ScanInfo& s = d.ScanInfo;
    io(s.PriorityType), io(s.PriorityChannel), io(s.LookBackA), io(s.LookBackB);
    io(s.RevertChannel), io(s.DropoutDelay), io(s.TxDwell);
    DtmfInfo& t = d.DtmfInfo;
    io(t.DtmfSpeed), io(t.FirstDigitTime), io(t.FirstDigitDelay), io(t.StarHashTone);
    io(t.DCodeAssign), io(t.DtmfSideTone), io(t.IdCode), io(t.GroupCode), io(t.AutoResetTimer);
    io(t.CallAlert), io(t.Transpond), io(t.ClearToTranspond), io(t.StunCode), io(t.StunType);
    FleetSyncInfo& f = d.FleetSyncInfo;
    io(f.OwnFleet), io(f.OwnId), io(f.BaudRate), io(f.TxModDelay), io(f.MsgModeTimer);
    io(f.PttIdSideTone);
    io(d.DtmfCodeCount);
    for (DtmfCode& e : d.DtmfCodes)
        io(e.No), io(e.Code);
    io(d.TestFreCount);
    for (TestFre& e : d.TestFres)
        io(e.No), io(e.RxFreq), io(e.TxFreq), io(e.RxSig), io(e.TxSig);
    io(d.EmbMsg1), io(d.EmbMsg2);
    io(d.FleetCount);
    for (FleetEntry& e : d.Fleets)
        io(e.Slot), io(e.Fleet), io(e.IdValue);
}

/// Little-endian writer over the record.
struct Writer {
    Record& out;
    std::size_t at = 0;
    template <class Int> void put(Int v) {
        auto u = static_cast<std::make_unsigned_t<Int>>(v);
        for (std::size_t i = 0; i < sizeof(Int); ++i, u >>= 8)
            out[at++] = static_cast<std::uint8_t>(u & 0xFF);
    }
    void operator()(Int16 v) { put(v); }
    void operator()(Int32 v) { put(v); }
    template <std::size_t N> void operator()(const Text<N>& t) {
        std::memcpy(out.data() + at, t.raw.data(), N);
        at += N;
    }
};

/// Little-endian reader over at least RecordSize bytes.
struct Reader {
    std::span<const std::uint8_t> in;
    std::size_t at = 0;
    template <class Int> void get(Int& v) {
        std::make_unsigned_t<Int> u = 0;
        for (std::size_t i = 0; i < sizeof(Int); ++i)
            u |= static_cast<std::make_unsigned_t<Int>>(in[at++]) << (8 * i);
        v = static_cast<Int>(u);
    }
    void operator()(Int16& v) { get(v); }
    void operator()(Int32& v) { get(v); }
    template <std::size_t N> void operator()(Text<N>& t) {
        std::memcpy(t.raw.data(), in.data() + at, N);
        at += N;
    }
};

} // namespace

Record ToRecord(const RadioData& d) {
    Record r{};
    RadioData copy = d;
    Writer w{r};
    Walk(w, copy);
    return r;
}

std::optional<RadioData> FromRecord(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < RecordSize) return std::nullopt;
    RadioData d;
    Reader r{bytes};
    Walk(r, d);
    return d;
}

} // namespace rv
