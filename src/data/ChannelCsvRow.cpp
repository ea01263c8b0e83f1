#include "ChannelCsvRow.h"
#include "Strings.h"

#include "Conversions.h"
#include "Decimal.h"

#include <algorithm>
#include <array>

namespace rv {

namespace {

using K = ChannelFieldKind;

// A field as the report echoes it: control bytes (a NUL among them) as \xNN, and no more
// than the first characters of a long one.
constexpr std::size_t EchoLimit = 40;

std::string Echo(std::string_view value) {
    std::string out;
    std::size_t chars = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const auto b = static_cast<unsigned char>(value[i]);
        if ((b & 0xC0) == 0x80) { // the rest of a character already counted
            out += value[i];
            continue;
        }
        if (chars++ == EchoLimit) return out + "...";
        if (b < 0x20 || b == 0x7F) {
            static const char* const Hex = "0123456789ABCDEF";
            out += {'\\', 'x', Hex[b >> 4], Hex[b & 0xF]};
        } else {
            out += value[i];
        }
    }
    return out;
}

std::string Quoted(std::string_view column, std::string_view value) {
    return std::string(column) + " \"" + Echo(value) + "\"";
}

// Low for a text naming it or for less than 2.5 W ("0.5W", "2 W", "500 mW"); High for more,
// for "High" and for anything else.
constexpr std::int64_t LowBelowMicrowatts = 2'500'000;

bool IsLowPower(std::string text, char delimiter) {
    text = AsciiLower(text);
    if (text.find("low") != std::string::npos) return true;
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    if (delimiter != ',') std::replace(text.begin(), text.end(), ',', '.');
    int scale = 6; // watts to microwatts
    if (text.size() > 1 && text.back() == 'w') text.pop_back();
    if (text.size() > 1 && text.back() == 'm') {
        text.pop_back();
        scale = 3;
    }
    const auto d = ParseDecimal(text);
    return d && !d->negative && ScaledValue(*d, scale) < LowBelowMicrowatts;
}

// True when no digit beyond the first `places` decimals is set: 446.006250 at 5 places.
bool ExactAt(const Decimal& d, std::size_t places) {
    return d.fracDigits.size() <= places ||
           d.fracDigits.find_first_not_of('0', places) == std::string::npos;
}

// ToneList: the none word, the QT tones from entry 1, the DQT codes from entry 40.
constexpr std::ptrdiff_t FirstQt = 1;
constexpr std::ptrdiff_t FirstDqt = 40;

// Where a tone of a cross mode comes from.
enum class Source { None, QtEncode, QtDecode, DqtEncode, DqtDecode };
struct CrossRow {
    const char* name;
    Source tx;
    Source rx;
};
constexpr std::array<CrossRow, 7> CrossModes{{
    {"tone->tone", Source::QtEncode, Source::QtDecode},
    {"tone->dtcs", Source::QtEncode, Source::DqtDecode},
    {"dtcs->tone", Source::DqtEncode, Source::QtDecode},
    {"->tone", Source::None, Source::QtDecode},
    {"->dtcs", Source::None, Source::DqtDecode},
    {"dtcs->", Source::DqtEncode, Source::None},
    {"dtcs->dtcs", Source::DqtEncode, Source::DqtDecode},
}};

// Reads one data row; the first fault found ends the reading.
class RowReader {
public:
    RowReader(const Session& s, const CsvColumns& columns, const CsvRecord& record, char delimiter)
        : s_(s), columns_(columns), record_(record), delimiter_(delimiter) {}

    CsvRowRead read(bool withLocation) {
        if (withLocation) readLocation();
        const auto rx = failed() ? std::nullopt : readRx();
        std::optional<std::string> tx;
        if (rx) tx = readTx(*rx);
        std::array<std::string, 2> tones; // decode, encode
        const bool hasTones = !failed() && columns_.has("Tone");
        if (hasTones) tones = readTones();
        if (!failed()) readChoices();
        if (failed()) return out_;
        std::vector<CsvField> fields{{K::RxFreq, FormatUnits(*rx)}};
        if (tx) fields.push_back({K::TxFreq, *tx});
        if (hasTones) fields.push_back({K::RxCode, tones[0]});
        // An encode tone without a transmit frequency would be sent nowhere.
        if (hasTones && !(tx && tx->empty())) fields.push_back({K::TxCode, tones[1]});
        fields.insert(fields.end(), out_.fields.begin(), out_.fields.end());
        out_.fields = std::move(fields);
        return out_;
    }

private:
    std::string cell(std::string_view name) const {
        return columns_.cell(record_, name).value_or(std::string());
    }
    bool failed() const { return out_.skip.has_value(); }
    void fail(CsvSkip why, std::string detail) {
        if (failed()) return;
        out_.skip = why;
        out_.detail = std::move(detail);
    }

