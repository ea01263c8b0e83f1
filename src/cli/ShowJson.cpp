#include "Json.h"
#include "Show.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace rv::cli {

namespace {

/// Writes one member of a record; a record is written as the list of its members.
template <class Rec> using Member = std::function<void(Json&, const Rec&)>;
template <class Rec> using Members = std::vector<Member<Rec>>;

void Put(Json& j, const char* key, long long v) {
    j.number(key, v);
}

template <std::size_t N> void Put(Json& j, const char* key, const Text<N>& t) {
    j.bytes(key, t.get());
}

template <class Rec> void Write(Json& j, const Rec& r, const Members<Rec>& members) {
    for (const Member<Rec>& m : members)
        m(j, r);
}

/// A number or text field.
template <class Rec, class T> Member<Rec> F(const char* key, T Rec::*field) {
    return [key, field](Json& j, const Rec& r) { Put(j, key, r.*field); };
}

/// A record held inside another, as a nested object.
template <class Rec, class Sub>
Member<Rec> Object(const char* key, Sub Rec::*field, const Members<Sub>& members) {
    return [key, field, &members](Json& j, const Rec& r) {
        j.beginObject(key);
        Write(j, r.*field, members);
        j.endObject();
    };
}

/// A list with its count: the count as stored, then the entries in use (at most the
/// list's capacity, however damaged the count).
template <class Rec, class Entry, std::size_t N>
Member<Rec> List(const char* countKey, Int16 Rec::*count, const char* key,
                 std::array<Entry, N> Rec::*list, const Members<Entry>& members) {
    return [=, &members](Json& j, const Rec& r) {
        j.number(countKey, r.*count);
        j.beginArray(key);
        for (int i = 0; i < std::clamp<int>(r.*count, 0, N); ++i) {
            j.beginObject();
            Write(j, (r.*list)[std::size_t(i)], members);
            j.endObject();
        }
        j.endArray();
    };
}

using C = ChannelInfo;
const Members<C> ChannelMembers{
    F("ChNo", &C::ChNo),
    F("InUse", &C::InUse),
    F("RxFreq", &C::RxFreq),
    F("TxFreq", &C::TxFreq),
    F("AuxBit6", &C::AuxBit6),
    F("AuxBit4", &C::AuxBit4),
    F("RxCode", &C::RxCode),
    F("TxCode", &C::TxCode),
    F("OptSignal", &C::OptSignal),
    F("SpUnmute", &C::SpUnmute),
    F("TxPower", &C::TxPower),
    F("WideNarrow", &C::WideNarrow),
    F("BusyLockout", &C::BusyLockout),
    F("PttId", &C::PttId),
    F("AutodialMem", &C::AutodialMem),
    F("BeatShift", &C::BeatShift),
    F("ScanAdd", &C::ScanAdd),
    F("Compander", &C::Compander),
};

using M = ModelInfo;
const Members<M> ModelMembers{F("ModelCode", &M::ModelCode), F("ModelByte", &M::ModelByte),
                              F("BandCode", &M::BandCode)};

using O = OptFeatures;
const Members<O> OptionMembers{
    F("TotTime", &O::TotTime),
    F("TotPreAlert", &O::TotPreAlert),
    F("SquelchLevel", &O::SquelchLevel),
    F("MicSensitivity", &O::MicSensitivity),
    F("VoiceAnnunciation", &O::VoiceAnnunciation),
    F("BatterySave", &O::BatterySave),
    F("Beep", &O::Beep),
    F("ScramblerActivation", &O::ScramblerActivation),
    F("ScramblerBackup", &O::ScramblerBackup),
    F("PttIdMode", &O::PttIdMode),
    F("PttIdType", &O::PttIdType),
    F("PttIdBot", &O::PttIdBot),
    F("PttIdEot", &O::PttIdEot),
    F("VoxFunction", &O::VoxFunction),
    F("VoxGain", &O::VoxGain),
    F("VoxDelay", &O::VoxDelay),
    F("VoxCancelOperation", &O::VoxCancelOperation),
    F("VoxProceedTone", &O::VoxProceedTone),
    F("VoxInhibitOnRx", &O::VoxInhibitOnRx),
    F("CloneMode", &O::CloneMode),
};

using S = ScanInfo;
const Members<S> ScanMembers{
    F("PriorityType", &S::PriorityType),
    F("PriorityChannel", &S::PriorityChannel),
    F("LookBackA", &S::LookBackA),
    F("LookBackB", &S::LookBackB),
    F("RevertChannel", &S::RevertChannel),
    F("DropoutDelay", &S::DropoutDelay),
    F("TxDwell", &S::TxDwell),
};

using T = DtmfInfo;
const Members<T> DtmfMembers{
    F("DtmfSpeed", &T::DtmfSpeed),
    F("FirstDigitTime", &T::FirstDigitTime),
    F("FirstDigitDelay", &T::FirstDigitDelay),
    F("StarHashTone", &T::StarHashTone),
    F("DCodeAssign", &T::DCodeAssign),
    F("DtmfSideTone", &T::DtmfSideTone),
    F("IdCode", &T::IdCode),
    F("GroupCode", &T::GroupCode),
    F("AutoResetTimer", &T::AutoResetTimer),
    F("CallAlert", &T::CallAlert),
    F("Transpond", &T::Transpond),
    F("ClearToTranspond", &T::ClearToTranspond),
    F("StunCode", &T::StunCode),
    F("StunType", &T::StunType),
};

using FS = FleetSyncInfo;
const Members<FS> FleetSyncMembers{
    F("OwnFleet", &FS::OwnFleet),         F("OwnId", &FS::OwnId),
    F("BaudRate", &FS::BaudRate),         F("TxModDelay", &FS::TxModDelay),
    F("MsgModeTimer", &FS::MsgModeTimer), F("PttIdSideTone", &FS::PttIdSideTone),
};

const Members<DtmfCode> DtmfCodeMembers{F("No", &DtmfCode::No), F("Code", &DtmfCode::Code)};

const Members<TestFre> TestFreMembers{
    F("No", &TestFre::No),       F("RxFreq", &TestFre::RxFreq), F("TxFreq", &TestFre::TxFreq),
    F("RxSig", &TestFre::RxSig), F("TxSig", &TestFre::TxSig),
};

const Members<FleetEntry> FleetMembers{F("Slot", &FleetEntry::Slot), F("Fleet", &FleetEntry::Fleet),
                                       F("IdValue", &FleetEntry::IdValue)};

using D = RadioData;
const Members<D> DocumentMembers{
    List("ChannelCount", &D::ChannelCount, "Channels", &D::Channels, ChannelMembers),
    Object("ModelInfo", &D::ModelInfo, ModelMembers),
    F("SerialNumber", &D::SerialNumber),
    F("Version", &D::Version),
    F("ModelType", &D::ModelType),
    F("FrequencyCode", &D::FrequencyCode),
    F("TypeLetter", &D::TypeLetter),
    Object("OptFeatures", &D::OptFeatures, OptionMembers),
    F("KeyFunc1", &D::KeyFunc1),
    F("KeyFunc2", &D::KeyFunc2),
    Object("ScanInfo", &D::ScanInfo, ScanMembers),
    Object("DtmfInfo", &D::DtmfInfo, DtmfMembers),
    Object("FleetSyncInfo", &D::FleetSyncInfo, FleetSyncMembers),
    List("DtmfCodeCount", &D::DtmfCodeCount, "DtmfCodes", &D::DtmfCodes, DtmfCodeMembers),
    List("TestFreCount", &D::TestFreCount, "TestFres", &D::TestFres, TestFreMembers),
    F("EmbMsg1", &D::EmbMsg1),
    F("EmbMsg2", &D::EmbMsg2),
    List("FleetCount", &D::FleetCount, "Fleets", &D::Fleets, FleetMembers),
};

} // namespace

std::string DocumentJson(const RadioData& d) {
    Json j;
    j.beginObject();
    Write(j, d, DocumentMembers);
    j.endObject();
    return j.text() + "\n";
}

} // namespace rv::cli
