#pragma once

#include <string>
#include <string_view>

// Small text helpers every layer needs, for ASCII text (stored fields, keys, codes).

namespace rv {

/// `s` without the characters of `blanks` at both ends.
std::string_view TrimBlanks(std::string_view s, std::string_view blanks = " ");

/// ASCII letters in lower or upper case; every other byte as it is.
std::string AsciiLower(std::string_view s);
std::string AsciiUpper(std::string_view s);

/// The value of a hexadecimal digit (either case), or -1.
int HexDigit(char c);

/// `text` with its marks %1, %2 ... replaced by the numbers in that order.
template <class... Numbers> std::string Filled(std::string text, Numbers... numbers) {
    std::size_t n = 0;
    for (const std::string& value : {std::to_string(numbers)...}) {
        const std::string mark = "%" + std::to_string(++n);
        if (const auto at = text.find(mark); at != std::string::npos)
            text.replace(at, mark.size(), value);
    }
    return text;
}

} // namespace rv
