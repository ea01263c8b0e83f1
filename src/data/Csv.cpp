#include "Csv.h"
#include "Strings.h"

#include <algorithm>
#include <array>

namespace rv {

namespace {

constexpr std::string_view Bom = "\xEF\xBB\xBF";

// The delimiter counted outside quotes in the first line that holds anything.
char DetectDelimiter(std::string_view text) {
    std::array<int, 3> counts{};
    constexpr std::array<char, 3> candidates{',', ';', '\t'};
    bool quoted = false;
    bool seen = false;
    for (const char c : text) {
        if (c == '"') quoted = !quoted;
        if (!quoted && (c == '\n' || c == '\r')) {
            if (seen) break;
            continue;
        }
        if (c != ' ') seen = true;
        if (quoted) continue;
        for (std::size_t i = 0; i < candidates.size(); ++i)
            if (c == candidates[i]) ++counts[i];
    }
    const auto best = std::max_element(counts.begin(), counts.end()) - counts.begin();
    return counts[static_cast<std::size_t>(best)] > 0 ? candidates[static_cast<std::size_t>(best)]
                                                      : ',';
}

std::string Trimmed(std::string_view s) {
    return std::string(TrimBlanks(s, " \t"));
}

// Reads the text field by field; a record ends at a line break outside quotes.
class Reader {
public:
    Reader(std::string_view text, char delimiter) : text_(text), delimiter_(delimiter) {}

    int unclosedQuote = 0;

    void run(std::vector<CsvRecord>& out) {
        while (pos_ < text_.size()) {
            CsvRecord record{line_, {}};
            readRecord(record.fields);
            const bool blank = std::all_of(record.fields.begin(), record.fields.end(),
                                           [](const std::string& f) { return f.empty(); });
            if (!blank) out.push_back(std::move(record));
        }
    }

private:
    void readRecord(std::vector<std::string>& fields) {
        for (;;) {
            fields.push_back(readField());
            if (pos_ >= text_.size()) return;
            const char c = text_[pos_++];
            if (c == delimiter_) continue;
            // A line break: CRLF, LF or a lone CR.
            if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
            ++line_;
            return;
        }
    }

    std::string readField() {
        while (pos_ < text_.size() && text_[pos_] == ' ')
            ++pos_;
        std::string field;
        const bool quoted = pos_ < text_.size() && text_[pos_] == '"';
        if (quoted) {
            ++pos_;
            readQuoted(field);
        }
        std::string rest;
        while (pos_ < text_.size() && !atEnd(text_[pos_]))
            rest.push_back(text_[pos_++]);
        // Text after a closing quote is kept: spreadsheets never write it, people do.
        return quoted ? field + Trimmed(rest) : Trimmed(rest);
    }

    void readQuoted(std::string& field) {
        const int opened = line_;
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '"') {
                if (pos_ < text_.size() && text_[pos_] == '"') {
                    field.push_back('"');
                    ++pos_;
                    continue;
                }
                return;
            }
            if (c == '\n' || (c == '\r' && (pos_ >= text_.size() || text_[pos_] != '\n'))) ++line_;
            field.push_back(c);
        }
        unclosedQuote = opened;
    }

    bool atEnd(char c) const { return c == delimiter_ || c == '\n' || c == '\r'; }

    std::string_view text_;
    char delimiter_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

bool NeedsQuotes(const std::string& f) {
    if (f.find_first_of(",\"\r\n") != std::string::npos) return true;
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    return !f.empty() && (blank(f.front()) || blank(f.back()));
}

} // namespace

CsvTable ParseCsv(std::string_view text) {
    if (text.substr(0, Bom.size()) == Bom) text.remove_prefix(Bom.size());
    CsvTable table;
    table.delimiter = DetectDelimiter(text);
    Reader reader(text, table.delimiter);
    reader.run(table.records);
    table.unclosedQuote = reader.unclosedQuote;
    return table;
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line.push_back(',');
        const std::string& f = fields[i];
        if (!NeedsQuotes(f)) {
            line += f;
            continue;
        }
        line.push_back('"');
        for (const char c : f) {
            if (c == '"') line.push_back('"');
            line.push_back(c);
        }
        line.push_back('"');
    }
    return line + "\r\n";
}

} // namespace rv
