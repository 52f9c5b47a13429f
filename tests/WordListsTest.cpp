#include "WordLists.h"

#include "ValueRules.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <stdexcept>

namespace {

using Words = std::vector<std::u32string>;

const Words& answers(int category) {
    return wordlists::list(2 * category);
}
const Words& clues(int category) {
    return wordlists::list(2 * category + 1);
}

std::size_t longest(const Words& words) {
    std::size_t length = 0;
    for (const auto& word : words) {
        length = std::max(length, word.size());
    }
    return length;
}

bool isLowerCaseLetter(char32_t c) {
    // Latin a-z, Cyrillic а-я and ѐ-џ.
    return (c >= U'a' && c <= U'z') || (c >= U'\u0430' && c <= U'\u045F');
}

struct ListShape {
    int category;
    std::size_t pairs;
    std::size_t longestAnswer;
    std::size_t longestClue;
    std::u32string_view firstAnswer;
    std::u32string_view firstClue;
    std::u32string_view lastAnswer;
    std::u32string_view lastClue;
};

std::ostream& operator<<(std::ostream& out, const ListShape& shape) {
    return out << "category" << shape.category;
}

class WordListShape : public ::testing::TestWithParam<ListShape> {};

TEST_P(WordListShape, hasItsPairsAndLongestTextsInCharacters) {
    // Lengths count characters, so a Cyrillic letter counts once.
    const auto& shape = GetParam();
    EXPECT_EQ(answers(shape.category).size(), shape.pairs);
    EXPECT_EQ(clues(shape.category).size(), shape.pairs);
    EXPECT_EQ(longest(answers(shape.category)), shape.longestAnswer);
    EXPECT_EQ(longest(clues(shape.category)), shape.longestClue);
}

TEST_P(WordListShape, startsAndEndsWithItsStoredPairs) {
    const auto& shape = GetParam();
    const auto& words = answers(shape.category);
    const auto& hints = clues(shape.category);
    ASSERT_FALSE(words.empty());
    ASSERT_FALSE(hints.empty());
    EXPECT_EQ(words.front(), shape.firstAnswer);
    EXPECT_EQ(hints.front(), shape.firstClue);
    EXPECT_EQ(words.back(), shape.lastAnswer);
    EXPECT_EQ(hints.back(), shape.lastClue);
}

TEST_P(WordListShape, holdsOnlyCapitalsInItsAnswers) {
    // Upper-casing an answer changes nothing, so lower-case input can match every letter.
    for (const auto& answer : answers(GetParam().category)) {
        EXPECT_FALSE(answer.empty());
        EXPECT_EQ(game::upperCase(answer), answer);
        EXPECT_TRUE(std::none_of(answer.begin(), answer.end(), isLowerCaseLetter))
            << "an answer holds a lower-case letter";
    }
}

TEST_P(WordListShape, holdsNoSeparatorsOrUndecodableBytesInItsItems) {
    // A tab, line end or replacement character would mean a line was split or decoded
    // wrongly; a clue never starts or ends with a blank, an answer never starts with one.
    const auto bad = [](char32_t c) {
        return c == U'\t' || c == U'\n' || c == U'\r' || c == U'\uFFFD';
    };
    for (const auto& answer : answers(GetParam().category)) {
        EXPECT_TRUE(std::none_of(answer.begin(), answer.end(), bad));
        EXPECT_FALSE(!answer.empty() && answer.front() == U' ');
    }
    for (const auto& clue : clues(GetParam().category)) {
        ASSERT_FALSE(clue.empty());
        EXPECT_TRUE(std::none_of(clue.begin(), clue.end(), bad));
        EXPECT_NE(clue.front(), U' ');
        EXPECT_NE(clue.back(), U' ');
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, WordListShape,
    ::testing::Values(ListShape{0, 164, 19, 39, U"АМСТЕРДАМ", U"НИДЕРЛАНДИЯ", U"ПХЕНЯН",
                                U"КОРЕЙСКА НАРОДНО-ДЕМОКРАТИЧНА РЕПУБЛИКА"},
                      ListShape{1, 234, 16, 14, U"АВРЕН", U"ВАРНА", U"ЯКОРУДА", U"БЛАГОЕВГРАД"},
                      ListShape{2, 80, 13, 15, U"МЪРИ", U"АВСТРАЛИЯ", U"УРУГВАЙ", U"ЮЖНА АМЕРИКА"},
                      ListShape{3, 98, 19, 29, U"АЛОНИСОС", U"Острови в Средиземно море",
                                U"ФЕДЕРАЦИЯ", U"Острови в Черно море"},
                      ListShape{4, 50, 14, 17, U"БОЙЗИ", U"Айдахо", U"СОЛТ ЛЕЙК СИТИ", U"Юта"}));

TEST(WordLists, holdSixHundredTwentySixPairsInAll) {
    std::size_t pairs = 0;
    for (int category = 0; category < 5; ++category) {
        pairs += answers(category).size();
    }
    EXPECT_EQ(pairs, 626u);
}

TEST(WordLists, areDecodedOnceAndHandedOutAsTheSameLists) {
    for (int index = 0; index < wordlists::listCount; ++index) {
        EXPECT_EQ(&wordlists::list(index), &wordlists::list(index));
    }
}

TEST(WordLists, keepTheBlankThatEndsFiveRivers) {
    // The blank is a character of the word: it is revealed only by entering a blank.
    const auto& rivers = answers(2);
    EXPECT_EQ(rivers.at(41), U"ЕЛБА ");
    EXPECT_EQ(rivers.at(44), U"ЛОАРА ");
    EXPECT_EQ(rivers.at(49), U"РЕЙН ");
    EXPECT_EQ(rivers.at(50), U"РОНА ");
    EXPECT_EQ(rivers.at(58), U"МАККЕНЗИ ");
    EXPECT_EQ(clues(2).at(49), U"ЕВРОПА");
    EXPECT_EQ(clues(2).at(58), U"СЕВЕРНА АМЕРИКА");
    // No other answer of any category ends in a blank.
    const auto endsInBlank = [](const std::u32string& word) {
        return !word.empty() && word.back() == U' ';
    };
    std::ptrdiff_t ending = 0;
    for (int category = 0; category < 5; ++category) {
        ending += std::count_if(answers(category).begin(), answers(category).end(), endsInBlank);
    }
    EXPECT_EQ(ending, 5);
}

TEST(WordLists, keepTheThreeLatinCapitalsAsStored) {
    // They look like Cyrillic letters but are Latin: typing the Cyrillic one misses them.
    const auto& brunei = answers(0).at(140);
    EXPECT_EQ(clues(0).at(140), U"БРУНЕЙ");
    ASSERT_EQ(brunei.size(), 19u);
    EXPECT_EQ(brunei[0], U'\u0411');
    EXPECT_EQ(brunei[1], U'\u0045');
    EXPECT_EQ(brunei, U"Б\u0045НДАР-СЕРИ-БЕГАВАН");
    EXPECT_EQ(answers(3).at(33), U"\u004BЕЙП БРЕТОН");
    EXPECT_EQ(answers(3).at(35), U"\u004DАДЕЙРА");
    EXPECT_EQ(clues(3).at(33), U"Острови в Атлантическия океан");
    // Only those three Latin letters stand in the answers.
    std::size_t latin = 0;
    for (int category = 0; category < 5; ++category) {
        for (const auto& answer : answers(category)) {
            latin += static_cast<std::size_t>(std::count_if(
                answer.begin(), answer.end(), [](char32_t c) { return c >= U'A' && c <= U'Z'; }));
        }
    }
    EXPECT_EQ(latin, 3u);
}

TEST(WordLists, keepPunctuationAndDuplicatesAsStored) {
    EXPECT_EQ(answers(3).at(51), U"МАВРИЦИЙ?");
    EXPECT_EQ(clues(3).at(51), U"Острови в Индийския океан");
    EXPECT_EQ(answers(3).at(16), U"ПАКСОС (ПАКСИ)");
    EXPECT_EQ(clues(0).at(110), U"КОТ Д'ИВОАР");
    EXPECT_EQ(answers(0).at(110), U"ЯМУСУКРО");
    EXPECT_EQ(answers(2).at(19), U"УРАЛ");
    EXPECT_EQ(clues(2).at(19), U"АЗИЯ");
    EXPECT_EQ(answers(2).at(53), U"УРАЛ");
    EXPECT_EQ(clues(2).at(53), U"ЕВРОПА");
    EXPECT_EQ(answers(3).at(39), U"ОГНЕНА ЗЕМЯ");
    EXPECT_EQ(clues(3).at(39), U"Острови в Атлантическия океан");
    EXPECT_EQ(answers(3).at(81), U"ОГНЕНА ЗЕМЯ");
    EXPECT_EQ(clues(3).at(81), U"Острови в Тихия океан");
}

TEST(WordLists, refuseAnIndexBeyondTheTenLists) {
    EXPECT_NO_THROW(wordlists::list(0));
    EXPECT_NO_THROW(wordlists::list(9));
    EXPECT_THROW(wordlists::list(10), std::out_of_range);
    EXPECT_THROW(wordlists::list(-1), std::out_of_range);
}

} // namespace
