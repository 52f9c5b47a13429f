#include "ValueRules.h"

#include "RuntimeError.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>

using game::RuntimeError;

namespace {

const game::NumberConversions& numbers = game::standardConversions();

struct RemainderCase {
    double dividend;
    double divisor;
    int expected;
};

std::ostream& operator<<(std::ostream& out, const RemainderCase& c) {
    return out << c.dividend << " mod " << c.divisor;
}

class WholeRemainder : public ::testing::TestWithParam<RemainderCase> {};

TEST_P(WholeRemainder, roundsOperandsHalfToEvenAndKeepsTheDividendsSign) {
    // The remainder works on whole numbers; halves round to the even neighbour.
    const auto& c = GetParam();
    EXPECT_EQ(game::wholeRemainder(c.dividend, c.divisor), c.expected)
        << c.dividend << " mod " << c.divisor;
}

INSTANTIATE_TEST_SUITE_P(Table, WholeRemainder,
                         ::testing::Values(RemainderCase{999, 163, 999 % 163},
                                           RemainderCase{2.5, 2, 0}, // 2.5 -> 2
                                           RemainderCase{3.5, 2, 0}, // 3.5 -> 4
                                           RemainderCase{7, 2.5, 1}, // 2.5 -> 2
                                           RemainderCase{7, 3.5, 3}, // 3.5 -> 4
                                           RemainderCase{-7, 3, -1}, // sign of the dividend
                                           RemainderCase{7, -3, 1}, RemainderCase{5, 5, 0},
                                           RemainderCase{4, 5, 4},
                                           RemainderCase{-2147483648.0, -1, 0}));

TEST(WholeRemainderErrors, aDivisorThatRoundsToZeroIsDivisionByZero) {
    // 0.4 and 0.5 both round to 0: the run-time error 11, not a crash.
    for (double divisor : {0.0, 0.4, 0.5, -0.5}) {
        try {
            game::wholeRemainder(7, divisor);
            ADD_FAILURE() << "no error for divisor " << divisor;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), RuntimeError::DivisionByZero);
            EXPECT_STREQ(e.what(), "Division by zero");
        }
    }
}

TEST(WholeRemainderErrors, anOperandBeyondThirtyTwoBitsIsOverflow) {
    EXPECT_THROW(game::wholeRemainder(3e9, 7), RuntimeError);
    EXPECT_THROW(game::wholeRemainder(7, std::nan("")), RuntimeError);
}

TEST(DrawIndex, takesTheWholePartOfAThousandfoldRandomNumberModuloTheLastIndex) {
    // The largest float below 1 still gives 999, not 1000.
    EXPECT_EQ(game::drawIndex(std::nextafter(1.0f, 0.0f), 1000), 999);
    EXPECT_EQ(game::drawIndex(0.0f, 163), 0);
    EXPECT_EQ(game::drawIndex(0.1635f, 163), 0); // 163 mod 163
    EXPECT_EQ(game::drawIndex(0.5f, 49), 500 % 49);
    // The product is single-precision: 0.051f * 1000 rounds to 51, in double it stays below.
    EXPECT_EQ(game::drawIndex(0.051f, 1000), 51);
}

TEST(DrawIndex, neverReachesTheLastIndexItself) {
    // Every possible draw lies in 0 .. lastIndex - 1, so the last item of a list is never drawn.
    for (int lastIndex : {1, 49, 79, 163, 233}) {
        for (int k = 0; k < 1000; ++k) {
            const int index = game::drawIndex(static_cast<float>(k) / 1000.0f, lastIndex);
            ASSERT_GE(index, 0);
            ASSERT_LT(index, lastIndex) << "k=" << k;
        }
    }
}

TEST(MarqueeWidth, isHalfTheLengthRoundedHalfToEven) {
    EXPECT_EQ(game::marqueeWidth(73), 36); // 36.5 -> 36
    EXPECT_EQ(game::marqueeWidth(63), 32); // 31.5 -> 32
    EXPECT_EQ(game::marqueeWidth(9), 4);   // 4.5 -> 4
    EXPECT_EQ(game::marqueeWidth(11), 6);  // 5.5 -> 6
    EXPECT_EQ(game::marqueeWidth(72), 36);
}

