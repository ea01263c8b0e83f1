#pragma once

// The data file's published layout, written out by hand: offset and size of every field.

#include "data/RadioData.h"

#include <functional>
#include <string>

namespace rvtest {

using rv::RadioData;

struct FileField {
    const char* name;
    int offset;
    int size;
    std::function<void(RadioData&)> set; // changes every byte the field occupies
};

// Integers get a value whose every byte is non-zero; texts a full-width text.
#define INT(field) [](RadioData& d) { d.field = sizeof(d.field) == 2 ? 0x1A2B : 0x1A2B3C4D; }
#define TEXT(field, n) [](RadioData& d) { d.field.assign(std::string(n, 'Q')); }

/// Every field of the data file at its offset (lists: first and last entry).
inline const FileField FileLayout[] = {
    {"ChannelCount", 0, 2, INT(ChannelCount)},
    {"Channel 1 ChNo", 2, 2, INT(Channels[0].ChNo)},
    {"Channel 1 InUse", 4, 2, INT(Channels[0].InUse)},
    {"Channel 1 RxFreq", 6, 8, TEXT(Channels[0].RxFreq, 8)},
    {"Channel 1 TxFreq", 14, 8, TEXT(Channels[0].TxFreq, 8)},
    {"Channel 1 AuxBit6", 22, 2, INT(Channels[0].AuxBit6)},
    {"Channel 1 AuxBit4", 24, 2, INT(Channels[0].AuxBit4)},
    {"Channel 1 RxCode", 26, 4, TEXT(Channels[0].RxCode, 4)},
    {"Channel 1 TxCode", 30, 4, TEXT(Channels[0].TxCode, 4)},
    {"Channel 1 OptSignal", 34, 2, INT(Channels[0].OptSignal)},
    {"Channel 1 SpUnmute", 36, 2, INT(Channels[0].SpUnmute)},
    {"Channel 1 TxPower", 38, 2, INT(Channels[0].TxPower)},
    {"Channel 1 WideNarrow", 40, 2, INT(Channels[0].WideNarrow)},
    {"Channel 1 BusyLockout", 42, 2, INT(Channels[0].BusyLockout)},
    {"Channel 1 PttId", 44, 2, INT(Channels[0].PttId)},
    {"Channel 1 AutodialMem", 46, 2, INT(Channels[0].AutodialMem)},
    {"Channel 1 BeatShift", 48, 2, INT(Channels[0].BeatShift)},
    {"Channel 1 ScanAdd", 50, 2, INT(Channels[0].ScanAdd)},
    {"Channel 1 Compander", 52, 2, INT(Channels[0].Compander)},
    {"Channel 16 ChNo", 782, 2, INT(Channels[15].ChNo)},
    {"Channel 16 Compander", 832, 2, INT(Channels[15].Compander)},
    {"ModelCode", 834, 4, TEXT(ModelInfo.ModelCode, 4)},
    {"ModelByte", 838, 2, INT(ModelInfo.ModelByte)},
    {"BandCode", 840, 2, INT(ModelInfo.BandCode)},
    {"SerialNumber", 842, 8, TEXT(SerialNumber, 8)},
    {"Version", 850, 5, TEXT(Version, 5)},
    {"ModelType", 855, 4, TEXT(ModelType, 4)},
    {"FrequencyCode", 859, 2, INT(FrequencyCode)},
    {"TypeLetter", 861, 2, INT(TypeLetter)},
    {"TotTime", 863, 2, INT(OptFeatures.TotTime)},
    {"TotPreAlert", 865, 2, INT(OptFeatures.TotPreAlert)},
    {"SquelchLevel", 867, 2, INT(OptFeatures.SquelchLevel)},
    {"MicSensitivity", 869, 2, INT(OptFeatures.MicSensitivity)},
    {"VoiceAnnunciation", 871, 2, INT(OptFeatures.VoiceAnnunciation)},
    {"BatterySave", 873, 2, INT(OptFeatures.BatterySave)},
    {"Beep", 875, 2, INT(OptFeatures.Beep)},
    {"ScramblerActivation", 877, 2, INT(OptFeatures.ScramblerActivation)},
    {"ScramblerBackup", 879, 2, INT(OptFeatures.ScramblerBackup)},
    {"PttIdMode", 881, 2, INT(OptFeatures.PttIdMode)},
    {"PttIdType", 883, 2, INT(OptFeatures.PttIdType)},
    {"PttIdBot", 885, 16, TEXT(OptFeatures.PttIdBot, 16)},
    {"PttIdEot", 901, 16, TEXT(OptFeatures.PttIdEot, 16)},
    {"VoxFunction", 917, 2, INT(OptFeatures.VoxFunction)},
    {"VoxGain", 919, 2, INT(OptFeatures.VoxGain)},
    {"VoxDelay", 921, 2, INT(OptFeatures.VoxDelay)},
    {"VoxCancelOperation", 923, 2, INT(OptFeatures.VoxCancelOperation)},
    {"VoxProceedTone", 925, 2, INT(OptFeatures.VoxProceedTone)},
    {"VoxInhibitOnRx", 927, 2, INT(OptFeatures.VoxInhibitOnRx)},
    {"CloneMode", 929, 2, INT(OptFeatures.CloneMode)},
    {"KeyFunc1", 931, 2, INT(KeyFunc1)},
    {"KeyFunc2", 933, 2, INT(KeyFunc2)},
    {"PriorityType", 935, 2, INT(ScanInfo.PriorityType)},
    {"PriorityChannel", 937, 2, INT(ScanInfo.PriorityChannel)},
    {"LookBackA", 939, 2, INT(ScanInfo.LookBackA)},
    {"LookBackB", 941, 2, INT(ScanInfo.LookBackB)},
    {"RevertChannel", 943, 2, INT(ScanInfo.RevertChannel)},
    {"DropoutDelay", 945, 2, INT(ScanInfo.DropoutDelay)},
    {"TxDwell", 947, 2, INT(ScanInfo.TxDwell)},
    {"DtmfSpeed", 949, 2, INT(DtmfInfo.DtmfSpeed)},
    {"FirstDigitTime", 951, 2, INT(DtmfInfo.FirstDigitTime)},
    {"FirstDigitDelay", 953, 2, INT(DtmfInfo.FirstDigitDelay)},
    {"StarHashTone", 955, 2, INT(DtmfInfo.StarHashTone)},
    {"DCodeAssign", 957, 2, INT(DtmfInfo.DCodeAssign)},
    {"DtmfSideTone", 959, 2, INT(DtmfInfo.DtmfSideTone)},
    {"IdCode", 961, 10, TEXT(DtmfInfo.IdCode, 10)},
    {"GroupCode", 971, 2, INT(DtmfInfo.GroupCode)},
    {"AutoResetTimer", 973, 2, INT(DtmfInfo.AutoResetTimer)},
    {"CallAlert", 975, 2, INT(DtmfInfo.CallAlert)},
    {"Transpond", 977, 2, INT(DtmfInfo.Transpond)},
    {"ClearToTranspond", 979, 2, INT(DtmfInfo.ClearToTranspond)},
    {"StunCode", 981, 10, TEXT(DtmfInfo.StunCode, 10)},
    {"StunType", 991, 2, INT(DtmfInfo.StunType)},
    {"OwnFleet", 993, 2, INT(FleetSyncInfo.OwnFleet)},
    {"OwnId", 995, 4, INT(FleetSyncInfo.OwnId)},
    {"BaudRate", 999, 2, INT(FleetSyncInfo.BaudRate)},
    {"TxModDelay", 1001, 4, INT(FleetSyncInfo.TxModDelay)},
    {"MsgModeTimer", 1005, 4, INT(FleetSyncInfo.MsgModeTimer)},
    {"PttIdSideTone", 1009, 2, INT(FleetSyncInfo.PttIdSideTone)},
    {"DtmfCodeCount", 1011, 2, INT(DtmfCodeCount)},
    {"DtmfCodes 1 No", 1013, 2, INT(DtmfCodes[0].No)},
    {"DtmfCodes 1 Code", 1015, 16, TEXT(DtmfCodes[0].Code, 16)},
    {"DtmfCodes 8 No", 1139, 2, INT(DtmfCodes[7].No)},
    {"DtmfCodes 8 Code", 1141, 16, TEXT(DtmfCodes[7].Code, 16)},
    {"TestFreCount", 1157, 2, INT(TestFreCount)},
    {"TestFres 1 No", 1159, 2, INT(TestFres[0].No)},
    {"TestFres 1 RxFreq", 1161, 8, TEXT(TestFres[0].RxFreq, 8)},
    {"TestFres 1 TxFreq", 1169, 8, TEXT(TestFres[0].TxFreq, 8)},
    {"TestFres 1 RxSig", 1177, 2, INT(TestFres[0].RxSig)},
    {"TestFres 1 TxSig", 1179, 2, INT(TestFres[0].TxSig)},
    {"TestFres 16 No", 1489, 2, INT(TestFres[15].No)},
    {"TestFres 16 TxSig", 1509, 2, INT(TestFres[15].TxSig)},
    {"EmbMsg1", 1511, 32, TEXT(EmbMsg1, 32)},
    {"EmbMsg2", 1543, 32, TEXT(EmbMsg2, 32)},
    {"FleetCount", 1575, 2, INT(FleetCount)},
    {"Fleets 1 Slot", 1577, 2, INT(Fleets[0].Slot)},
    {"Fleets 1 Fleet", 1579, 2, INT(Fleets[0].Fleet)},
    {"Fleets 1 IdValue", 1581, 4, INT(Fleets[0].IdValue)},
    {"Fleets 8 Slot", 1633, 2, INT(Fleets[7].Slot)},
    {"Fleets 8 IdValue", 1637, 4, INT(Fleets[7].IdValue)},
};

#undef INT
#undef TEXT

} // namespace rvtest
