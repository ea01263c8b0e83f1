#include "FleetLog.h"

#include "Csv.h"
#include "OutsideText.h"

namespace rv {

namespace {

constexpr std::size_t SerialColumn = 4;
constexpr std::size_t ResultColumn = 5;
constexpr std::size_t HashColumn = 8;

} // namespace

std::string FleetLogHeader() {
    return CsvLine({"time", "port", "model", "band", "serial", "result", "backup", "document",
                    "hash", "values"});
}

std::string FleetLogLine(const FleetLogRow& r) {
    std::vector<std::string> cells;
    for (const std::string* f : {&r.time, &r.port, &r.model, &r.band, &r.serial, &r.result,
                                 &r.backup, &r.document, &r.documentHash, &r.values})
        cells.push_back(LogCell(*f));
    return CsvLine(cells);
}

std::map<std::string, std::string> LatestWrites(std::string_view logText) {
    std::map<std::string, std::string> latest;
    for (const auto& record : ParseCsv(logText).records) {
        const auto& f = record.fields;
        if (f.size() <= ResultColumn || f[SerialColumn].empty() || f[SerialColumn] == "serial")
            continue;
        const bool ok = f[ResultColumn] == "OK" && f.size() > HashColumn;
        latest[CellOfLog(f[SerialColumn])] = ok ? f[HashColumn] : std::string();
    }
    return latest;
}

std::string DocumentHash(const std::uint8_t* bytes, std::size_t size) {
    std::uint64_t h = 0xcbf29ce484222325ULL;
    for (std::size_t i = 0; i < size; ++i) {
        h ^= bytes[i];
        h *= 0x100000001b3ULL;
    }
    static const char* digits = "0123456789abcdef";
    std::string out(16, '0');
    for (int i = 15; i >= 0; --i, h >>= 4)
        out[static_cast<std::size_t>(i)] = digits[h & 0xF];
    return out;
}

} // namespace rv
