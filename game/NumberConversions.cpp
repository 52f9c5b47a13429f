// The conversions of numbers that the decimal texts are made from (DecimalText.h), of the
// standard library and of the C library.

#include "DecimalText.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <system_error>
#include <version>

namespace game {

namespace {

// snprintf and strtod, which are correctly rounded and give ±HUGE_VAL or ±0 out of range.
class PortableConversions final : public NumberConversions {
public:
    std::string shortestExponential(double value) const override {
        for (int digits = 1; digits < 17; ++digits) {
            const std::string nearest = rounded(value, digits);
            const double back = std::strtod(nearest.c_str(), nullptr);
            if (back == value) {
                return nearest;
            }
            // At a power of two the doubles below lie twice as close as those above: the
            // nearest decimal may read as the double below while its neighbour above
            // still reads back.
            if (back < value) {
                const std::string above = nextUp(nearest);
                if (std::strtod(above.c_str(), nullptr) == value) {
                    return above;
                }
            }
        }
        return rounded(value, 17); // always reads back
    }

    std::string wholeDigits(double value) const override {
        char buffer[320]; // the largest double has 309 digits
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
        return buffer;
    }

    std::optional<double> readPlain(const std::string& plain) const override {
        return std::strtod(plain.c_str(), nullptr);
    }

private:
    // `value` correctly rounded to `digits` significant digits, as "d.ddde+xx" (the
    // point is the locale's).
    static std::string rounded(double value, int digits) {
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, value);
        return buffer;
    }

    // `text` ("d.ddde+xx") one unit of its last digit higher: "1.25e+03" -> "1.26e+03",
    // "9.99e+03" -> "10.00e+03".
    static std::string nextUp(std::string text) {
        for (std::size_t i = text.find('e'); i-- > 0;) {
            if (text[i] < '0' || text[i] > '9') {
                continue; // the point
            }
            if (text[i] != '9') {
                ++text[i];
                return text;
            }
            text[i] = '0';
        }
        return "1" + text;
    }
};

#if defined(__cpp_lib_to_chars)

class StandardConversions final : public NumberConversions {
public:
    std::string shortestExponential(double value) const override {
        char buffer[32];
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
        return std::string(buffer, result.ptr);
    }

    std::string wholeDigits(double value) const override {
        char buffer[320]; // the largest double has 309 digits
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0);
        return std::string(buffer, result.ptr);
    }

    std::optional<double> readPlain(const std::string& plain) const override {
        double value = 0.0;
        if (std::from_chars(plain.data(), plain.data() + plain.size(), value).ec != std::errc{}) {
            return std::nullopt;
        }
        return value;
    }
};

#endif

} // namespace

const NumberConversions& portableConversions() {
    static const PortableConversions conversions;
    return conversions;
}

const NumberConversions& standardConversions() {
#if defined(__cpp_lib_to_chars)
    static const StandardConversions conversions;
    return conversions;
#else
    return portableConversions();
#endif
}

} // namespace game
