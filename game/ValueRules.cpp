#include "ValueRules.h"

#include "DecimalText.h"
#include "RuntimeError.h"

#include <cmath>
#include <limits>
#include <string>

namespace game {

namespace {

// Rounds to the nearest whole number, halves to the even neighbour.
double roundHalfEven(double value) {
    const double down = std::floor(value);
    const double diff = value - down;
    if (diff > 0.5) {
        return down + 1.0;
    }
    if (diff < 0.5) {
        return down;
    }
    return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

std::int32_t toWhole32(double value) {
    const double whole = roundHalfEven(value);
    if (!(whole >= std::numeric_limits<std::int32_t>::min() &&
          whole <= std::numeric_limits<std::int32_t>::max())) {
        throw RuntimeError(RuntimeError::Overflow);
    }
    return static_cast<std::int32_t>(whole);
}

bool isBlank(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r';
}
bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

} // namespace

std::int32_t wholeRemainder(double dividend, double divisor) {
    const std::int64_t a = toWhole32(dividend);
    const std::int64_t b = toWhole32(divisor);
    if (b == 0) {
        throw RuntimeError(RuntimeError::DivisionByZero);
    }
    // In 64 bits, so that the minimum modulo -1 cannot overflow; C++ keeps the
    // dividend's sign like the rules want.
    return static_cast<std::int32_t>(a % b);
}

std::int32_t drawIndex(float random, std::int32_t lastIndex) {
    const float scaled = std::floor(random * 1000.0f);
    return wholeRemainder(scaled, lastIndex);
}

std::int16_t marqueeWidth(std::size_t marqueeLength) {
    const double width = roundHalfEven(static_cast<double>(marqueeLength) / 2.0);
    if (width > std::numeric_limits<std::int16_t>::max()) {
        throw RuntimeError(RuntimeError::Overflow);
    }
    return static_cast<std::int16_t>(width);
}

std::int16_t incrementChecked(std::int16_t count) {
    if (count == std::numeric_limits<std::int16_t>::max()) {
        throw RuntimeError(RuntimeError::Overflow);
    }
    return static_cast<std::int16_t>(count + 1);
}

double leadingNumber(TextView text, const NumberConversions& conversions) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    // Collect the longest prefix of the form [sign] digits [. digits] [e [sign] digits].
    std::string number;
    auto takeDigits = [&] {
        std::size_t count = 0;
        while (i < text.size() && isDigit(text[i])) {
            number += static_cast<char>(text[i++]);
            ++count;
        }
        return count;
    };
    if (i < text.size() && (text[i] == U'+' || text[i] == U'-')) {
        number += static_cast<char>(text[i++]);
    }
    std::size_t digits = takeDigits();
    if (i < text.size() && text[i] == U'.') {
        number += '.';
        ++i;
        digits += takeDigits();
    }
    if (digits == 0) {
        return 0.0;
    }
    if (i < text.size() &&
        (text[i] == U'e' || text[i] == U'E' || text[i] == U'd' || text[i] == U'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == U'+' || text[j] == U'-')) {
            exponent += static_cast<char>(text[j++]);
        }
        const std::size_t firstDigit = j;
        while (j < text.size() && isDigit(text[j])) {
            exponent += static_cast<char>(text[j++]);
        }
        if (j > firstDigit) {
            number += exponent;
        }
    }
    const double value = readDecimal(number, conversions);
    if (std::isinf(value)) {
        throw RuntimeError(RuntimeError::Overflow);
    }
    return value; // too small reads as 0
}

Text shortestDecimal(double value, const NumberConversions& conversions) {
    if (!std::isfinite(value)) {
        throw RuntimeError(RuntimeError::Overflow);
    }
    if (value == 0.0) {
        value = 0.0; // no "-0"
    }
    const std::string text = shortestText(value, conversions);
    return Text(text.begin(), text.end());
}

Text upperCase(TextView text) {
    Text upper(text);
    for (char32_t& c : upper) {
        if ((c >= U'a' && c <= U'z') || (c >= U'а' && c <= U'я')) {
            c -= 0x20; // a-z -> A-Z, а-я -> А-Я
        } else if (c >= U'ѐ' && c <= U'џ') {
            c -= 0x50; // ѐ-џ -> Ѐ-Џ
        } else if (c == U'ґ') {
            c = U'Ґ';
        }
    }
    return upper;
}

} // namespace game
