#include "DecimalText.h"

#include "RuntimeError.h"
#include "ValueRules.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <vector>

#if defined(__EMSCRIPTEN__)
#include "BrowserConversions.h"
#endif

namespace {

// The conversions that the program gives the game: the browser's in WebAssembly.
const game::NumberConversions& platform() {
#if defined(__EMSCRIPTEN__)
    return web::browserConversions();
#else
    return game::standardConversions();
#endif
}

const game::NumberConversions& portable() {
    return game::portableConversions();
}

constexpr double maxDouble = std::numeric_limits<double>::max();
constexpr double infinity = std::numeric_limits<double>::infinity();

// (std::bit_cast is missing from libc++ 13.)
std::uint64_t bits(double value) {
    std::uint64_t b = 0;
    std::memcpy(&b, &value, sizeof b);
    return b;
}

// Finite doubles from a fixed seed: any bit pattern, and short decimals of all sizes,
// which lie on both sides of the switch between fixed and scientific notation.
std::vector<double> randomDoubles(std::size_t count) {
    std::mt19937_64 random(20240611);
    std::vector<double> values;
    while (values.size() < count) {
        const std::uint64_t pattern = random();
        double any = 0.0;
        std::memcpy(&any, &pattern, sizeof any);
        if (std::isfinite(any)) {
            values.push_back(any);
        }
        const double whole = static_cast<double>(random() % 100000);
        values.push_back(whole * std::pow(10.0, static_cast<int>(random() % 50) - 25));
    }
    return values;
}

TEST(DecimalText, writesTheShortestTextInTheNotationThatIsShorter) {
    struct Case {
        double value;
        const char* text;
    };
    for (const auto& c : std::vector<Case>{
             {5, "5"},
             {0, "0"},
             {-1, "-1"},
             {0.1, "0.1"},
             {0.1 + 0.2, "0.30000000000000004"},
             {-2.5, "-2.5"},
             {0.001, "0.001"}, // as long as 1e-03: fixed
             {0.0001, "1e-04"},
             {1.5e-5, "1.5e-05"},
             {1e-7, "1e-07"},
             {123456, "123456"},
             {100000, "1e+05"},
             {1e21, "1e+21"},
             {1e22, "1e+22"},
             // A whole number in fixed notation shows every digit of its exact value.
             {123456789012345680000.0, "123456789012345683968"},
             {1180591620717411303424.0, "1180591620717411303424"}, // 2^70, a tie: fixed
             {5e-324, "5e-324"},
             {maxDouble, "1.7976931348623157e+308"},
         }) {
        EXPECT_EQ(game::shortestText(c.value, platform()), c.text);
    }
    EXPECT_EQ(game::shortestText(-infinity, platform()), "-inf");
}

TEST(DecimalText, readsTheNearestDoubleAndSaysWhenItIsOutOfRange) {
    struct Case {
        const char* text;
        double value;
    };
    const std::string zeros(400, '0');
    for (const auto& c : std::vector<Case>{
             {"5", 5},
             {"-0.5", -0.5},
             {"+.25e1", 2.5},
             {"0.1", 0.1},
             {"1e-999", 0},
             {"-1e999", -infinity},
             {"0e999999999999999999999", 0},
             {"1e-99999999999999999999999", 0},
             // Halfway between 0 and the smallest double: to the even neighbour, 0.
             {"2.4703282292062327208828439643411e-324", 0},
             {"2.4703282292062327208828439643412e-324", 5e-324},
             {"1.7976931348623158e308", maxDouble},
             {"1.797693134862315808e308", infinity},
         }) {
        EXPECT_EQ(bits(game::readDecimal(c.text, platform())), bits(c.value)) << c.text;
    }
    // The magnitude counts, not the exponent's sign or the number of digits.
    EXPECT_EQ(game::readDecimal("0." + zeros + "15e+402", platform()), 15);
    EXPECT_EQ(game::readDecimal("1" + zeros + "e-5", platform()), infinity);
    EXPECT_EQ(game::readDecimal("0." + zeros + "1", platform()), 0);
}

TEST(DecimalText, randomDoublesReadBackFromTheirText) {
    for (double value : randomDoubles(10000)) {
        const std::string text = game::shortestText(value, platform());
        ASSERT_EQ(bits(game::readDecimal(text, platform())), bits(value)) << text;
    }
}

TEST(LeadingNumberRange, isTooSmallOrTooLargeByItsMagnitude) {
    // Hundreds of zeros: a tiny number reads as 0, a huge one is an overflow, whatever
    // the sign of the exponent.
    const std::u32string zeros(400, U'0');
    EXPECT_EQ(game::leadingNumber(U"0." + zeros + U"1", platform()), 0);
    EXPECT_THROW(game::leadingNumber(U"1" + zeros + U"e-5", platform()), game::RuntimeError);
    EXPECT_EQ(game::leadingNumber(U"1" + zeros + U"e-399", platform()), 10);
}

#if !defined(__EMSCRIPTEN__) // its C library knows no locale with another decimal point

TEST(PortableDecimalText, doesNotDependOnTheDecimalPointOfTheLocale) {
    std::vector<std::string> texts;
    const std::vector<double> values = randomDoubles(500);
    for (double value : values) {
        texts.push_back(game::shortestText(value, portable()));
    }
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "bg_BG.UTF-8") == nullptr ||
        std::localeconv()->decimal_point != std::string(",")) {
        std::setlocale(LC_NUMERIC, saved.c_str());
        GTEST_SKIP() << "no locale with a decimal comma";
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(game::shortestText(values[i], portable()), texts[i]);
        EXPECT_EQ(bits(game::readDecimal(texts[i], portable())), bits(values[i])) << texts[i];
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
}

