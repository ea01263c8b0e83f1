#include "ChannelCellText.h"
#include "Strings.h"

#include "Conversions.h"
#include "Decimal.h"

#include <algorithm>
#include <cstdint>

namespace rv {

namespace {

using K = ChannelFieldKind;

const LangText FrequencyRule{"a frequency of the band in MHz, digits and one point, at most "
                             "9 characters (446.00625)",
                             "本频段内以 MHz 为单位的频率，数字和一个小数点，最多 9 个字符"
                             "（446.00625）"};
const LangText ToneRule{"a tone of the list: None, a QT tone (67.0) or a DQT code (D023N)",
                        "列表中的亚音：无、QT 亚音（67.0）或 DQT 码（D023N）"};
const LangText OneOfRule{"one of: %s", "以下之一：%s"};

bool SameLetters(std::string_view a, std::string_view b) {
    return AsciiUpper(a) == AsciiUpper(b);
}

CellReading ReadFrequency(const Session& s, std::string_view text) {
    const bool digits = std::all_of(text.begin(), text.end(),
                                    [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
    const auto number = digits && text.size() <= 9 ? ParseDecimal(text) : std::nullopt;
    if (number) {
        const std::int64_t units = ScaledValue(*number, 5);
        const auto limit = [](double mhz) { return static_cast<std::int64_t>(mhz * 100000 + 0.5); };
        if (units >= limit(s.BandLow) && units <= limit(s.BandHigh))
            return {true, std::string(text), {}};
    }
    return {false, {}, FrequencyRule};
}

// The entries a cell takes, in list order: the list texts, the speaker unmute texts of
// both decode settings, or the digits from `low` to `high`.
std::vector<LangText> CellEntries(K kind) {
    std::vector<LangText> out;
    const char low = kind == K::AutodialMem ? '1' : '0';
    const char high = kind == K::AutodialMem ? '8' : '1';
    if (kind == K::SpUnmute) {
        for (int v = 0; v < 3; ++v)
            for (const bool decode : {false, true})
                out.push_back({SpUnmuteText(v, decode, English), SpUnmuteText(v, decode, Chinese)});
    } else if (ChannelChoices(kind).empty()) {
        for (char c = low; c <= high; ++c)
            out.push_back({std::string(1, c), std::string(1, c)});
    }
    for (const auto& c : ChannelChoices(kind))
        out.push_back(c.text);
    return out;
}

// A list entry in any letter case (English) or as written (Chinese); the rule lists every
// entry in both languages.
CellReading ReadEntry(const Session& s, K kind, std::string_view text) {
    const std::vector<LangText> entries = CellEntries(kind);
    LangText rule = OneOfRule;
    for (const int lang : {English, Chinese}) {
        std::string list;
        for (const LangText& e : entries) {
            if (SameLetters(text, e[English]) || text == e[Chinese])
                return {true, e[s.CurLanguage], {}};
            list += (list.empty() ? "" : ", ") + e[lang];
        }
        rule[lang].replace(rule[lang].find("%s"), 2, list);
    }
    return {false, {}, rule};
}

} // namespace

int ToneEntryOfText(std::string_view typed) {
    const std::string t = AsciiUpper(TrimBlanks(typed));
    if (t.empty()) return -1;
    for (const int lang : {English, Chinese}) {
        const auto& list = ToneList(lang);
        for (std::size_t i = 0; i < list.size(); ++i)
            if (AsciiUpper(list[i]) == t) return static_cast<int>(i);
    }
    // A QT tone written as another number of the same value: every digit after the tenths
    // must be zero, or the text names a tone that is not on the list.
    const auto number = ParseDecimal(t);
    if (!number || number->negative) return -1;
    const std::string& frac = number->fracDigits;
    if (frac.size() > 1 && frac.find_first_not_of('0', 1) != std::string::npos) return -1;
    const std::int64_t tenths = ScaledValue(*number, 1);
    const auto& list = ToneList(English);
    for (std::size_t i = 1; i < list.size(); ++i) {
        const auto entry = ParseDecimal(list[i]);
        if (entry && ScaledValue(*entry, 1) == tenths) return static_cast<int>(i);
    }
    return -1;
}

CellReading ReadChannelCell(const Session& s, ChannelFieldKind kind, std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty()) return {true, {}, {}};
    switch (kind) {
    case K::RxFreq:
    case K::TxFreq:
        return ReadFrequency(s, text);
    case K::RxCode:
    case K::TxCode: {
        const int i = ToneEntryOfText(text);
        if (i < 0) return {false, {}, ToneRule};
        return {true, ToneList(s.CurLanguage)[static_cast<std::size_t>(i)], {}};
    }
    default:
        return ReadEntry(s, kind, text);
    }
}

} // namespace rv
