#include "RadioHistory.h"

#include "Csv.h"
#include "ImageMap.h"
#include "Messages.h"
#include "ModelTables.h"
#include "OutsideText.h"

#include <algorithm>
#include <cctype>
#include <tuple>

namespace rv {

namespace {

bool Digits(std::string_view s, std::size_t n) {
    return s.size() == n &&
           std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

std::vector<std::string_view> Split(std::string_view s, char by) {
    std::vector<std::string_view> parts;
    for (std::size_t pos = 0;;) {
        const auto next = s.find(by, pos);
        parts.push_back(s.substr(pos, next - pos));
        if (next == std::string_view::npos) return parts;
        pos = next + 1;
    }
}

// "2", "3" ... after a name taken in the same second.
int CopyNumber(std::string_view s) {
    if (s.empty() || s.size() > 3 || !Digits(s, s.size())) return 0;
    const int n = std::stoi(std::string(s));
    return n >= 2 ? n : 0;
}

int Number(std::string_view digits) {
    int n = 0;
    for (const char c : digits)
        n = n * 10 + (c - '0');
    return n;
}

// A date and time of the calendar: 2026-02-29 or 25:61 are not.
bool PossibleStamp(std::string_view date, std::string_view time) {
    const int year = Number(date.substr(0, 4));
    const int month = Number(date.substr(4, 2));
    const int day = Number(date.substr(6, 2));
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1) return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (day > days[month - 1] + (month == 2 && leap ? 1 : 0)) return false;
    return Number(time.substr(0, 2)) < 24 && Number(time.substr(2, 2)) < 60 &&
           Number(time.substr(4, 2)) < 60;
}

void TakeStamp(BackupName& b, std::string_view date, std::string_view time) {
    b.dateValid = PossibleStamp(date, time);
    b.date = std::string(date.substr(0, 4)) + '-' + std::string(date.substr(4, 2)) + '-' +
             std::string(date.substr(6, 2));
    b.time = std::string(time.substr(0, 2)) + ':' + std::string(time.substr(2, 2)) + ':' +
             std::string(time.substr(4, 2));
}

bool SafeChar(unsigned char c) {
    return std::isalnum(c) || c == '.' || c == '_';
}

} // namespace

std::string FileSafeSerial(std::string_view serial) {
    const auto padding = [](char c) { return c == ' ' || c == '\t' || c == '\0' || c == '\xFF'; };
    while (!serial.empty() && padding(serial.front()))
        serial.remove_prefix(1);
    while (!serial.empty() && padding(serial.back()))
        serial.remove_suffix(1);
    std::string out;
    for (const unsigned char c : serial)
        out += c < 0x80 && SafeChar(c) ? static_cast<char>(c) : '_';
    const bool readable =
        std::any_of(out.begin(), out.end(), [](unsigned char c) { return std::isalnum(c) != 0; });
    return readable ? out : std::string();
}

std::string BackupBaseName(std::string_view serial, std::string_view stamp,
                           std::string_view model) {
    const std::string safe = FileSafeSerial(serial);
    if (safe.empty()) return std::string(stamp) + '-' + std::string(model);
    return safe + '-' + std::string(stamp);
}

std::optional<BackupName> ParseBackupName(std::string_view fileName) {
    const auto dot = fileName.rfind('.');
    if (dot == std::string_view::npos) return std::nullopt;
    BackupName b;
    b.extension = std::string(fileName.substr(dot + 1));
    if (b.extension != "img" && b.extension != "dat") return std::nullopt;
    b.base = std::string(fileName.substr(0, dot));
    auto parts = Split(b.base, '-');
    // The serial number never holds '-' (FileSafeSerial), so the parts are fixed:
    // SERIAL-DATE-TIME[-N] or DATE-TIME-MODEL[-N].
    if (parts.size() == 4) {
        b.copy = CopyNumber(parts.back());
        if (b.copy == 0) return std::nullopt;
        parts.pop_back();
    }
    if (parts.size() != 3) return std::nullopt;
    if (Digits(parts[1], 8) && Digits(parts[2], 6) && !FileSafeSerial(parts[0]).empty() &&
        FileSafeSerial(parts[0]) == parts[0]) {
        b.serial = std::string(parts[0]);
        TakeStamp(b, parts[1], parts[2]);
        return b;
    }
    if (Digits(parts[0], 8) && Digits(parts[1], 6)) {
        b.model = std::string(parts[2]);
        TakeStamp(b, parts[0], parts[1]);
        return b;
    }
    return std::nullopt;
}

std::vector<BackupEntry> BackupsOf(const std::vector<std::string>& fileNames) {
    std::vector<std::pair<std::string, BackupEntry>> byBase;
    for (const auto& name : fileNames) {
        const auto b = ParseBackupName(name);
        if (!b) continue;
        auto it = std::find_if(byBase.begin(), byBase.end(),
                               [&](const auto& e) { return e.first == b->base; });
        if (it == byBase.end()) {
            BackupEntry e{b->serial, b->date, b->time, b->model, {},
                          {},        {},      b->copy, false,    b->dateValid};
            it = byBase.insert(byBase.end(), {b->base, std::move(e)});
        }
        (b->extension == "img" ? it->second.image : it->second.data) = name;
    }
    std::vector<BackupEntry> entries;
    for (auto& e : byBase)
        entries.push_back(std::move(e.second));
    // Newest first; a name whose date cannot be (a clock gone wrong, a hand-made name) last.
    std::sort(entries.begin(), entries.end(), [](const BackupEntry& a, const BackupEntry& b) {
        return std::tie(a.dateValid, a.date, a.time, a.copy, a.serial) >
               std::tie(b.dateValid, b.date, b.time, b.copy, b.serial);
    });
    return entries;
}

void TakeModelOfImage(const MemoryImage& image, BackupEntry& entry) {
    const int bandCode = image[image::BandCodeAt];
    const int modelByte = image[image::ModelByteAt];
    const std::string model = ModelCodeOf(bandCode, modelByte);
    // ModelCodeOf answers some model for any byte: only one that gives the byte back counts.
    if (ModelByteOf(model) != modelByte) {
        entry.model.clear();
        entry.band.clear();
        return;
    }
    entry.model = model;
    const std::string band = BandTextOf(bandCode, model);
    const auto bands = BandsOfModel(model);
    entry.band = std::find(bands.begin(), bands.end(), band) != bands.end() ? band : std::string();
}

std::string HistoryHeader() {
    return CsvLine({"time", "serial", "operation", "file", "hash", "outcome"});
}

std::string HistoryLine(const HistoryEntry& e) {
    std::vector<std::string> cells;
    for (const std::string* f : {&e.time, &e.serial, &e.operation, &e.file, &e.hash, &e.outcome})
        cells.push_back(LogCell(*f));
    return CsvLine(cells);
}

std::vector<HistoryEntry> ParseHistory(std::string_view text) {
    std::vector<HistoryEntry> entries;
    for (const auto& r : ParseCsv(text).records) {
        const auto& f = r.fields;
        if (f.size() != 6 || std::find(HistoryOperations.begin(), HistoryOperations.end(), f[2]) ==
                                 HistoryOperations.end())
            continue;
        entries.push_back({CellOfLog(f[0]), CellOfLog(f[1]), f[2], CellOfLog(f[3]), CellOfLog(f[4]),
                           CellOfLog(f[5])});
    }
    return entries;
}

std::string OperationText(const std::string& operation, int language) {
    static const std::vector<std::pair<std::string, LangText>> texts{
        {"read", {"read", "读取"}},
        {"write", {"write", "写入"}},
        {"restore", {"restore", "恢复"}},
        {"fleet write", {"fleet write", "批量写入"}}};
    for (const auto& [key, text] : texts)
        if (key == operation) return text[language];
    return operation;
}

} // namespace rv