TEST(MarqueeWidth, beyondSixteenBitsIsOverflow) {
    EXPECT_EQ(game::marqueeWidth(65534), 32767);
    EXPECT_THROW(game::marqueeWidth(65535), RuntimeError); // 32767.5 rounds to 32768
}

TEST(IncrementChecked, stopsWithOverflowPastTheSixteenBitLimit) {
    EXPECT_EQ(game::incrementChecked(0), 1);
    EXPECT_EQ(game::incrementChecked(32766), 32767);
    try {
        game::incrementChecked(32767);
        ADD_FAILURE() << "no overflow";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), RuntimeError::Overflow);
        EXPECT_STREQ(e.what(), "Overflow");
    }
}

struct NumberCase {
    const char32_t* text;
    double expected;
};

std::ostream& operator<<(std::ostream& out, const NumberCase& c) {
    return out << "read as " << c.expected;
}

class LeadingNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(LeadingNumber, readsTheLongestNumericPrefixAfterLeadingBlanks) {
    const auto& c = GetParam();
    EXPECT_DOUBLE_EQ(game::leadingNumber(c.text, numbers), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LeadingNumber,
    ::testing::Values(NumberCase{U"5", 5}, NumberCase{U"  4", 4}, NumberCase{U"4x", 4},
                      NumberCase{U"", 0}, NumberCase{U"абв", 0}, NumberCase{U"-1", -1},
                      NumberCase{U"+3", 3}, NumberCase{U"2.5", 2.5}, NumberCase{U".5", 0.5},
                      NumberCase{U"1e3", 1000}, NumberCase{U"1e", 1}, NumberCase{U"1e-", 1},
                      NumberCase{U"-", 0}, NumberCase{U".", 0}, NumberCase{U"1e-999", 0},
                      NumberCase{U"\t\n7", 7}, NumberCase{U"٣", 0})); // Arabic digit: not a number

TEST(LeadingNumberErrors, aNumberTooLargeForARealIsOverflow) {
    EXPECT_THROW(game::leadingNumber(U"1e999", numbers), RuntimeError);
}

TEST(ShortestDecimal, writesWholeNumbersWithoutFraction) {
    EXPECT_EQ(game::shortestDecimal(4, numbers), U"4");
    EXPECT_EQ(game::shortestDecimal(0, numbers), U"0");
    EXPECT_EQ(game::shortestDecimal(-0.0, numbers), U"0");
    EXPECT_EQ(game::shortestDecimal(-1, numbers), U"-1");
    EXPECT_EQ(game::shortestDecimal(1.5, numbers), U"1.5");
    EXPECT_THROW(game::shortestDecimal(std::numeric_limits<double>::infinity(), numbers),
                 RuntimeError);
}

struct CaseCase {
    const char32_t* input;
    const char32_t* expected;
};

std::ostream& operator<<(std::ostream& out, const CaseCase& c) {
    out << "U+";
    for (const char32_t* p = c.input; *p; ++p) {
        out << std::hex << static_cast<unsigned>(*p) << ' ';
    }
    return out;
}

class UpperCase : public ::testing::TestWithParam<CaseCase> {};

TEST_P(UpperCase, raisesLatinAndCyrillicLettersOnly) {
    EXPECT_EQ(game::upperCase(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UpperCase,
    ::testing::Values(CaseCase{U"о", U"О"}, CaseCase{U"а", U"А"}, CaseCase{U"я", U"Я"},
                      CaseCase{U"ъ", U"Ъ"}, CaseCase{U"щ", U"Щ"}, CaseCase{U"ѝ", U"Ѝ"},
                      CaseCase{U"ѐ", U"Ѐ"}, CaseCase{U"џ", U"Џ"}, CaseCase{U"ґ", U"Ґ"},
                      CaseCase{U"a", U"A"}, CaseCase{U"z", U"Z"}, CaseCase{U"Ж", U"Ж"},
                      CaseCase{U"é", U"é"}, CaseCase{U"ß", U"ß"}, CaseCase{U"7", U"7"},
                      CaseCase{U"😀", U"😀"}, CaseCase{U"", U""}, CaseCase{U"-", U"-"},
                      CaseCase{U"аб cd", U"АБ CD"}));

} // namespace
