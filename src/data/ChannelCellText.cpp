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

// "one of: High, Low" in both languages, from the texts each language offers.
LangText ListRule(const std::vector<std::string>& en, const std::vector<std::string>& zh) {
    const auto join = [](const std::vector<std::string>& v) {
        std::string out;
        for (const auto& t : v)
            out += (out.empty() ? "" : ", ") + t;
        return out;
    };
    LangText rule = OneOfRule;
    for (auto [i, list] : {std::pair{1, &en}, std::pair{2, &zh}}) {
        std::string& r = rule[static_cast<std::size_t>(i)];
        r.replace(r.find("%s"), 2, join(*list));
    }
    return rule;
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

CellReading ReadChoice(const Session& s, K kind, std::string_view text) {
    for (const auto& c : ChannelChoices(kind))
        if (SameLetters(text, c.text[1]) || text == c.text[2])
            return {true, ChannelValueText(kind, c.value, s.CurLanguage), {}};
    return {
        false, {}, ListRule(ChannelChoiceTexts(kind, English), ChannelChoiceTexts(kind, Chinese))};
}

CellReading ReadSpUnmute(const Session& s, std::string_view text) {
    std::vector<std::string> en, zh;
    for (int v = 0; v < 3; ++v)
        for (const bool decode : {false, true}) {
            const std::string e = SpUnmuteText(v, decode, English);
            const std::string z = SpUnmuteText(v, decode, Chinese);
            if (SameLetters(text, e) || text == z)
                return {true, SpUnmuteText(v, decode, s.CurLanguage), {}};
            en.push_back(e);
            zh.push_back(z);
        }
    return {false, {}, ListRule(en, zh)};
}

CellReading ReadDigit(std::string_view text, char low, char high) {
    if (text.size() == 1 && text[0] >= low && text[0] <= high) return {true, std::string(text), {}};
    std::vector<std::string> values;
    for (char c = low; c <= high; ++c)
        values.emplace_back(1, c);
    return {false, {}, ListRule(values, values)};
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
    case K::SpUnmute:
        return ReadSpUnmute(s, text);
    case K::AutodialMem:
        return ReadDigit(text, '1', '8');
    case K::BeatShift:
    case K::Compander:
    case K::ScanAddCheck:
        return ReadDigit(text, '0', '1');
    default:
        return ReadChoice(s, kind, text);
    }
}

} // namespace rv
