#include "Conversions.h"
#include "Strings.h"

#include "Decimal.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace rv {

namespace {

constexpr std::array<const char*, 39> QtTones{
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "162.2", "167.9", "173.8", "179.9",
    "186.2", "192.8", "203.5", "210.7", "218.1", "225.7", "233.6", "241.8", "250.3"};

constexpr std::array<const char*, 83> DqtCodes{
    "023", "025", "026", "031", "032", "043", "047", "051", "054", "065", "071", "072",
    "073", "074", "114", "115", "116", "125", "131", "132", "134", "143", "152", "155",
    "156", "162", "165", "172", "174", "205", "223", "226", "243", "244", "245", "251",
    "261", "263", "265", "271", "306", "311", "315", "331", "343", "346", "351", "364",
    "365", "371", "411", "412", "413", "423", "431", "432", "445", "464", "465", "466",
    "503", "506", "516", "532", "546", "565", "606", "612", "624", "627", "631", "632",
    "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

constexpr int FirstNormal = 39;    // ToneList index of DQT position p (1..83) is 39 + p
constexpr int FirstInverted = 122; // and 122 + p for the inverted half

std::vector<std::string> BuildToneList(const char* noneWord) {
    std::vector<std::string> list{noneWord};
    for (const char* t : QtTones)
        list.emplace_back(t);
    for (const char* c : DqtCodes)
        list.push_back(std::string("D") + c + "N");
    for (const char* c : DqtCodes)
        list.push_back(std::string("D") + c + "I");
    return list;
}

std::optional<unsigned> HexValue(std::string_view s) {
    if (s.empty() || s.size() > 4) return std::nullopt;
    unsigned v = 0;
    for (char c : s) {
        const int digit = HexDigit(c);
        if (digit < 0) return std::nullopt;
        v = v * 16 + static_cast<unsigned>(digit);
    }
    return v;
}

std::string Hex4(unsigned v) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%04X", v & 0xFFFF);
    return buf;
}

// Position 1..83 of the first table entry at or above the code value; the last when none is.
int DqtPosition(const DqtTable& table, int codeValue) {
    for (int p = 1; p <= 83; ++p)
        if (table[p - 1] >= codeValue) return p;
    return 83;
}

} // namespace

const std::vector<std::string>& ToneList(int language) {
    static const std::vector<std::string> english = BuildToneList("None");
    static const std::vector<std::string> chinese = BuildToneList("无");
    return language == Chinese ? chinese : english;
}

std::string ToneToText(const Session& s, std::string_view code) {
    const std::string c = AsciiUpper(TrimBlanks(code.substr(0, code.find('\0'))));
    const auto& list = ToneList(s.CurLanguage);
    if (c.empty() || c == "FFFF") return list[0];
    const auto value = HexValue(c);
    if (!value) return c; // a damaged code is shown as it stands
    const unsigned prefix = *value >> 8;
    if (c.size() == 4 && (prefix == 0x28 || prefix == 0x29 || prefix == 0xA8 || prefix == 0xA9)) {
        const int codeValue = static_cast<int>(*value & 0x1FF);
        const int p = DqtPosition(s.Dqt, codeValue);
        return list[(prefix & 0x80) ? FirstInverted + p : FirstNormal + p];
    }
    const unsigned tenths = *value;
    return (tenths >= 10 ? std::to_string(tenths / 10) : std::string()) + "." +
           std::to_string(tenths % 10);
}

std::string TextToTone(const Session& s, std::string_view text) {
    const std::string t(TrimBlanks(text));
    if (t.empty()) return {};
    if (t == ToneList(English)[0] || t == ToneList(Chinese)[0]) return "FFFF";
    const auto& list = ToneList(English);
    const char last = t.back();
    if (last == 'N' || last == 'I') {
        const int first = last == 'N' ? FirstNormal : FirstInverted;
        int p = 83;
        for (int i = 1; i <= 83; ++i)
            if (list[first + i] == t) {
                p = i;
                break;
            }
        const unsigned base = last == 'N' ? 0x2800 : 0xA800;
        return Hex4(base + static_cast<unsigned>(s.Dqt[p - 1]));
    }
    // A QT value: tenths of a hertz, any further decimals dropped.
    const auto number = ParseDecimal(t);
    if (!number || number->negative) return {};
    Decimal tenths = *number;
    tenths.fracDigits =
        tenths.fracDigits.substr(0, std::min<std::size_t>(1, tenths.fracDigits.size()));
    const auto v = ScaledValue(tenths, 1);
    if (v > 0xFFFF) return {};
    return Hex4(static_cast<unsigned>(v));
}

} // namespace rv
