#pragma once

// The arithmetic of the game's loosely typed values, in typed form: whole-number
// remainders, the word draw, the marquee width, the hit counter and the reading and
// writing of numbers in fields. Each raises RuntimeError where the rules say so.

#include "DecimalText.h"
#include "Text.h"

#include <cstdint>

namespace game {

/// Remainder of two numbers rounded to whole numbers (halves to even), with the sign
/// of the dividend. Throws DivisionByZero for a divisor that rounds to 0, Overflow for
/// an operand outside the 32-bit range.
std::int32_t wholeRemainder(double dividend, double divisor);

/// One random choice: the whole part of random * 1000 (in single precision), taken
/// modulo `lastIndex`.
std::int32_t drawIndex(float random, std::int32_t lastIndex);

/// Width of the marquee window: half the length of the marquee text, rounded to the
/// nearest 16-bit integer with halves going to the even neighbour (36.5 -> 36, 31.5 -> 32).
std::int16_t marqueeWidth(std::size_t marqueeLength);

/// `count` + 1 as a signed 16-bit integer; throws Overflow past 32767.
std::int16_t incrementChecked(std::int16_t count);

/// The number at the start of `text`: leading blanks are skipped, then the longest
/// prefix that reads as a decimal number (sign, digits, fraction, exponent) is taken;
/// 0 where there is none.
double leadingNumber(TextView text, const NumberConversions& conversions);

/// The shortest decimal text that reads back as `value`: "4", "0", "-1", "2.5".
Text shortestDecimal(double value, const NumberConversions& conversions);

/// Upper case of Latin a-z and the lower-case Cyrillic letters; other characters stay.
/// Does not depend on the locale.
Text upperCase(TextView text);

} // namespace game
