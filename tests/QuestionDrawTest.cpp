// Which question a game asks: a teacher's list asks each of its questions once before any
// again, the built-in lists keep their own draw, and the word being asked never shows in
// the display line while the question scrolls.

#include "GameFixture.h"
#include "SeededRandom.h"
#include "ValueRules.h"

#include <algorithm>
#include <numeric>
#include <string>

namespace {

game::Text numbered(const char32_t* start, int i) {
    game::Text text = start;
    for (const char digit : std::to_string(i)) {
        text += static_cast<char32_t>(digit);
    }
    return text;
}

/// Adds a teacher's list of `count` questions as category 5, chosen by menu item 6.
void addList(FakeForm& form, game::Game& game, int count) {
    ASSERT_TRUE(game.addCategory({U"Списък", U"Въпрос ", U"Отговор"}));
    form.lists.resize(12);
    for (int i = 0; i < count; ++i) {
        form.lists[10].push_back(numbered(U"О", i));
        form.lists[11].push_back(numbered(U"В", i));
    }
}

class TeacherListDraw : public ::testing::TestWithParam<int> {};

TEST_P(TeacherListDraw, asksEveryQuestionOnceBeforeAnyAgainAndNeverOneTwiceInARow) {
    // As a teacher does it: the list loaded, chosen while the answers shuffle, then
    // "Нова игра" for three rounds of the whole list. The choice asks no question.
    const int count = GetParam();
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        FakeForm form;
        SeededRandom random(seed);
        game::Game game(form, random);
        game.Form_Load();
        addList(form, game, count);
        std::vector<int> asked;
        game.Obrabotwa_Click(6);
        while (static_cast<int>(asked.size()) < 3 * count) {
            game.Buton_Click(1);
            asked.push_back(game.state().wordIndex);
        }
        std::vector<int> all(static_cast<std::size_t>(count));
        std::iota(all.begin(), all.end(), 0);
        for (int round = 0; round < 3; ++round) {
            std::vector<int> part(asked.begin() + round * count,
                                  asked.begin() + (round + 1) * count);
            std::sort(part.begin(), part.end());
            ASSERT_EQ(part, all) << "seed " << seed << ", round " << round;
        }
        EXPECT_EQ(std::adjacent_find(asked.begin(), asked.end()), asked.end()) << "seed " << seed;
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, TeacherListDraw, ::testing::Values(2, 3, 10, 1500));

using QuestionDraw = GameFixture;

TEST_F(QuestionDraw, theBuiltInListsKeepTheirDrawThatNeverReachesTheLastItem) {
    // r × 1000 mod (count − 1), whatever came before: a teacher's list changes none of it.
    load();
    game.addCategory({U"Списък", U"Въпрос ", U"Отговор"});
    for (int item = 1; item <= 5; ++item) {
        chooseMenuItem(item, 0);
        const int lastIndex = static_cast<int>(form.lists[2 * (item - 1)].size()) - 1;
        for (int k : {0, 48, 49, 163, 233, 999}) {
            newGame(k);
            ASSERT_EQ(state().wordIndex, k % lastIndex) << "menu item " << item << ", " << k;
        }
    }
}

TEST_F(QuestionDraw, aNewGameOrAChoiceDuringAGameShowsTheQuestionNeverTheAnswer) {
    // The display line shows at once what the next tick shows: the question from its start.
    load();
    addList(form, game, 4);
    const auto expectQuestionShown = [&](const char* after) {
        const game::TextView answer = form.lists[2 * state().categoryIndex][state().wordIndex];
        for (const game::Text& shown : form.displayLineWrites) {
            EXPECT_EQ(shown.find(answer), game::Text::npos) << after;
        }
        const auto width = game::marqueeWidth(state().marqueeText.size());
        EXPECT_EQ(form.stolica[1], state().marqueeText.substr(0, width)) << after;
        const game::Text before = form.stolica[1];
        game.Timer1_Timer();
        EXPECT_EQ(form.stolica[1], before) << after;
        EXPECT_EQ(state().scrollPos, 1) << after;
        form.displayLineWrites.clear();
    };
    form.displayLineWrites.clear();
    newGame(3);
    expectQuestionShown("the first new game");
    newGame(5);
    expectQuestionShown("a second new game");
    chooseMenuItem(3, 7);
    expectQuestionShown("a built-in category chosen during a game");
    random.pushIndex(0);
    random.pushIndex(0);
    random.pushIndex(0);
    game.Obrabotwa_Click(6);
    expectQuestionShown("a teacher's list chosen during a game");
}

} // namespace
