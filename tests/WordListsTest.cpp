#include "WordLists.h"

#include "ValueRules.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>

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

struct ListShape {
    int category;
    std::size_t pairs;
    std::size_t longestAnswer;
    std::size_t longestClue;
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

TEST_P(WordListShape, holdsOnlyCapitalsInItsAnswers) {
    // Upper-casing an answer changes nothing, so lower-case input can match every letter.
    for (const auto& answer : answers(GetParam().category)) {
        EXPECT_EQ(game::upperCase(answer), answer);
        EXPECT_FALSE(answer.empty());
    }
    for (const auto& clue : clues(GetParam().category)) {
        EXPECT_FALSE(clue.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Table, WordListShape,
                         ::testing::Values(ListShape{0, 164, 19, 39}, ListShape{1, 234, 16, 14},
                                           ListShape{2, 80, 13, 15}, ListShape{3, 98, 19, 29},
                                           ListShape{4, 50, 14, 17}));

TEST(WordLists, holdSixHundredTwentySixPairsInAll) {
    std::size_t pairs = 0;
    for (int category = 0; category < 5; ++category) {
        pairs += answers(category).size();
    }
    EXPECT_EQ(pairs, 626u);
}

TEST(WordLists, pairAnswersWithTheirCluesInStoredOrder) {
    EXPECT_EQ(answers(0).front(), U"АМСТЕРДАМ");
    EXPECT_EQ(clues(0).front(), U"НИДЕРЛАНДИЯ");
    EXPECT_EQ(answers(2).front(), U"МЪРИ");
    EXPECT_EQ(clues(2).front(), U"АВСТРАЛИЯ");
    EXPECT_EQ(answers(2).back(), U"УРУГВАЙ");
    EXPECT_EQ(clues(2).back(), U"ЮЖНА АМЕРИКА");
    EXPECT_EQ(answers(1).back(), U"ЯКОРУДА");
    EXPECT_EQ(clues(1).back(), U"БЛАГОЕВГРАД");
    EXPECT_EQ(answers(3).back(), U"ФЕДЕРАЦИЯ");
    EXPECT_EQ(clues(3).back(), U"Острови в Черно море");
    EXPECT_EQ(answers(4).front(), U"БОЙЗИ");
    EXPECT_EQ(clues(4).front(), U"Айдахо");
    EXPECT_EQ(answers(4).back(), U"СОЛТ ЛЕЙК СИТИ");
    EXPECT_EQ(clues(4).back(), U"Юта");
}

TEST(WordLists, keepTheBlankThatEndsFiveRivers) {
    // The blank is a character of the word: it is revealed only by entering a blank.
    const auto& rivers = answers(2);
    EXPECT_EQ(rivers.at(41), U"ЕЛБА ");
    EXPECT_EQ(rivers.at(44), U"ЛОАРА ");
    EXPECT_EQ(rivers.at(49), U"РЕЙН ");
    EXPECT_EQ(rivers.at(50), U"РОНА ");
    EXPECT_EQ(rivers.at(58), U"МАККЕНЗИ ");
    const auto endsInBlank = [](const std::u32string& word) { return word.back() == U' '; };
    EXPECT_EQ(std::count_if(rivers.begin(), rivers.end(), endsInBlank), 5);
}

TEST(WordLists, keepTheThreeLatinCapitalsAsStored) {
    // They look like Cyrillic letters but are Latin: typing the Cyrillic one misses them.
    const auto& capital = *std::find_if(answers(0).begin(), answers(0).end(), [](const auto& w) {
        return w.size() == 19 && w.substr(2) == U"НДАР-СЕРИ-БЕГАВАН";
    });
    EXPECT_EQ(capital[0], U'Б');
    EXPECT_EQ(capital[1], U'\u0045');
    EXPECT_EQ(answers(3).at(33), U"\u004BЕЙП БРЕТОН");
    EXPECT_EQ(answers(3).at(35), U"\u004DАДЕЙРА");
}

TEST(WordLists, keepPunctuationAndDuplicatesAsStored) {
    EXPECT_EQ(answers(3).at(51), U"МАВРИЦИЙ?");
    EXPECT_EQ(answers(3).at(16), U"ПАКСОС (ПАКСИ)");
    EXPECT_NE(std::find(clues(0).begin(), clues(0).end(), U"КОТ Д'ИВОАР"), clues(0).end());
    EXPECT_EQ(answers(2).at(19), U"УРАЛ");
    EXPECT_EQ(answers(2).at(53), U"УРАЛ");
    EXPECT_NE(clues(2).at(19), clues(2).at(53));
    EXPECT_EQ(answers(3).at(39), U"ОГНЕНА ЗЕМЯ");
    EXPECT_EQ(answers(3).at(81), U"ОГНЕНА ЗЕМЯ");
    EXPECT_NE(clues(3).at(39), clues(3).at(81));
}

TEST(WordLists, refuseAnIndexBeyondTheTenLists) {
    EXPECT_THROW(wordlists::list(10), std::out_of_range);
    EXPECT_THROW(wordlists::list(-1), std::out_of_range);
}

} // namespace
