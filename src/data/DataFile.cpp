#include "DataFile.h"

#include "ModelTables.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

namespace rv {

namespace fs = std::filesystem;

namespace {

void ReportFileError(Session& s, const FileFault& fault) {
    s.LastFileFault = fault;
    s.report(Msg::FileError, FileFaultText(fault, s.CurLanguage));
}

// Every used saved entry has an equal used current entry. Equal entries carry the same slot
// number, so entries are matched by slot, not by position; a damaged file that repeats a
// slot number still equals itself.
template <class Entry, std::size_t N>
bool SameEntries(const std::array<Entry, N>& cur, const std::array<Entry, N>& saved, int count) {
    const auto used = static_cast<std::ptrdiff_t>(std::clamp(count, 0, static_cast<int>(N)));
    return std::all_of(saved.begin(), saved.begin() + used, [&](const Entry& e) {
        return std::find(cur.begin(), cur.begin() + used, e) != cur.begin() + used;
    });
}

} // namespace

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::size_t limit,
                                                       FileFault& fault) {
    fault = {};
    std::error_code ec;
    const auto status = fs::status(path, ec);
    if (!fs::is_regular_file(status)) {
        if (fs::exists(status))
            fault = {FileFault::NotAFile, 0};
        else if (ec && ec != std::errc::no_such_file_or_directory)
            fault = FaultOfError(ec.value());
        else
            fault = {FileFault::NotFound, ENOENT};
        return std::nullopt;
    }
    // The size is known before a byte is read; a file far too large is never read at all.
    const auto size = fs::file_size(path, ec);
    if (!ec && size > limit) {
        fault = {FileFault::TooLarge, 0, limit, 0};
        return std::nullopt;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        fault = FaultOfError(errno != 0 ? errno : EIO);
        return std::nullopt;
    }
    // One byte beyond the limit tells a file that grew meanwhile from one that just fits.
    std::vector<std::uint8_t> bytes(std::min<std::uintmax_t>(ec ? limit : size, limit) + 1);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        fault = FaultOfError(errno != 0 ? errno : EIO);
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > limit) {
        fault = {FileFault::TooLarge, 0, limit, 0};
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::vector<std::uint8_t>> ReadDocumentFile(const std::string& path,
                                                          DocumentFile accept, FileFault& fault) {
    const std::size_t expected = accept == DocumentFile::Data    ? RecordSize
                                 : accept == DocumentFile::Image ? ImageBytes
                                                                 : 0;
    auto bytes = ReadWholeFile(path, RecordSize, fault);
    if (!bytes && fault.kind != FileFault::TooLarge) return std::nullopt;
    const std::size_t size = bytes ? bytes->size() : RecordSize + 1;
    const bool fits = expected == 0 ? size == RecordSize || size == ImageBytes : size == expected;
    if (fits) return bytes;
    std::error_code ec;
    const auto onDisk = fs::file_size(path, ec);
    fault = {FileFault::WrongSize, 0, expected, ec ? size : onDisk};
    return std::nullopt;
}

bool OpenDataFile(Session& s, const std::string& path) {
    FileFault fault;
    const auto bytes = ReadDocumentFile(path, DocumentFile::Data, fault);
    const auto record = bytes ? FromRecord(*bytes) : std::nullopt;
    if (!record) {
        ReportFileError(s, fault);
        return false;
    }
    s.SavedCopy = *record;
    s.Doc = *record;
    TakeModelInfo(s);
    s.DocPath = path;
    s.IsNewFile = false;
    return true;
}

bool SaveDataFileWith(Session& s, const std::string& path, const FileWriter& write) {
    Session refreshed;
    refreshed.Doc = s.Doc;
    refreshed.CurModelCode = s.CurModelCode;
    refreshed.CurBand = s.CurBand;
    SetModelInfo(refreshed);
    FileFault fault;
    if (!write(path, ToRecord(refreshed.Doc), &fault)) {
        ReportFileError(s, fault);
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
    if (!SameEntries(cur.Channels, saved.Channels, saved.ChannelCount) ||
        !SameEntries(cur.DtmfCodes, saved.DtmfCodes, saved.DtmfCodeCount) ||
        !SameEntries(cur.TestFres, saved.TestFres, saved.TestFreCount) ||
        !SameEntries(cur.Fleets, saved.Fleets, saved.FleetCount))
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
