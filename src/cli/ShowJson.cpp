#include "Json.h"
#include "Show.h"

#include <algorithm>

namespace rv::cli {

namespace {

int Used(int count, int capacity) {
    return std::clamp(count, 0, capacity);
}

void Channel(Json& j, const ChannelInfo& c) {
    j.beginObject();
    j.number("ChNo", c.ChNo);
    j.number("InUse", c.InUse);
    j.string("RxFreq", c.RxFreq.get());
    j.string("TxFreq", c.TxFreq.get());
    j.number("AuxBit6", c.AuxBit6);
    j.number("AuxBit4", c.AuxBit4);
    j.string("RxCode", c.RxCode.get());
    j.string("TxCode", c.TxCode.get());
    j.number("OptSignal", c.OptSignal);
    j.number("SpUnmute", c.SpUnmute);
    j.number("TxPower", c.TxPower);
    j.number("WideNarrow", c.WideNarrow);
    j.number("BusyLockout", c.BusyLockout);
    j.number("PttId", c.PttId);
    j.number("AutodialMem", c.AutodialMem);
    j.number("BeatShift", c.BeatShift);
    j.number("ScanAdd", c.ScanAdd);
    j.number("Compander", c.Compander);
    j.endObject();
}

void Options(Json& j, const OptFeatures& o) {
    j.beginObject("OptFeatures");
    j.number("TotTime", o.TotTime);
    j.number("TotPreAlert", o.TotPreAlert);
    j.number("SquelchLevel", o.SquelchLevel);
    j.number("MicSensitivity", o.MicSensitivity);
    j.number("VoiceAnnunciation", o.VoiceAnnunciation);
    j.number("BatterySave", o.BatterySave);
    j.number("Beep", o.Beep);
    j.number("ScramblerActivation", o.ScramblerActivation);
    j.number("ScramblerBackup", o.ScramblerBackup);
    j.number("PttIdMode", o.PttIdMode);
    j.number("PttIdType", o.PttIdType);
    j.string("PttIdBot", o.PttIdBot.get());
    j.string("PttIdEot", o.PttIdEot.get());
    j.number("VoxFunction", o.VoxFunction);
    j.number("VoxGain", o.VoxGain);
    j.number("VoxDelay", o.VoxDelay);
    j.number("VoxCancelOperation", o.VoxCancelOperation);
    j.number("VoxProceedTone", o.VoxProceedTone);
    j.number("VoxInhibitOnRx", o.VoxInhibitOnRx);
    j.number("CloneMode", o.CloneMode);
    j.endObject();
}

void Scan(Json& j, const ScanInfo& s) {
    j.beginObject("ScanInfo");
    j.number("PriorityType", s.PriorityType);
    j.number("PriorityChannel", s.PriorityChannel);
    j.number("LookBackA", s.LookBackA);
    j.number("LookBackB", s.LookBackB);
    j.number("RevertChannel", s.RevertChannel);
    j.number("DropoutDelay", s.DropoutDelay);
    j.number("TxDwell", s.TxDwell);
    j.endObject();
}

void Dtmf(Json& j, const DtmfInfo& t) {
    j.beginObject("DtmfInfo");
    j.number("DtmfSpeed", t.DtmfSpeed);
    j.number("FirstDigitTime", t.FirstDigitTime);
    j.number("FirstDigitDelay", t.FirstDigitDelay);
    j.number("StarHashTone", t.StarHashTone);
    j.number("DCodeAssign", t.DCodeAssign);
    j.number("DtmfSideTone", t.DtmfSideTone);
    j.string("IdCode", t.IdCode.get());
    j.number("GroupCode", t.GroupCode);
    j.number("AutoResetTimer", t.AutoResetTimer);
    j.number("CallAlert", t.CallAlert);
    j.number("Transpond", t.Transpond);
    j.number("ClearToTranspond", t.ClearToTranspond);
    j.string("StunCode", t.StunCode.get());
    j.number("StunType", t.StunType);
    j.endObject();
}

void FleetSync(Json& j, const FleetSyncInfo& f) {
    j.beginObject("FleetSyncInfo");
    j.number("OwnFleet", f.OwnFleet);
    j.number("OwnId", f.OwnId);
    j.number("BaudRate", f.BaudRate);
    j.number("TxModDelay", f.TxModDelay);
    j.number("MsgModeTimer", f.MsgModeTimer);
    j.number("PttIdSideTone", f.PttIdSideTone);
    j.endObject();
}

void Lists(Json& j, const RadioData& d) {
    j.number("DtmfCodeCount", d.DtmfCodeCount);
    j.beginArray("DtmfCodes");
    for (int i = 0; i < Used(d.DtmfCodeCount, 8); ++i) {
        j.beginObject();
        j.number("No", d.DtmfCodes[i].No);
        j.string("Code", d.DtmfCodes[i].Code.get());
        j.endObject();
    }
    j.endArray();
    j.number("TestFreCount", d.TestFreCount);
    j.beginArray("TestFres");
    for (int i = 0; i < Used(d.TestFreCount, 16); ++i) {
        const TestFre& t = d.TestFres[i];
        j.beginObject();
        j.number("No", t.No);
        j.string("RxFreq", t.RxFreq.get());
        j.string("TxFreq", t.TxFreq.get());
        j.number("RxSig", t.RxSig);
        j.number("TxSig", t.TxSig);
        j.endObject();
    }
    j.endArray();
}

void Fleets(Json& j, const RadioData& d) {
    j.number("FleetCount", d.FleetCount);
    j.beginArray("Fleets");
    for (int i = 0; i < Used(d.FleetCount, 8); ++i) {
        j.beginObject();
        j.number("Slot", d.Fleets[i].Slot);
        j.number("Fleet", d.Fleets[i].Fleet);
        j.number("IdValue", d.Fleets[i].IdValue);
        j.endObject();
    }
    j.endArray();
}

} // namespace

std::string DocumentJson(const RadioData& d) {
    Json j;
    j.beginObject();
    j.number("ChannelCount", d.ChannelCount);
    j.beginArray("Channels");
    for (int i = 0; i < Used(d.ChannelCount, 16); ++i)
        Channel(j, d.Channels[i]);
    j.endArray();
    j.beginObject("ModelInfo");
    j.string("ModelCode", d.ModelInfo.ModelCode.get());
    j.number("ModelByte", d.ModelInfo.ModelByte);
    j.number("BandCode", d.ModelInfo.BandCode);
    j.endObject();
    j.string("SerialNumber", d.SerialNumber.get());
    j.string("Version", d.Version.get());
    j.string("ModelType", d.ModelType.get());
    j.number("FrequencyCode", d.FrequencyCode);
    j.number("TypeLetter", d.TypeLetter);
    Options(j, d.OptFeatures);
    j.number("KeyFunc1", d.KeyFunc1);
    j.number("KeyFunc2", d.KeyFunc2);
    Scan(j, d.ScanInfo);
    Dtmf(j, d.DtmfInfo);
    FleetSync(j, d.FleetSyncInfo);
    Lists(j, d);
    j.string("EmbMsg1", d.EmbMsg1.get());
    j.string("EmbMsg2", d.EmbMsg2.get());
    Fleets(j, d);
    j.endObject();
    return j.text() + "\n";
}

} // namespace rv::cli
