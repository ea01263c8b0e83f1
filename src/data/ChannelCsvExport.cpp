#include "ChannelCsv.h"

#include "Conversions.h"
#include "Csv.h"
#include "Decimal.h"

#include <cstdio>

namespace rv {

namespace {

enum Col {
    Location,
    Name,
    Frequency,
    Duplex,
    Offset,
    Tone,
    RToneFreq,
    CToneFreq,
    DtcsCode,
    DtcsPolarity,
    RxDtcsCode,
    CrossMode,
    Mode,
    TStep,
    Skip,
    Power,
    ColumnCount = 21
};

constexpr std::int64_t MaxRepeaterShift = 1'000'000; // 10 MHz in 10 Hz units

// A tone as the layout sees it: none, a QT frequency or a DQT code with its polarity.
struct CsvTone {
    enum Type { None, Qt, Dqt } type = None;
    std::string value; ///< "88.5" or "023"
    char polarity = 'N';
    bool operator==(const CsvTone&) const = default;
};

CsvTone ToneOf(const Session& s, std::string_view code) {
    const std::string text = ToneToText(s, code);
    if (text == ToneList(s.CurLanguage)[0]) return {};
    const bool dqt = text.size() == 5 && text[0] == 'D' && (text[4] == 'N' || text[4] == 'I');
    if (dqt) return {CsvTone::Dqt, text.substr(1, 3), text[4] == 'N' ? 'N' : 'R'};
    return {CsvTone::Qt, text, 'N'};
}

// Frequency in 10 Hz units as MHz with six decimals: 44600625 gives 446.006250.
std::string Mhz6(std::int64_t units) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%lld.%05lld0", static_cast<long long>(units / 100000),
                  static_cast<long long>(units % 100000));
    return buf;
}

std::int64_t UnitsOf(const Session& s, std::string_view storage) {
    const auto d = ParseDecimal(StorageToFreq(s, storage));
    return d ? ScaledValue(*d, 5) : 0;
}

void PutFrequencies(const Session& s, const ChannelInfo& ch, std::vector<std::string>& row) {
    const std::int64_t rx = UnitsOf(s, ch.RxFreq.get());
    row[Frequency] = Mhz6(rx);
    row[Offset] = Mhz6(0);
    if (!HasFrequency(ch.TxFreq.get())) {
        row[Duplex] = "off";
        return;
    }
    const std::int64_t tx = UnitsOf(s, ch.TxFreq.get());
    const std::int64_t shift = tx > rx ? tx - rx : rx - tx;
    if (shift == 0) return;
    if (shift > MaxRepeaterShift) {
        row[Duplex] = "split";
        row[Offset] = Mhz6(tx);
        return;
    }
    row[Duplex] = tx > rx ? "+" : "-";
    row[Offset] = Mhz6(shift);
}

// The tone mode from decode and encode, with the columns it uses.
void PutTones(const CsvTone& rx, const CsvTone& tx, std::vector<std::string>& row) {
    row[Tone] = "Cross";
    row[DtcsPolarity] = {tx.polarity, rx.polarity};
    if (rx.type == CsvTone::None && tx.type == CsvTone::None) {
        row[Tone].clear();
    } else if (rx.type == CsvTone::None && tx.type == CsvTone::Qt) {
        row[Tone] = "Tone";
        row[RToneFreq] = tx.value;
    } else if (rx == tx && rx.type == CsvTone::Qt) {
        row[Tone] = "TSQL";
        row[CToneFreq] = rx.value;
    } else if (rx == tx) {
        row[Tone] = "DTCS";
        row[DtcsCode] = rx.value;
    } else {
        static const char* const Names[] = {"", "Tone", "DTCS"};
        row[CrossMode] = std::string(Names[tx.type]) + "->" + Names[rx.type];
        (tx.type == CsvTone::Dqt ? row[DtcsCode] : row[RToneFreq]) = tx.value;
        (rx.type == CsvTone::Dqt ? row[RxDtcsCode] : row[CToneFreq]) = rx.value;
    }
}

// Unused tone columns carry the values the community tools write there.
void FillToneDefaults(std::vector<std::string>& row) {
    const std::pair<Col, const char*> defaults[] = {
        {RToneFreq, "88.5"}, {CToneFreq, "88.5"},       {DtcsCode, "023"},
        {RxDtcsCode, "023"}, {CrossMode, "Tone->Tone"},
    };
    for (const auto& [col, value] : defaults)
        if (row[col].empty()) row[col] = value;
}

std::vector<std::string> RowOf(const Session& s, const ChannelInfo& ch) {
    std::vector<std::string> row(ColumnCount);
    char name[16];
    std::snprintf(name, sizeof name, "CH%02d", ch.ChNo);
    row[Location] = std::to_string(ch.ChNo);
    row[Name] = name;
    PutFrequencies(s, ch, row);
    const CsvTone none{};
    const CsvTone tx = HasFrequency(ch.TxFreq.get()) ? ToneOf(s, ch.TxCode.get()) : none;
    PutTones(ToneOf(s, ch.RxCode.get()), tx, row);
    FillToneDefaults(row);
    row[Mode] = ch.WideNarrow == 0 ? "NFM" : "FM";
    const std::int64_t rx = UnitsOf(s, ch.RxFreq.get());
    row[TStep] = rx % 500 != 0 && rx % 625 == 0 ? "6.25" : "5.00";
    row[Skip] = ch.ScanAdd == 0 ? "S" : "";
    row[Power] = ch.TxPower == 0 ? "Low" : "High";
    return row;
}

} // namespace

const std::vector<std::string>& CsvHeader() {
    static const std::vector<std::string> header{
        "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
        "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
        "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};
    return header;
}

std::string ExportChannelsCsv(const Session& s) {
    std::string text = CsvLine(CsvHeader());
    for (int n = 1; n <= static_cast<int>(s.Doc.Channels.size()); ++n)
        if (const ChannelInfo* ch = ChannelOf(s.Doc, n)) text += CsvLine(RowOf(s, *ch));
    return text;
}

} // namespace rv
