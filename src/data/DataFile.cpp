#include "DataFile.h"

#include "AtomicFile.h"
#include "ModelTables.h"

#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

namespace rv {

namespace fs = std::filesystem;

namespace {

std::optional<RadioData> ReadRecord(const std::string& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<std::uint8_t> bytes(RecordSize);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(RecordSize));
    if (in.gcount() != static_cast<std::streamsize>(RecordSize)) return std::nullopt;
    return FromRecord(bytes);
}

template <class Entry, class Key, std::size_t N>
const Entry* FindBy(const std::array<Entry, N>& list, int count, Key key, int value) {
    if (count > static_cast<int>(N)) count = static_cast<int>(N);
    for (int i = 0; i < count; ++i)
        if (list[i].*key == value) return &list[i];
    return nullptr;
}

// Every used saved entry has a used current entry with the same slot number that equals it.
template <class Entry, class Key, std::size_t N>
bool SameEntries(const std::array<Entry, N>& cur, const std::array<Entry, N>& saved, int count,
                 Key key) {
    if (count > static_cast<int>(N)) count = static_cast<int>(N);
    for (int i = 0; i < count; ++i) {
        const Entry* c = FindBy(cur, count, key, saved[i].*key);
        if (!c || !(*c == saved[i])) return false;
    }
    return true;
}

} // namespace

bool OpenDataFile(Session& s, const std::string& path) {
    const auto record = ReadRecord(path);
    if (!record) {
        s.report(Msg::FileError);
        return false;
    }
    s.SavedCopy = *record;
    s.Doc = *record;
    TakeModelInfo(s);
    s.DocPath = path;
    s.IsNewFile = false;
    return true;
}

bool SaveDataFile(Session& s, const std::string& path) {
    Session refreshed;
    refreshed.Doc = s.Doc;
    refreshed.CurModelCode = s.CurModelCode;
    refreshed.CurBand = s.CurBand;
    SetModelInfo(refreshed);
    if (!WriteFileAtomically(path, ToRecord(refreshed.Doc))) {
        s.report(Msg::FileError);
        return false;
    }
    s.Doc = refreshed.Doc;
    s.SavedCopy = refreshed.Doc;
    s.DocPath = path;
    s.IsNewFile = false;
    return true;
}

bool IsUnchanged(const RadioData& cur, const RadioData& saved) {
    if (cur.ChannelCount != saved.ChannelCount || cur.DtmfCodeCount != saved.DtmfCodeCount ||
        cur.FleetCount != saved.FleetCount || cur.TestFreCount != saved.TestFreCount)
        return false;
    if (!SameEntries(cur.Channels, saved.Channels, saved.ChannelCount, &ChannelInfo::ChNo) ||
        !SameEntries(cur.DtmfCodes, saved.DtmfCodes, saved.DtmfCodeCount, &DtmfCode::No) ||
        !SameEntries(cur.TestFres, saved.TestFres, saved.TestFreCount, &TestFre::No) ||
        !SameEntries(cur.Fleets, saved.Fleets, saved.FleetCount, &FleetEntry::Slot))
        return false;
    return cur.Version == saved.Version && cur.SerialNumber == saved.SerialNumber &&
           cur.ModelType == saved.ModelType && cur.ModelInfo == saved.ModelInfo &&
           cur.TypeLetter == saved.TypeLetter && cur.FrequencyCode == saved.FrequencyCode &&
           cur.EmbMsg1 == saved.EmbMsg1 && cur.EmbMsg2 == saved.EmbMsg2 &&
           cur.DtmfInfo == saved.DtmfInfo && cur.FleetSyncInfo == saved.FleetSyncInfo &&
           cur.KeyFunc1 == saved.KeyFunc1 && cur.KeyFunc2 == saved.KeyFunc2 &&
           cur.OptFeatures == saved.OptFeatures && cur.ScanInfo == saved.ScanInfo;
}

} // namespace rv
