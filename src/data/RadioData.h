#pragma once

#include "Text.h"

#include <array>
#include <cstdint>
#include <string>

namespace rv {

using Int16 = std::int16_t;
using Int32 = std::int32_t;

/// One programmed channel. Fields in storage order.
struct ChannelInfo {
    Int16 ChNo = 0;
    Int16 InUse = 0;
    Text<8> RxFreq;
    Text<8> TxFreq;
    Int16 AuxBit6 = 0;
    Int16 AuxBit4 = 0;
    Text<4> RxCode;
    Text<4> TxCode;
    Int16 OptSignal = 0;
    Int16 SpUnmute = 0;
    Int16 TxPower = 0;
    Int16 WideNarrow = 0;
    Int16 BusyLockout = 0;
    Int16 PttId = 0;
    Int16 AutodialMem = 0;
    Int16 BeatShift = 0;
    Int16 ScanAdd = 0;
    Int16 Compander = 0;
    bool operator==(const ChannelInfo&) const = default;
};

struct ModelInfo {
    Text<4> ModelCode;
    Int16 ModelByte = 0;
    Int16 BandCode = 0;
    bool operator==(const ModelInfo&) const = default;
};

struct OptFeatures {
    Int16 TotTime = 0;
    Int16 TotPreAlert = 0;
    Int16 SquelchLevel = 0;
    Int16 MicSensitivity = 0;
    Int16 VoiceAnnunciation = 0;
    Int16 BatterySave = 0;
    Int16 Beep = 0;
    Int16 ScramblerActivation = 0;
    Int16 ScramblerBackup = 0;
    Int16 PttIdMode = 0;
    Int16 PttIdType = 0;
    Text<16> PttIdBot;
    Text<16> PttIdEot;
    Int16 VoxFunction = 0;
    Int16 VoxGain = 0;
    Int16 VoxDelay = 0;
    Int16 VoxCancelOperation = 0;
    Int16 VoxProceedTone = 0;
    Int16 VoxInhibitOnRx = 0;
    Int16 CloneMode = 0;
    bool operator==(const OptFeatures&) const = default;
};

struct ScanInfo {
    Int16 PriorityType = 0;
    Int16 PriorityChannel = 0;
    Int16 LookBackA = 0;
    Int16 LookBackB = 0;
    Int16 RevertChannel = 0;
    Int16 DropoutDelay = 0;
    Int16 TxDwell = 0;
    bool operator==(const ScanInfo&) const = default;
};

struct DtmfInfo {
    Int16 DtmfSpeed = 0;
    Int16 FirstDigitTime = 0;
    Int16 FirstDigitDelay = 0;
    Int16 StarHashTone = 0;
    Int16 DCodeAssign = 0;
    Int16 DtmfSideTone = 0;
    Text<10> IdCode;
    Int16 GroupCode = 0;
    Int16 AutoResetTimer = 0;
    Int16 CallAlert = 0;
    Int16 Transpond = 0;
    Int16 ClearToTranspond = 0;
    Text<10> StunCode;
    Int16 StunType = 0;
    bool operator==(const DtmfInfo&) const = default;
};

struct FleetSyncInfo {
    Int16 OwnFleet = 0;
    Int32 OwnId = 0;
    Int16 BaudRate = 0;
    Int32 TxModDelay = 0;
    Int32 MsgModeTimer = 0;
    Int16 PttIdSideTone = 0;
    bool operator==(const FleetSyncInfo&) const = default;
};

/// One autodial memory.
struct DtmfCode {
    Int16 No = 0;
    Text<16> Code;
    bool operator==(const DtmfCode&) const = default;
};

struct FleetEntry {
    Int16 Slot = 0;
    Int16 Fleet = 0;
    Int32 IdValue = 0;
    bool operator==(const FleetEntry&) const = default;
};

struct TestFre {
    Int16 No = 0;
    Text<8> RxFreq;
    Text<8> TxFreq;
    Int16 RxSig = 0;
    Int16 TxSig = 0;
    bool operator==(const TestFre&) const = default;
};

/// The whole configuration of one radio: the open document. Lists are indexed from 0 here;
/// entry k of a list (1-based) is element k-1. Entries carry their own slot numbers.
struct RadioData {
    Int16 ChannelCount = 0;
    std::array<ChannelInfo, 16> Channels{};
    rv::ModelInfo ModelInfo{};
    Text<8> SerialNumber;
    Text<5> Version;
    Text<4> ModelType;
    Int16 FrequencyCode = 0;
    Int16 TypeLetter = 0;
    rv::OptFeatures OptFeatures{};
    Int16 KeyFunc1 = 0;
    Int16 KeyFunc2 = 0;
    rv::ScanInfo ScanInfo{};
    rv::DtmfInfo DtmfInfo{};
    rv::FleetSyncInfo FleetSyncInfo{};
    Int16 DtmfCodeCount = 0;
    std::array<rv::DtmfCode, 8> DtmfCodes{};
    Int16 TestFreCount = 0;
    std::array<TestFre, 16> TestFres{};
    Text<32> EmbMsg1;
    Text<32> EmbMsg2;
    Int16 FleetCount = 0;
    std::array<FleetEntry, 8> Fleets{};
    bool operator==(const RadioData&) const = default;
};

/// Lower and upper band edge in MHz, by band index.
struct BandEdge {
    int low;
    int high;
};
inline constexpr std::array<BandEdge, 6> BandLimits{
    {{136, 174}, {245, 246}, {350, 390}, {400, 470}, {470, 512}, {450, 520}}};

} // namespace rv
