#include "Decimal.h"

#include <charconv>
#include <cstdio>

namespace rv {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TakeDigits(std::string_view& s) {
    std::size_t n = 0;
    while (n < s.size() && IsDigit(s[n]))
        ++n;
    const auto digits = s.substr(0, n);
    s.remove_prefix(n);
    return digits;
}

// Rounds up when the dropped digits exceed one half, or are exactly one half and the
// kept value is odd.
bool RoundsUp(std::string_view dropped, std::int64_t kept) {
    if (dropped.empty() || dropped[0] < '5') return false;
    if (dropped[0] > '5') return true;
    if (dropped.substr(1).find_first_not_of('0') != std::string_view::npos) return true;
    return kept % 2 != 0;
}

} // namespace

std::optional<Decimal> ParseDecimal(std::string_view text) {
    std::string_view s = TrimBlanks(text);
    Decimal d;
    if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
        d.negative = s[0] == '-';
        s.remove_prefix(1);
    }
    d.intDigits = std::string(TakeDigits(s));
    if (!s.empty() && s[0] == '.') {
        s.remove_prefix(1);
        d.fracDigits = std::string(TakeDigits(s));
    }
    if (!s.empty() || (d.intDigits.empty() && d.fracDigits.empty())) return std::nullopt;
    return d;
}

std::int64_t ScaledValue(const Decimal& d, int places) {
    constexpr std::int64_t Limit = 1'000'000'000'000'000LL;
    std::int64_t v = 0;
    for (char c : d.intDigits) {
        v = v * 10 + (c - '0');
        if (v > Limit) return d.negative ? -Limit : Limit;
    }
    std::string_view frac = d.fracDigits;
    for (int i = 0; i < places; ++i) {
        v = v * 10 + (i < static_cast<int>(frac.size()) ? frac[i] - '0' : 0);
        if (v > Limit) return d.negative ? -Limit : Limit;
    }
    if (frac.size() > static_cast<std::size_t>(places) && RoundsUp(frac.substr(places), v)) ++v;
    return d.negative ? -v : v;
}

std::string FormatUnits(std::int64_t units) {
    const bool negative = units < 0;
    const std::int64_t a = negative ? -units : units;
    char buf[48];
    std::snprintf(buf, sizeof buf, "%s%03lld.%05lld", negative ? "-" : "",
                  static_cast<long long>(a / 100000), static_cast<long long>(a % 100000));
    return buf;
}

std::string ShortestText(double v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

} // namespace rv
