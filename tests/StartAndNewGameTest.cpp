#include "GameFixture.h"

namespace {

using Start = GameFixture;

TEST_F(Start, loadSeedsOnceStartsTheTimerAndShufflesTheFirstCategory) {
    // After loading, the game idles in category 0 with five attempts and the first draw shown.
    load(7);
    EXPECT_EQ(random.seedCalls, 1);
    EXPECT_EQ(form.timerEnableCalls, 1);
    EXPECT_EQ(state().categoryIndex, 0);
    EXPECT_EQ(state().lastIndex, 163);
    EXPECT_EQ(state().timerMode, game::GameState::IdleShuffle);
    EXPECT_EQ(state().wordIndex, 7);
    EXPECT_EQ(form.stolica[1], form.lists[0][7]);
    EXPECT_EQ(form.bukwa[1], U"5");
    EXPECT_EQ(state().cluePrefix, U"Столица на държавата ");
}

TEST_F(Start, loadLeavesTheMaskAndTheRulesAsTheWindowCreatedThem) {
    // No game is prepared at start-up: the mask field keeps its initial text.
    load();
    EXPECT_EQ(form.stolica[0], U" Нова игра");
    EXPECT_TRUE(form.bukwaVisible[4]);
    EXPECT_TRUE(form.butonEnabled[0]);
    EXPECT_TRUE(state().questionText.empty());
}

TEST_F(Start, aListOfOneItemStopsTheLoadWithDivisionByZero) {
    // With one item the draw divides by 0: the run-time error 11 leaves the handler.
    form.setCategory(0, {{U"СОФИЯ", U"БЪЛГАРИЯ"}});
    random.pushIndex(0);
    try {
        game.Form_Load();
        FAIL() << "no error";
    } catch (const game::RuntimeError& e) {
        EXPECT_EQ(e.number(), game::RuntimeError::DivisionByZero);
    }
}

using NewGame = GameFixture;

TEST_F(NewGame, hidesRulesAndBannerClearsTheFieldsAndMasksEveryCharacter) {
    // A new game shows one "?" per character, the blank of a two-word answer included.
    form.setCategory(0, {{U"ДЕ МОЙН", U"Айова"}, {U"ОСТИН", U"Тексас"}});
    load(0);
    form.bukwa[0] = U"Я";
    form.bukwa[3] = U"АБ";
    newGame(0);
    EXPECT_FALSE(form.bukwaVisible[4]);
    EXPECT_FALSE(form.bukwaVisible[2]);
    EXPECT_TRUE(form.butonEnabled[0]);
    EXPECT_EQ(form.bukwa[0], U"");
    EXPECT_EQ(form.bukwa[3], U"");
    EXPECT_EQ(form.bukwa[1], U"5");
    EXPECT_EQ(form.stolica[0], U"???????");
    EXPECT_EQ(state().timerMode, game::GameState::Marquee);
    EXPECT_EQ(state().scrollPos, 0);
    EXPECT_EQ(state().hitCount, 0);
    EXPECT_EQ(state().questionText, U"Столица на държавата Айова e: ");
    EXPECT_EQ(state().marqueeText,
              U"Столица на държавата Айова e:  Столица на държавата Айова e: ");
}

TEST_F(NewGame, theQuestionEndsWithALatinE) {
    // " e: " is blank, Latin e, colon, blank; not the Cyrillic е.
    playWith(U"СОФИЯ", U"БЪЛГАРИЯ");
    const auto& q = state().questionText;
    ASSERT_GE(q.size(), 4u);
    EXPECT_EQ(q.substr(q.size() - 4), U" e: ");
    EXPECT_EQ(q[q.size() - 3], U'\u0065');
}

TEST_F(NewGame, inTheMiddleOfAGameDiscardsIt) {
    // Five attempts again, nothing entered, a new mask and no hits.
    form.setCategory(0, {{U"АНКАРА", U"ТУРЦИЯ"}, {U"ОСЛО", U"НОРВЕГИЯ"}, {U"РИМ", U"ИТАЛИЯ"}});
    load(0);
    newGame(0);
    guess(U"А");
    guess(U"Щ");
    ASSERT_EQ(state().hitCount, 3);
    ASSERT_EQ(form.bukwa[1], U"4");
    newGame(1);
    EXPECT_EQ(form.bukwa[1], U"5");
    EXPECT_EQ(form.bukwa[3], U"");
    EXPECT_EQ(form.stolica[0], U"????");
    EXPECT_EQ(state().hitCount, 0);
    EXPECT_EQ(state().questionText, U"Столица на държавата НОРВЕГИЯ e: ");
}

TEST_F(NewGame, neverDrawsTheLastItemOfAList) {
    // Whatever the random number, the word comes from items 0 .. count - 2.
    load();
    for (int k = 0; k < 1000; ++k) {
        random.script.push_back(static_cast<float>(k) / 1000.0f);
        game.Buton_Click(1);
        ASSERT_LT(state().wordIndex, static_cast<int>(form.lists[0].size()) - 1);
        ASSERT_GE(state().wordIndex, 0);
    }
}

TEST_F(NewGame, mayDrawTheSameWordTwice) {
    // Nothing prevents a repetition.
    load();
    newGame(5);
    const auto first = form.stolica[0];
    newGame(5);
    EXPECT_EQ(state().wordIndex, 5);
    EXPECT_EQ(form.stolica[0], first);
}

TEST_F(NewGame, anUnknownButtonIndexDoesNothing) {
    load();
    const FakeForm before = form;
    game.Buton_Click(2);
    game.Buton_Click(-1);
    EXPECT_EQ(form.bukwa, before.bukwa);
    EXPECT_EQ(form.stolica, before.stolica);
    EXPECT_EQ(form.bukwaVisible, before.bukwaVisible);
}

} // namespace