#endif

// Doubles where a conversion goes wrong most easily: random ones, powers of two, where
// the doubles below lie closer than those above, and powers of ten and their neighbours.
std::vector<double> hardDoubles() {
    std::vector<double> values = randomDoubles(20000);
    for (double value : {0.0, -0.0, 4.0, 3.0, 2.0, 1.0, -1.0, 0.1, 1e22, 1e21, 1e23, 5e-324,
                         maxDouble, std::numeric_limits<double>::min(), 1e-7, 9007199254740993.0,
                         infinity, -infinity, std::nan("")}) {
        values.push_back(value);
    }
    for (int k = -1074; k <= 1023; ++k) {
        values.push_back(std::ldexp(1.0, k));
    }
    for (int k = -325; k <= 308; ++k) {
        const double power = std::strtod(("1e" + std::to_string(k)).c_str(), nullptr);
        for (double value :
             {power, std::nextafter(power, 0.0), std::nextafter(power, infinity), -power}) {
            values.push_back(value);
        }
    }
    return values;
}

// Texts where reading goes wrong most easily: random numbers of 1 to 30 digits, with and
// without point, sign and exponent; exactly halfway between two doubles and just beside.
std::vector<std::string> hardTexts() {
    std::mt19937_64 random(20240612);
    std::vector<std::string> texts;
    for (int i = 0; i < 20000; ++i) {
        std::string text = random() % 4 == 0 ? "-" : "";
        const auto digits = 1 + random() % 30;
        const auto point = random() % (digits + 2);
        for (std::size_t d = 0; d < digits; ++d) {
            text += d == point ? "." : "";
            text += static_cast<char>('0' + random() % 10);
        }
        if (random() % 3 != 0) {
            text += "e" + std::to_string(static_cast<int>(random() % 700) - 350);
        }
        texts.push_back(text);
    }
    static_assert(std::numeric_limits<long double>::digits >= 55);
    std::vector<double> lows = randomDoubles(3000);
    lows.push_back(0.0);
    lows.push_back(std::nextafter(maxDouble, 0.0));
    lows.push_back(maxDouble);
    for (double low : lows) {
        low = std::fabs(low);
        const long double gap = std::ldexp(1.0L, std::max(std::ilogb(low), -1022) - 52);
        const long double half = low + gap / 2;
        for (long double value : {half, std::nextafter(half, 0.0L), std::nextafter(half, 1e400L)}) {
            char buffer[900];
            std::snprintf(buffer, sizeof buffer, "%.800Le", value);
            texts.emplace_back(buffer);
        }
    }
    return texts;
}

#if defined(__cpp_lib_to_chars)

// The conversions against the standard library's plain texts, where it has them.

std::string toChars(double value) {
    char buffer[64];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

TEST(NativeDecimalText, standardAndPortableConversionsWriteWhatToCharsWrites) {
    for (double value : hardDoubles()) {
        for (const game::NumberConversions* conversions : {&platform(), &portable()}) {
            ASSERT_EQ(game::shortestText(value, *conversions), toChars(value))
                << "bits " << std::hex << bits(value);
        }
    }
}

TEST(NativeDecimalText, standardAndPortableConversionsReadWhatFromCharsReads) {
    for (const std::string& text : hardTexts()) {
        double expected = 0.0;
        const auto result = std::from_chars(text.data(), text.data() + text.size(), expected);
        ASSERT_EQ(result.ptr, text.data() + text.size()) << text;
        for (const game::NumberConversions* conversions : {&platform(), &portable()}) {
            const double read = game::readDecimal(text, *conversions);
            if (result.ec == std::errc::result_out_of_range) {
                ASSERT_TRUE(std::isinf(read) || read == 0.0) << text << " -> " << read;
            } else {
                ASSERT_EQ(bits(read), bits(expected)) << text;
            }
        }
    }
}

#elif defined(__EMSCRIPTEN__)

// The conversions that the page gives the game against the portable ones, which the
// native build checks against the standard library.
TEST(BrowserDecimalText, writesAndReadsWhatThePortableConversionsDo) {
    const game::NumberConversions& browser = web::browserConversions();
    for (double value : hardDoubles()) {
        ASSERT_EQ(game::shortestText(value, browser), game::shortestText(value, portable()))
            << "bits " << std::hex << bits(value);
    }
    for (const std::string& text : hardTexts()) {
        ASSERT_EQ(bits(game::readDecimal(text, browser)), bits(game::readDecimal(text, portable())))
            << text;
    }
}

#endif

} // namespace