    // A number, with a decimal comma where the file is not comma-separated.
    std::optional<Decimal> number(std::string_view column, const std::string& text) {
        std::string point = text;
        if (delimiter_ != ',') std::replace(point.begin(), point.end(), ',', '.');
        auto d = ParseDecimal(point);
        if (!d) fail(CsvSkip::BadNumber, Quoted(column, text));
        return d;
    }

    void readLocation() {
        const std::string text = cell("Location");
        const auto d = number("Location", text);
        if (!d) return;
        const std::int64_t n = ScaledValue(*d, 0);
        if (!ExactAt(*d, 0) || n < 1 || n > 16)
            return fail(CsvSkip::NoSuchChannel, Quoted("Location", text));
        out_.location = static_cast<int>(n);
    }

    // The frequency against the band and its raster, by the rules of a typed frequency.
    bool check(std::int64_t units, bool exact, const std::string& detail) {
        bool outside = false;
        const std::string shown = FormatUnits(units);
        const std::string checked = CheckedFreq(s_.BandLow, s_.BandHigh, shown, &outside);
        if (outside) fail(CsvSkip::OutsideBand, detail);
        if (!exact || checked != shown) fail(CsvSkip::OffRaster, detail);
        return !failed();
    }

    std::optional<std::int64_t> readRx() {
        const std::string text = cell("Frequency");
        const auto d = number("Frequency", text);
        if (!d) return std::nullopt;
        const std::int64_t units = ScaledValue(*d, 5);
        rxExact_ = ExactAt(*d, 5);
        if (!check(units, rxExact_, Quoted("Frequency", text))) return std::nullopt;
        return units;
    }

    // The transmit frequency text ("" for none), or nullopt when the file does not carry it.
    std::optional<std::string> readTx(std::int64_t rx) {
        if (!columns_.has("Duplex")) return std::nullopt;
        const std::string duplex = cell("Duplex");
        const std::string mode = AsciiLower(duplex);
        if (mode.empty()) return FormatUnits(rx);
        if (mode == "off") return std::string();
        if (mode != "+" && mode != "-" && mode != "split") {
            fail(CsvSkip::UnknownDuplex, Quoted("Duplex", duplex));
            return std::nullopt;
        }
        const std::string offsetText = cell("Offset");
        const auto offset = offsetText.empty() && mode != "split" ? ParseDecimal("0")
                                                                  : number("Offset", offsetText);
        if (!offset) return std::nullopt;
        const std::int64_t d = ScaledValue(*offset, 5);
        const std::int64_t tx = mode == "split" ? d : mode == "+" ? rx + d : rx - d;
        const bool exact = ExactAt(*offset, 5) && (mode == "split" || rxExact_);
        if (!check(tx, exact, "TX " + FormatUnits(tx))) return std::nullopt;
        return FormatUnits(tx);
    }

    std::string qtTone(std::string_view column) {
        const std::string text = cell(column);
        const auto d = number(column, text);
        if (!d) return {};
        const std::int64_t tenths = ScaledValue(*d, 1);
        const std::string value = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
        const auto& list = ToneList(s_.CurLanguage);
        if (!ExactAt(*d, 1) || d->negative ||
            std::find(list.begin() + FirstQt, list.begin() + FirstDqt, value) ==
                list.begin() + FirstDqt)
            fail(CsvSkip::ToneNotOffered, Quoted(column, text));
        return value;
    }

    std::string dqtTone(std::string_view column, char polarity) {
        const std::string text = cell(column);
        std::string digits = text.substr(std::min(text.find_first_not_of('0'), text.size()));
        if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos) {
            fail(CsvSkip::BadNumber, Quoted(column, text));
            return {};
        }
        if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
        const std::string value = "D" + digits + (polarity == 'R' ? "I" : "N");
        const auto& list = ToneList(s_.CurLanguage);
        if (std::find(list.begin() + FirstDqt, list.end(), value) == list.end())
            fail(CsvSkip::ToneNotOffered, Quoted(column, text));
        return value;
    }

