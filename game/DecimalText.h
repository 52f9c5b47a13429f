#pragma once

// Decimal text of doubles, the same in every build: through std::to_chars and
// std::from_chars where the standard library has them for floating point; in
// WebAssembly (whose libc++ 13 has not) through the browser's own conversions
// (DecimalText.js); otherwise through the portable versions below. None depends on the
// locale.

#include <string>
#include <string_view>

namespace game {

/// The shortest text that reads back as `value`, as std::to_chars writes it without a
/// format: fixed notation ("0.001", "2.5", "123456789012345683968") unless scientific
/// notation ("1e+22", "1e-05", "5e-324") is shorter. "inf", "-inf", "nan" for the rest.
std::string shortestText(double value);

/// The double nearest to `text`, which has the form [+|-]digits[.digits][e[+|-]digits]
/// with at least one digit before the exponent (reading stops at anything else); halves
/// round to even. Beyond the largest double it is ±infinity, below the smallest ±0.
double readDecimal(std::string_view text);

namespace portable {

/// shortestText and readDecimal built on snprintf and strtod, for libraries without
/// floating-point std::to_chars and std::from_chars.
std::string shortestText(double value);
double readDecimal(std::string_view text);

} // namespace portable

} // namespace game
