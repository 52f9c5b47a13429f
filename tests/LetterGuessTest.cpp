#include "GameFixture.h"

namespace {

using LetterGuess = GameFixture;

TEST_F(LetterGuess, beforeTheFirstNewGameUsesTheShuffledWordAndTheInitialMask) {
    // The mask " Нова игра" lends its characters to the positions not revealed.
    form.setCategory(0, {{U"СОФИЯ", U"БЪЛГАРИЯ"}, {U"РИМ", U"ИТАЛИЯ"}});
    load(0);
    guess(U"о");
    EXPECT_EQ(form.stolica[0], U" Оова");
    EXPECT_EQ(form.bukwa[1], U"5");
    EXPECT_FALSE(form.bukwaVisible[4]);
    guess(U"ж");
    EXPECT_EQ(form.stolica[0], U" Оова");
    EXPECT_EQ(form.bukwa[1], U"4");
    EXPECT_EQ(form.bukwa[3], U"ОЖ");
}

TEST_F(LetterGuess, revealsEveryPositionOfTheLetterAndCountsEachAsAHit) {
    // Three А's are revealed at once and add three hits; a hit costs nothing.
    playWith(U"АНКАРА", U"ТУРЦИЯ");
    guess(U"а");
    EXPECT_EQ(form.stolica[0], U"А??А?А");
    EXPECT_EQ(state().hitCount, 3);
    EXPECT_EQ(form.bukwa[1], U"5");
    EXPECT_EQ(form.bukwa[3], U"А");
    EXPECT_EQ(form.bukwa[0], U"");
}

TEST_F(LetterGuess, fiveMissesLoseTheGame) {
    // The fifth miss leaves "0", disables the letter button and shows "Жалко!".
    playWith(U"ОСЛО", U"НОРВЕГИЯ");
    for (const char32_t* letter : {U"Б", U"В", U"Г", U"Д"}) {
        guess(letter);
        ASSERT_TRUE(form.butonEnabled[0]);
        ASSERT_FALSE(form.bukwaVisible[2]);
    }
    EXPECT_EQ(form.bukwa[1], U"1");
    guess(U"Ж");
    EXPECT_EQ(form.bukwa[1], U"0");
    EXPECT_FALSE(form.butonEnabled[0]);
    EXPECT_TRUE(form.bukwaVisible[2]);
    EXPECT_EQ(form.bukwa[2], U"Жалко!");
    EXPECT_EQ(form.stolica[0], U"????");
    EXPECT_EQ(state().questionText, U"Столица на държавата НОРВЕГИЯ e: ОСЛО");
    EXPECT_EQ(state().marqueeText,
              U"Столица на държавата НОРВЕГИЯ e: ОСЛО Столица на държавата НОРВЕГИЯ e: ОСЛО");
}

TEST_F(LetterGuess, findingEveryLetterWinsTheGame) {
    playWith(U"РИМ", U"ИТАЛИЯ");
    guess(U"р");
    guess(U"x"); // a Latin letter is not a Cyrillic one
    guess(U"и");
    EXPECT_TRUE(form.butonEnabled[0]);
    guess(U"м");
    EXPECT_EQ(form.stolica[0], U"РИМ");
    EXPECT_EQ(form.bukwa[1], U"4");
    EXPECT_FALSE(form.butonEnabled[0]);
    EXPECT_TRUE(form.bukwaVisible[2]);
    EXPECT_EQ(form.bukwa[2], U"Браво!");
    EXPECT_EQ(state().questionText, U"Столица на държавата ИТАЛИЯ e: РИМ");
}

TEST_F(LetterGuess, theSameFoundLetterTwiceCanWinWithHiddenPositionsLeft) {
    // A letter entered again counts again: О twice in ОСЛО makes four hits in a word of four.
    playWith(U"ОСЛО", U"НОРВЕГИЯ");
    guess(U"О");
    EXPECT_TRUE(form.butonEnabled[0]);
    guess(U"О");
    EXPECT_EQ(state().hitCount, 4);
    EXPECT_EQ(form.stolica[0], U"О??О");
    EXPECT_EQ(form.bukwa[2], U"Браво!");
    EXPECT_FALSE(form.butonEnabled[0]);
}

TEST_F(LetterGuess, hitsThatJumpPastTheLengthStillWin) {
    // АТИНА: А, Т, И, А give 2, 3, 4, 6 hits; the game must not go on after that.
    playWith(U"АТИНА", U"ГЪРЦИЯ");
    guess(U"А");
    guess(U"Т");
    guess(U"И");
    EXPECT_TRUE(form.butonEnabled[0]);
    guess(U"А");
    EXPECT_EQ(state().hitCount, 6);
    EXPECT_FALSE(form.butonEnabled[0]);
    EXPECT_EQ(form.bukwa[2], U"Браво!");
    EXPECT_EQ(form.stolica[0], U"АТИ?А");
}

TEST_F(LetterGuess, anEmptyInputIsAMissAndEntersNothing) {
    playWith(U"РИМ", U"ИТАЛИЯ");
    guess(U"Р");
    guess(U"");
    EXPECT_EQ(form.bukwa[3], U"Р");
    EXPECT_EQ(form.bukwa[1], U"4");
    EXPECT_EQ(form.stolica[0], U"Р??");
}

TEST_F(LetterGuess, blanksAndHyphensAreRevealedOnlyWhenEntered) {
    form.setCategory(0, {{U"ПОРТ-О-ПРЕНС", U"ХАИТИ"}, {U"ЕЛБА ", U"ЕВРОПА"}, {U"X", U"Y"}});
    load(0);
    newGame(0);
    guess(U"-");
    EXPECT_EQ(form.stolica[0], U"????"
                               U"-?-?????"); // split: "??-" would read as a trigraph
    newGame(1);
    guess(U" ");
    EXPECT_EQ(form.stolica[0], U"???? ");
    EXPECT_EQ(state().hitCount, 1);
}

TEST_F(LetterGuess, anInputOfSeveralCharactersNeverMatchesButIsEntered) {
    // The window keeps one character; should more arrive, they are a miss, entered as typed.
    playWith(U"ОСЛО", U"НОРВЕГИЯ");
    guess(U"ос");
    EXPECT_EQ(form.stolica[0], U"????");
    EXPECT_EQ(form.bukwa[3], U"ОС");
    EXPECT_EQ(form.bukwa[1], U"4");
}

TEST_F(LetterGuess, charactersOutsideTheAlphabetsAreComparedAsTheyAre) {
    // "?" of an answer is revealed by "?" itself; an emoji is a single character and a miss.
    form.setCategory(0, {{U"МАВРИЦИЙ?", U"Острови"}, {U"X", U"Y"}});
    load(0);
    newGame(0);
    guess(U"😀");
    EXPECT_EQ(form.bukwa[3], U"😀");
    EXPECT_EQ(form.bukwa[1], U"4");
    guess(U"?");
    EXPECT_EQ(state().hitCount, 1);
    EXPECT_EQ(form.bukwa[1], U"4");
}

TEST_F(LetterGuess, aMaskShorterThanTheAnswerLeavesTheRestEmpty) {
    // After a category change the old mask is kept; missing positions add nothing.
    form.setCategory(0, {{U"ИНДИАНАПОЛИС", U"Индиана"}, {U"X", U"Y"}});
    load(0);
    form.stolica[0] = U"???";
    guess(U"И");
    EXPECT_EQ(form.stolica[0], U"И??ИИ");
}

TEST_F(LetterGuess, aHitCounterPastSixteenBitsStopsWithOverflow) {
    // The counter is a 16-bit integer: the 32768th hit of one guess is the run-time error 6.
    form.setCategory(0, {{game::Text(40000, U'А'), U"ДЪЛГА"}, {U"X", U"Y"}});
    load(0);
    newGame(0);
    form.bukwa[0] = U"а";
    try {
        game.Buton_Click(0);
        FAIL() << "no error";
    } catch (const game::RuntimeError& e) {
        EXPECT_EQ(e.number(), game::RuntimeError::Overflow);
    }
}

TEST_F(LetterGuess, aLossAndAWinInOneGuessEndWithBravo) {
    // Before the first new game the shuffle changes the word but not the hits: two hits
    // and four misses on ОСЛО, then the shuffle draws a word of two letters; the fifth
    // miss uses the last attempt while the hits equal that word's length, and the win
    // is tested after the loss.
    form.setCategory(0, {{U"ОСЛО", U"НОРВЕГИЯ"}, {U"ЯМ", U"ЗЕМЯ"}, {U"X", U"Y"}});
    load(0);
    for (const char32_t* letter : {U"о", U"Б", U"В", U"Г", U"Д"}) {
        guess(letter);
    }
    ASSERT_EQ(state().hitCount, 2);
    ASSERT_TRUE(form.butonEnabled[0]);
    random.pushIndex(1);
    game.Timer1_Timer();
    guess(U"Ж");
    EXPECT_EQ(form.bukwa[1], U"0");
    EXPECT_EQ(form.bukwa[2], U"Браво!");
    EXPECT_FALSE(form.butonEnabled[0]);
}

TEST_F(LetterGuess, readsTheAttemptsBackFromTheirField) {
    // The field is the only record of the attempts: whatever number it holds counts.
    playWith(U"ОСЛО", U"НОРВЕГИЯ");
    form.bukwa[1] = U" 2.5 опита";
    guess(U"ж");
    EXPECT_EQ(form.bukwa[1], U"1.5");
    form.bukwa[1] = U"1";
    guess(U"ж");
    EXPECT_EQ(form.bukwa[2], U"Жалко!");
}

} // namespace
