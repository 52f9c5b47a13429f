#include "DecimalText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <system_error>
#include <version>

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

// Reads `text` through `convert`, which reads a Decimal's plain text and returns false
// where the value is beyond the range of doubles.
template <class Convert> double readWith(std::string_view text, Convert convert) {
    const Decimal d = scan(text);
    const double zero = d.negative ? -0.0 : 0.0;
    const double infinity = d.negative ? -HUGE_VAL : HUGE_VAL;
    // The value lies in [10^(magnitude - 1), 10^magnitude).
    const long long magnitude = d.exponent + static_cast<long long>(d.digits.size());
    if (d.digits.empty()) {
        return zero;
    }
    double value = 0.0;
    if (!convert(d.plainText(), value)) {
        return magnitude > 0 ? infinity : zero;
    }
    return value;
}

// A decimal mantissa times a power of ten.
struct Rounded {
    std::uint64_t mantissa;
    int exponent;

    double readBack() const {
        const std::string text = std::to_string(mantissa) + "e" + std::to_string(exponent);
        return std::strtod(text.c_str(), nullptr);
    }
};

// The number of an exponential text, "d.ddde+xx" (no point with one digit; the point may
// be the locale's): its digits and the power of ten of the last.
Rounded readExponential(const char* text) {
    Rounded r{0, 0};
    int fractionDigits = 0;
    bool point = false;
    const char* p = text;
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

// `value` (positive, finite) correctly rounded to `digits` significant digits.
Rounded rounded(double value, int digits) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, value);
    return readExponential(buffer);
}

// The fewest significant digits that read back as `value` (positive, finite), the
// nearest to it where several do.
Rounded shortestDigits(double value) {
    for (int digits = 1; digits < 17; ++digits) {
        const Rounded nearest = rounded(value, digits);
        const double back = nearest.readBack();
        if (back == value) {
            return nearest;
        }
        // At a power of two the doubles below lie twice as close as those above: the
        // nearest decimal may read as the double below while its neighbour above still
        // reads back.
        if (back < value) {
            const Rounded above{nearest.mantissa + 1, nearest.exponent};
            if (above.readBack() == value) {
                return above;
            }
        }
    }
    return rounded(value, 17); // always reads back
}

// Every digit of the exact value of `value`, a whole number, as printf("%.0f") writes it.
std::string wholeDigits(double value) {
    char buffer[320];
    std::snprintf(buffer, sizeof buffer, "%.0f", value);
    return buffer;
}

// The shorter of fixed and scientific notation of `value` (positive, finite), fixed
// where both are as long, from its shortest digits; `whole` writes the digits of a whole
// number.
template <class Whole> std::string layout(double value, Rounded shortest, Whole whole) {
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
        fixed = whole(value); // every digit of its exact value
    } else if (scientificExponent >= 0) {
        const auto whole = static_cast<std::size_t>(scientificExponent + 1);
        fixed = digits.substr(0, whole) + "." + digits.substr(whole);
    } else {
        fixed = "0." + std::string(static_cast<std::size_t>(-scientificExponent - 1), '0') + digits;
    }
    return fixed.size() <= scientific.size() ? fixed : scientific;
}

// The text of `value` with `write` writing that of a positive, finite one.
template <class Write> std::string textWith(double value, Write write) {
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isnan(value)) {
        return sign + "nan";
    }
    if (std::isinf(value)) {
        return sign + "inf";
    }
    return value == 0.0 ? sign + "0" : sign + write(std::fabs(value));
}

} // namespace

namespace portable {

std::string shortestText(double value) {
    return textWith(value, [](double positive) {
        return layout(positive, shortestDigits(positive), wholeDigits);
    });
}

double readDecimal(std::string_view text) {
    // strtod is correctly rounded and gives ±HUGE_VAL or ±0 out of range.
    return readWith(text, [](const std::string& plain, double& value) {
        value = std::strtod(plain.c_str(), nullptr);
        return true;
    });
}

} // namespace portable

#if defined(__cpp_lib_to_chars)

std::string shortestText(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

double readDecimal(std::string_view text) {
    return readWith(text, [](const std::string& plain, double& value) {
        return std::from_chars(plain.data(), plain.data() + plain.size(), value).ec == std::errc{};
    });
}

#elif defined(__EMSCRIPTEN__)

// In the browser, the browser's own conversions (DecimalText.js), which are exact, where
// the C library's would add its printf and strtod to the page.
extern "C" {
void game_shortest_exponential(double value, char* buffer);
void game_whole_digits(double value, char* buffer);
double game_read_number(const char* text, int length);
}

std::string shortestText(double value) {
    return textWith(value, [](double positive) {
        char buffer[32];
        game_shortest_exponential(positive, buffer);
        const Rounded shortest = readExponential(buffer);
        return layout(positive, shortest, [](double whole) {
            char digits[320]; // the largest double has 309
            game_whole_digits(whole, digits);
            return std::string(digits);
        });
    });
}

double readDecimal(std::string_view text) {
    // Correctly rounded, ±Infinity or ±0 out of range.
    return readWith(text, [](const std::string& plain, double& value) {
        value = game_read_number(plain.data(), static_cast<int>(plain.size()));
        return true;
    });
}

#else

std::string shortestText(double value) {
    return portable::shortestText(value);
}

double readDecimal(std::string_view text) {
    return portable::readDecimal(text);
}

#endif

} // namespace game
