#pragma once

#include "Strings.h"
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rv {

/// A decimal number as typed: sign, integer digits and fraction digits, parsed without
/// any locale (the point is always the separator).
struct Decimal {
    bool negative = false;
    std::string intDigits;
    std::string fracDigits;
};

/// Blanks, optional sign, digits with at most one point, blanks; at least one digit.
std::optional<Decimal> ParseDecimal(std::string_view text);

/// The value in units of 10^-places, rounded to the nearest unit with halves to even.
/// Saturates far beyond any frequency instead of overflowing.
std::int64_t ScaledValue(const Decimal& d, int places);

/// The number in 10 Hz units (MHz x 100000) formatted "000.00000".
std::string FormatUnits(std::int64_t units);

/// A whole number of MHz or any double in its shortest decimal form (400, 245.5).
std::string ShortestText(double v);

} // namespace rv
