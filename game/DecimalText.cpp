#include "DecimalText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace game {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A decimal number as its significant digits (no leading or trailing zeros) times a
// power of ten. Texts without a decimal point read the same in every locale.
struct Decimal {
    bool negative = false;
    std::string digits;
    long long exponent = 0;

    std::string plainText() const {
        return (negative ? "-" : "") + digits + "e" + std::to_string(exponent);
    }
};

Decimal scan(std::string_view text) {
    Decimal d;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        d.negative = text[i++] == '-';
    }
    bool point = false;
    bool anyDigit = false;
    long long fractionDigits = 0;
    for (; i < text.size(); ++i) {
        if (text[i] == '.' && !point) {
            point = true;
            continue;
        }
        if (!isDigit(text[i])) {
            break;
        }
        anyDigit = true;
        fractionDigits += point ? 1 : 0;
        if (!d.digits.empty() || text[i] != '0') {
            d.digits += text[i];
        }
    }
    long long exponent = 0;
    if (anyDigit && i + 1 < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        const bool negativeExponent = text[j] == '-';
        j += (text[j] == '+' || text[j] == '-') ? 1 : 0;
        // Capped far beyond the range of doubles, so that no exponent overflows.
        for (; j < text.size() && isDigit(text[j]); ++j) {
            exponent = std::min(exponent * 10 + (text[j] - '0'), 1'000'000'000'000LL);
        }
        exponent = negativeExponent ? -exponent : exponent;
    }
    const auto significant = d.digits.find_last_not_of('0') + 1; // 0 where there is none
    d.exponent = exponent - fractionDigits + static_cast<long long>(d.digits.size() - significant);
    d.digits.resize(significant);
    return d;
}

// A decimal mantissa times a power of ten.
struct Rounded {
    std::uint64_t mantissa;
    int exponent;
};

// The number of an exponential text, "d.ddde+xx": its digits and the power of ten of
// the last.
Rounded readExponential(const std::string& text) {
    Rounded r{0, 0};
    int fractionDigits = 0;
    bool point = false;
    const char* p = text.c_str();
    for (; *p != '\0' && *p != 'e'; ++p) {
        if (isDigit(*p)) {
            r.mantissa = r.mantissa * 10 + static_cast<unsigned>(*p - '0');
            fractionDigits += point ? 1 : 0;
        } else {
            point = true;
        }
    }
    r.exponent = (*p == 'e' ? std::atoi(p + 1) : 0) - fractionDigits;
    return r;
}

// The shorter of fixed and scientific notation of `value` (positive, finite), fixed
// where both are as long, from its shortest digits.
std::string layout(double value, Rounded shortest, const NumberConversions& conversions) {
    std::string digits = std::to_string(shortest.mantissa);
    int exponent = shortest.exponent;
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
        ++exponent;
    }
    const int count = static_cast<int>(digits.size());
    const int scientificExponent = exponent + count - 1;

    std::string scientific = digits.substr(0, 1);
    if (count > 1) {
        scientific += "." + digits.substr(1);
    }
    scientific += scientificExponent < 0 ? "e-" : "e+";
    if (std::abs(scientificExponent) < 10) {
        scientific += '0';
    }
    scientific += std::to_string(std::abs(scientificExponent));

    std::string fixed;
    if (exponent >= 0) {
        fixed = conversions.wholeDigits(value); // every digit of its exact value
    } else if (scientificExponent >= 0) {
        const auto whole = static_cast<std::size_t>(scientificExponent + 1);
        fixed = digits.substr(0, whole) + "." + digits.substr(whole);
    } else {
        fixed = "0." + std::string(static_cast<std::size_t>(-scientificExponent - 1), '0') + digits;
    }
    return fixed.size() <= scientific.size() ? fixed : scientific;
}

} // namespace

std::string shortestText(double value, const NumberConversions& conversions) {
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isnan(value)) {
        return sign + "nan";
    }
    if (std::isinf(value)) {
        return sign + "inf";
    }
    if (value == 0.0) {
        return sign + "0";
    }
    const double positive = std::fabs(value);
    const Rounded shortest = readExponential(conversions.shortestExponential(positive));
    return sign + layout(positive, shortest, conversions);
}

double readDecimal(std::string_view text, const NumberConversions& conversions) {
    const Decimal d = scan(text);
    const double zero = d.negative ? -0.0 : 0.0;
    const double infinity = d.negative ? -HUGE_VAL : HUGE_VAL;
    if (d.digits.empty()) {
        return zero;
    }
    if (const std::optional<double> value = conversions.readPlain(d.plainText())) {
        return *value;
    }
    // The value lies in [10^(magnitude - 1), 10^magnitude).
    const long long magnitude = d.exponent + static_cast<long long>(d.digits.size());
    return magnitude > 0 ? infinity : zero;
}

} // namespace game
