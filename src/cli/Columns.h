#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace rv::cli {

/// The columns a UTF-8 text takes on a terminal: two for each CJK character, one otherwise.
inline std::size_t ShownWidth(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) == 0x80) continue;
        // A three-byte sequence from U+2E80 on is a wide character (CJK, full-width forms).
        width += c >= 0xE2 && c < 0xF0 &&
                         !(c == 0xE2 && i + 1 < text.size() &&
                           static_cast<unsigned char>(text[i + 1]) < 0xBA)
                     ? 2
                     : 1;
    }
    return width;
}

/// Rows (the header first) as aligned text: each column as wide as its widest cell, `empty`
/// for an empty cell, no spaces at the end of a line.
inline std::string TableText(std::vector<std::vector<std::string>> rows,
                             std::string_view empty = "-") {
    std::vector<std::size_t> widths;
    for (auto& row : rows)
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (row[i].empty()) row[i] = empty;
            if (widths.size() <= i) widths.resize(i + 1);
            widths[i] = std::max(widths[i], ShownWidth(row[i]));
        }
    std::string text;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i)
            line += row[i] + std::string(widths[i] - ShownWidth(row[i]) + 2, ' ');
        text += line.substr(0, line.find_last_not_of(' ') + 1) + '\n';
    }
    return text;
}

} // namespace rv::cli
