#include "DataFile.h"

#include "ModelTables.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>
#include <vector>

#if __has_include(<unistd.h>)
#include <unistd.h>
#endif

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

std::string TempNameBeside(const std::string& path) {
    std::random_device rd;
    return path + ".tmp" + std::to_string(rd() % 1000000u);
}

bool Flush(std::FILE* f) {
    if (std::fflush(f) != 0) return false;
#if __has_include(<unistd.h>)
    // The rename must not become visible before the new bytes are on disk.
    if (::fsync(::fileno(f)) != 0) return false;
#endif
    return true;
}

// Writes `bytes` to a new file beside `path` and renames it over `path`. On any failure
// the temporary file is removed and `path` is untouched.
bool WriteAtomically(const std::string& path, const Record& bytes) {
    std::string temp;
    std::FILE* f = nullptr;
    for (int attempt = 0; attempt < 8 && !f; ++attempt) {
        temp = TempNameBeside(path);
        f = std::fopen(temp.c_str(), "wbx"); // "x": never reuse an existing file
    }
    if (!f) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool flushed = written && Flush(f);
    const bool closed = std::fclose(f) == 0;
    std::error_code ec;
    if (written && flushed && closed) {
        fs::rename(temp, path, ec);
        if (!ec) return true;
    }
    fs::remove(temp, ec);
    return false;
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
    if (!WriteAtomically(path, ToRecord(refreshed.Doc))) {
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
