#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace rv {

/// A fixed-width text field of exactly N single-byte characters, kept byte for byte
/// as it stands in the data file.
template <std::size_t N> struct Text {
    std::array<char, N> raw{};

    /// Plain fixed-width assignment: the value, cut at N, padded with blanks.
    void assign(std::string_view v) {
        const std::size_t n = std::min(v.size(), N);
        std::copy_n(v.data(), n, raw.begin());
        std::fill(raw.begin() + static_cast<std::ptrdiff_t>(n), raw.end(), ' ');
    }

    /// Stores a value the usual way: the value, one NUL, blanks (no NUL when it fills N).
    void set(std::string_view v) {
        if (v.size() < N) {
            std::string s(v);
            s.push_back('\0');
            assign(s);
        } else {
            assign(v);
        }
    }

    /// The value read back: blanks trimmed, then one trailing NUL dropped. Anything from
    /// a further NUL on is padding, not text, and is cut as well.
    std::string get() const {
        std::string s(raw.begin(), raw.end());
        const auto first = s.find_first_not_of(' ');
        if (first == std::string::npos) return {};
        const auto last = s.find_last_not_of(' ');
        s = s.substr(first, last - first + 1);
        if (!s.empty() && s.back() == '\0') s.pop_back();
        const auto nul = s.find('\0');
        if (nul != std::string::npos) s.resize(nul);
        return s;
    }

    /// Whether `v` fits the field without being cut.
    static constexpr bool fits(std::string_view v) { return v.size() <= N; }

    /// The full fixed-width content, padding included.
    std::string_view full() const { return {raw.data(), N}; }

    static constexpr std::size_t size() { return N; }
    bool operator==(const Text&) const = default;
};

} // namespace rv
