#include "GameFixture.h"
#include "ValueRules.h"

#include <set>

namespace {

using IdleShuffle = GameFixture;

TEST_F(IdleShuffle, everyTickShowsAFreshlyDrawnAnswerOfTheCategory) {
    load(0);
    for (int index : {12, 12, 0, 162}) {
        random.pushIndex(index);
        game.Timer1_Timer();
        EXPECT_EQ(state().wordIndex, index);
        EXPECT_EQ(form.stolica[1], form.lists[0][index]); // the answer, not the clue
    }
    EXPECT_EQ(form.stolica[0], U" Нова игра");
}

TEST_F(IdleShuffle, followsTheChosenCategoryFromTheNextTick) {
    load(0);
    chooseMenuItem(3, 0);
    random.pushIndex(40);
    game.Timer1_Timer();
    EXPECT_EQ(form.stolica[1], form.lists[4][40]);
    EXPECT_EQ(state().timerMode, game::GameState::IdleShuffle);
}

class Marquee : public GameFixture {
protected:
    /// Ticks once and returns the start position and the slice shown.
    std::pair<int, game::Text> tick() {
        game.Timer1_Timer();
        return {state().scrollPos, form.stolica[1]};
    }

    /// Checks one whole cycle of start positions 1 .. width - 1 and its slices.
    void expectCycle(int width) {
        const auto& marquee = state().marqueeText;
        for (int round = 0; round < 2; ++round) {
            for (int pos = 1; pos < width; ++pos) {
                const auto [start, shown] = tick();
                ASSERT_EQ(start, pos);
                ASSERT_EQ(shown, marquee.substr(pos - 1, width));
                ASSERT_EQ(shown.size(), static_cast<std::size_t>(width));
            }
        }
    }
};

TEST_F(Marquee, anEvenLengthQuestionScrollsInWindowsOfItsLength) {
    // 36 characters: the marquee text has 73, the window is 36 wide, starts cycle 1..35.
    playWith(U"АМСТЕРДАМ", U"НИДЕРЛАНДИЯ");
    ASSERT_EQ(state().questionText.size(), 36u);
    ASSERT_EQ(state().marqueeText.size(), 73u);
    expectCycle(36);
}

TEST_F(Marquee, anOddLengthQuestionRoundsItsWindowToEven) {
    // 31 characters: 63 in the marquee text, 31.5 rounds to 32, starts cycle 1..31.
    playWith(U"АНДОРА ЛА ВЕЛЯ", U"АНДОРА");
    ASSERT_EQ(state().questionText.size(), 31u);
    ASSERT_EQ(state().marqueeText.size(), 63u);
    expectCycle(32);
}

TEST_F(Marquee, theEndOfAGameWidensTheWindowWithoutRestartingIt) {
    // The answer joins the question; scrolling goes on from where it was.
    playWith(U"РИМ", U"ИТАЛИЯ"); // 31 characters, window 32
    for (int i = 0; i < 10; ++i) {
        tick();
    }
    ASSERT_EQ(state().scrollPos, 10);
    guess(U"Р");
    guess(U"И");
    guess(U"М");
    ASSERT_EQ(form.bukwa[2], U"Браво!");
    const auto [start, shown] = tick(); // 34 characters now: 69 in all, window 34
    EXPECT_EQ(start, 11);
    EXPECT_EQ(shown, state().marqueeText.substr(10, 34));
}

TEST_F(Marquee, aCategoryChoiceShowsTheNewQuestionFromItsStart) {
    playWith(U"РИМ", U"ИТАЛИЯ");
    for (int i = 0; i < 7; ++i) {
        tick();
    }
    chooseMenuItem(3, 0);
    const auto [start, shown] = tick();
    const auto width = static_cast<std::size_t>(game::marqueeWidth(state().marqueeText.size()));
    EXPECT_EQ(start, 1);
    EXPECT_EQ(shown, state().marqueeText.substr(0, width));
    EXPECT_EQ(shown.substr(0, 17), U"Река в континент ");
}

TEST_F(Marquee, neverReturnsToTheShuffle) {
    // Ticks in marquee mode draw nothing: the script would run out otherwise.
    playWith(U"РИМ", U"ИТАЛИЯ");
    std::set<game::Text> shown;
    for (int i = 0; i < 100; ++i) {
        shown.insert(tick().second);
    }
    EXPECT_TRUE(random.script.empty());
    EXPECT_EQ(shown.size(), 31u);
    EXPECT_EQ(state().timerMode, game::GameState::Marquee);
}

} // namespace
