#pragma once

// Decimal text of doubles, the same in every build and every locale. The texts are laid
// out here, once; the digits come from a platform's own conversions (NumberConversions):
// the standard library's where it has them for floating point, the C library's
// otherwise, and in the browser the browser's, which the page gives the game.

#include <optional>
#include <string>
#include <string_view>

namespace game {

/// The three conversions of numbers that the decimal texts are made from. None may
/// depend on the locale.
class NumberConversions {
public:
    virtual ~NumberConversions() = default;

    /// The fewest significant digits that read back as `value` (positive, finite), the
    /// nearest to it where several do, as an exponential text: the digits, with or
    /// without a point among them (any character but a digit or 'e'), then 'e' and the
    /// power of ten ("1.5e+00", "15e-1", "1e22").
    virtual std::string shortestExponential(double value) const = 0;

    /// Every digit of the exact value of `value`, a positive finite whole number.
    virtual std::string wholeDigits(double value) const = 0;

    /// The double nearest to `plain`, "[-]digitse[-]digits", halves to even; nothing
    /// where it lies beyond the range of doubles, above or below.
    virtual std::optional<double> readPlain(const std::string& plain) const = 0;
};

/// The standard library's conversions where it has them for floating point
/// (std::to_chars, std::from_chars), otherwise portableConversions().
const NumberConversions& standardConversions();

/// Conversions built on snprintf and strtod alone, for libraries without floating-point
/// std::to_chars and std::from_chars.
const NumberConversions& portableConversions();

/// The shortest text that reads back as `value`, as std::to_chars writes it without a
/// format: fixed notation ("0.001", "2.5", "123456789012345683968") unless scientific
/// notation ("1e+22", "1e-05", "5e-324") is shorter. "inf", "-inf", "nan" for the rest.
std::string shortestText(double value, const NumberConversions& conversions);

/// The double nearest to `text`, which has the form [+|-]digits[.digits][e[+|-]digits]
/// with at least one digit before the exponent (reading stops at anything else); halves
/// round to even. Beyond the largest double it is ±infinity, below the smallest ±0.
double readDecimal(std::string_view text, const NumberConversions& conversions);

} // namespace game
