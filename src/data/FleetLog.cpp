#include "FleetLog.h"

namespace rv {

namespace {

constexpr std::size_t SerialColumn = 4;
constexpr std::size_t ResultColumn = 5;
constexpr std::size_t HashColumn = 8;

std::string quoted(const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
    std::string out = "\"";
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

} // namespace

std::string FleetLogHeader() {
    return "time,port,model,band,serial,result,backup,document,hash,values\n";
}

std::string FleetLogLine(const FleetLogRow& r) {
    std::string line;
    for (const std::string* f : {&r.time, &r.port, &r.model, &r.band, &r.serial, &r.result,
                                 &r.backup, &r.document, &r.documentHash, &r.values}) {
        if (!line.empty() || f != &r.time) line += ',';
        line += quoted(*f);
    }
    return line + '\n';
}

std::vector<std::string> ReadCsvRecord(std::string_view text, std::size_t& pos) {
    std::vector<std::string> fields(1);
    bool inQuotes = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (inQuotes) {
            if (c != '"')
                fields.back() += c;
            else if (pos + 1 < text.size() && text[pos + 1] == '"')
                fields.back() += text[++pos];
            else
                inQuotes = false;
        } else if (c == '"') {
            inQuotes = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else if (c == '\n') {
            ++pos;
            break;
        } else if (c != '\r') {
            fields.back() += c;
        }
    }
    return fields;
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

std::set<std::string> ProgrammedSerials(std::string_view logText, std::string_view documentHash) {
    std::set<std::string> serials;
    std::size_t pos = 0;
    while (pos < logText.size()) {
        const auto fields = ReadCsvRecord(logText, pos);
        if (fields.size() > HashColumn && fields[ResultColumn] == "OK" &&
            !fields[SerialColumn].empty() && !documentHash.empty() &&
            fields[HashColumn] == documentHash)
            serials.insert(fields[SerialColumn]);
    }
    return serials;
}

std::set<std::string> ProgrammedSerials(std::string_view logText) {
    std::set<std::string> serials;
    std::size_t pos = 0;
    while (pos < logText.size()) {
        const auto fields = ReadCsvRecord(logText, pos);
        if (fields.size() > ResultColumn && fields[ResultColumn] == "OK" &&
            !fields[SerialColumn].empty())
            serials.insert(fields[SerialColumn]);
    }
    return serials;
}

std::set<std::pair<std::string, std::string>> ProgrammedRadios(std::string_view logText) {
    std::set<std::pair<std::string, std::string>> radios;
    std::size_t pos = 0;
    while (pos < logText.size()) {
        const auto fields = ReadCsvRecord(logText, pos);
        if (fields.size() > HashColumn && fields[ResultColumn] == "OK" &&
            !fields[SerialColumn].empty() && !fields[HashColumn].empty())
            radios.emplace(fields[SerialColumn], fields[HashColumn]);
    }
    return radios;
}

} // namespace rv
