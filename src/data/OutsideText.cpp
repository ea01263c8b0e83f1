#include "OutsideText.h"

#include <cstdint>

namespace rv {

namespace {

constexpr std::string_view Replacement = "\xEF\xBF\xBD"; // U+FFFD

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// The character starting at `at` and its length in bytes; length 0 for a byte that starts
// no valid UTF-8 sequence (overlong forms and surrogates included).
std::pair<char32_t, std::size_t> DecodeAt(std::string_view s, std::size_t at) {
    const auto b0 = static_cast<std::uint8_t>(s[at]);
    if (b0 < 0x80) return {b0, 1};
    std::size_t n = b0 >= 0xF0 && b0 <= 0xF4 ? 4 : b0 >= 0xE0 ? 3 : b0 >= 0xC2 && b0 < 0xE0 ? 2 : 0;
    if (n == 0 || at + n > s.size()) return {0, 0};
    char32_t c = b0 & (0x7F >> n);
    for (std::size_t i = 1; i < n; ++i) {
        const auto b = static_cast<std::uint8_t>(s[at + i]);
        if ((b & 0xC0) != 0x80) return {0, 0};
        c = (c << 6) | (b & 0x3F);
    }
    const char32_t least = n == 2 ? 0x80 : n == 3 ? 0x800 : 0x10000;
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return {0, 0};
    return {c, n};
}

bool Hidden(char32_t c) {
    return (c >= 0x80 && c <= 0x9F) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069) || c == 0x200E || c == 0x200F || c == 0x061C;
}

bool PlainNumber(std::string_view s) {
    bool digit = false;
    for (const char c : s) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c != '.')
            return false;
    }
    return digit;
}

} // namespace

std::string ShownText(std::string_view text, std::size_t limit) {
    std::size_t total = 0;
    for (std::size_t at = 0; at < text.size(); ++total) {
        const std::size_t n = DecodeAt(text, at).second;
        at += n ? n : 1;
    }
    const std::size_t keep = limit > 0 && total > limit ? limit - 1 : total;
    std::string out;
    for (std::size_t at = 0, i = 0; i < keep; ++i) {
        const auto [c, n] = DecodeAt(text, at);
        at += n ? n : 1;
        if (n == 0 || Hidden(c))
            out += Replacement;
        else if (c < 0x20)
            AppendUtf8(out, 0x2400 + c); // the control's own picture, NUL as U+2400
        else if (c == 0x7F)
            AppendUtf8(out, 0x2421);
        else
            AppendUtf8(out, c);
    }
    return keep < total ? out + "\xE2\x80\xA6" : out;
}

std::string LogCell(std::string_view text) {
    if (text.empty()) return {};
    const char first = text.front();
    const bool formula = first == '=' || first == '+' || first == '@' || first == '\t' ||
                         first == '\r' || first == '\'' ||
                         (first == '-' && text.size() > 1 && !PlainNumber(text.substr(1)));
    return formula ? "'" + std::string(text) : std::string(text);
}

std::string CellOfLog(std::string_view cell) {
    if (cell.size() > 1 && cell.front() == '\'' && LogCell(cell.substr(1)).front() == '\'')
        cell.remove_prefix(1);
    return std::string(cell);
}

} // namespace rv