    std::string toneFrom(Source source, char polarity) {
        switch (source) {
        case Source::QtEncode:
            return qtTone("rToneFreq");
        case Source::QtDecode:
            return qtTone("cToneFreq");
        case Source::DqtEncode:
            return dqtTone("DtcsCode", polarity);
        case Source::DqtDecode:
            // Files without the column keep one code for both ways.
            return dqtTone(columns_.has("RxDtcsCode") ? "RxDtcsCode" : "DtcsCode", polarity);
        case Source::None:
            break;
        }
        return ToneList(s_.CurLanguage)[0];
    }

    // Decode and encode tone texts from the tone mode and the columns it uses.
    std::array<std::string, 2> readTones() {
        const std::string tone = cell("Tone");
        CrossRow row{"", Source::None, Source::None};
        const std::string mode = AsciiLower(tone);
        if (mode == "tone")
            row = {"", Source::QtEncode, Source::None};
        else if (mode == "tsql")
            row = {"", Source::QtDecode, Source::QtDecode};
        else if (mode == "dtcs")
            row = {"", Source::DqtEncode, Source::DqtEncode};
        else if (mode == "cross")
            row = crossMode();
        else if (!mode.empty())
            fail(CsvSkip::UnknownTone, Quoted("Tone", tone));
        const std::string polarity = readPolarity(row);
        if (failed()) return {};
        const std::string tx = toneFrom(row.tx, polarity[0]);
        const std::string rx = toneFrom(row.rx, polarity[1]);
        return {rx, tx};
    }

    CrossRow crossMode() {
        const auto text = columns_.cell(record_, "CrossMode");
        const std::string mode = AsciiLower(text && !text->empty() ? *text : "Tone->Tone");
        for (const CrossRow& r : CrossModes)
            if (mode == r.name) return r;
        fail(CsvSkip::UnknownTone, Quoted("CrossMode", text.value_or("")));
        return {"", Source::None, Source::None};
    }

    // "NN" unless a DQT code is used and the column says otherwise.
    std::string readPolarity(const CrossRow& row) {
        const bool dqt = row.tx == Source::DqtEncode || row.rx == Source::DqtDecode ||
                         row.rx == Source::DqtEncode;
        const std::string text = AsciiUpper(cell("DtcsPolarity"));
        if (!dqt || text.empty()) return "NN";
        if (text.size() != 2 || text.find_first_not_of("NR") != std::string::npos) {
            fail(CsvSkip::BadPolarity, Quoted("DtcsPolarity", cell("DtcsPolarity")));
            return "NN";
        }
        return text;
    }

    void readChoices() {
        const int lang = s_.CurLanguage;
        if (columns_.has("Power")) {
            const bool low = IsLowPower(cell("Power"), delimiter_);
            out_.fields.push_back({K::TxPower, ChannelValueText(K::TxPower, low ? 0 : 1, lang)});
        }
        if (columns_.has("Skip")) {
            const bool skipped = AsciiLower(cell("Skip")) == "s";
            out_.fields.push_back(
                {K::ScanAdd, ChannelValueText(K::ScanAdd, skipped ? 0 : 1, lang)});
        }
        const std::string mode = cell("Mode");
        if (mode.empty()) return;
        const std::string m = AsciiLower(mode);
        if (m != "fm" && m != "nfm") return fail(CsvSkip::UnknownMode, Quoted("Mode", mode));
        out_.fields.push_back(
            {K::WideNarrow, ChannelValueText(K::WideNarrow, m == "fm" ? 1 : 0, lang)});
    }

    const Session& s_;
    const CsvColumns& columns_;
    const CsvRecord& record_;
    char delimiter_;
    bool rxExact_ = true;
    CsvRowRead out_;
};

} // namespace

CsvColumns::CsvColumns(const std::vector<std::string>& header) {
    for (std::size_t i = 0; i < header.size(); ++i)
        index_.emplace(AsciiLower(header[i]), i); // the first of two equal names counts
}

bool CsvColumns::has(std::string_view name) const {
    return index_.count(AsciiLower(name)) != 0;
}

std::optional<std::string> CsvColumns::cell(const CsvRecord& record, std::string_view name) const {
    const auto it = index_.find(AsciiLower(name));
    if (it == index_.end()) return std::nullopt;
    return it->second < record.fields.size() ? record.fields[it->second] : std::string();
}

CsvRowRead ReadCsvRow(const Session& s, const CsvColumns& columns, const CsvRecord& record,
                      char delimiter, bool readLocation) {
    return RowReader(s, columns, record, delimiter).read(readLocation);
}

} // namespace rv
