#include "GameFixture.h"

namespace {

struct MenuRow {
    int item;
    const char32_t* prefix;
    const char32_t* hint;
};

std::ostream& operator<<(std::ostream& out, const MenuRow& row) {
    return out << "menu item " << row.item;
}

class CategoryMenu : public GameFixture, public ::testing::WithParamInterface<MenuRow> {};

TEST_P(CategoryMenu, setsPrefixHintAndAFreshQuestionOfTheCategory) {
    // Each category item draws from its own answers and asks with its own clue.
    const auto& row = GetParam();
    const int category = row.item - 1;
    load();
    chooseMenuItem(row.item, 3);
    EXPECT_EQ(state().categoryIndex, category);
    EXPECT_EQ(state().cluePrefix, row.prefix);
    EXPECT_EQ(form.label1[0], row.hint);
    EXPECT_EQ(state().lastIndex, static_cast<int>(form.lists[2 * category].size()) - 1);
    EXPECT_EQ(state().wordIndex, 3);
    EXPECT_EQ(form.stolica[1], form.lists[2 * category][3]);
    EXPECT_EQ(state().questionText, row.prefix + form.lists[2 * category + 1][3] + U" e: ");
    EXPECT_EQ(form.bukwa[1], U"5");
}

INSTANTIATE_TEST_SUITE_P(
    Table, CategoryMenu,
    ::testing::Values(MenuRow{1, U"Столица на държавата ", U"Възможно име на столица"},
                      MenuRow{2, U"Община в окръг ", U"Възможно име на община"},
                      MenuRow{3, U"Река в континент ", U"Възможно име на река"},
                      MenuRow{4, U"Остров в море/океан ", U"Възможно име на остров"},
                      MenuRow{5, U"Столицата на американския щат ", U"Възможно име на столица"}));

using Menu = GameFixture;

TEST_F(Menu, stateCapitalsAfterCapitalsKeepTheHintCaption) {
    load();
    chooseMenuItem(1, 0);
    chooseMenuItem(5, 0);
    EXPECT_EQ(state().cluePrefix, U"Столицата на американския щат ");
    EXPECT_EQ(form.label1[0], U"Възможно име на столица");
}

TEST_F(Menu, aShortListAfterALongOneAlwaysGivesAWordOfTheShortList) {
    // From the 234 municipalities to the 50 state capitals, the draw is bounded by 49.
    load();
    chooseMenuItem(2, 0);
    for (int k = 0; k < 1000; ++k) {
        chooseMenuItem(2, 0);
        random.script.push_back(static_cast<float>(k) / 1000.0f);
        game.Obrabotwa_Click(5);
        ASSERT_GE(state().wordIndex, 0);
        ASSERT_LE(state().wordIndex, 48);
        ASSERT_NE(state().questionText, U"Столицата на американския щат  e: ");
    }
}

TEST_F(Menu, keepsTheMaskTheEnteredLettersTheBannerAndTheButton) {
    // A category change replaces the word and question, not what the fields show.
    playWith(U"ОСЛО", U"НОРВЕГИЯ");
    guess(U"О");
    guess(U"О");
    ASSERT_FALSE(form.butonEnabled[0]);
    chooseMenuItem(3, 10);
    EXPECT_EQ(form.stolica[0], U"О??О");
    EXPECT_EQ(form.bukwa[3], U"ОО");
    EXPECT_EQ(form.bukwa[2], U"Браво!");
    EXPECT_TRUE(form.bukwaVisible[2]);
    EXPECT_FALSE(form.butonEnabled[0]);
    EXPECT_EQ(state().hitCount, 0);
    EXPECT_EQ(form.bukwa[1], U"5");
    EXPECT_EQ(state().timerMode, game::GameState::Marquee);
}

TEST_F(Menu, theNextGuessComparesTheNewAnswerWithTheOldMask) {
    // Positions not matched take the old mask's characters, position by position.
    form.setCategory(1, {{U"БАНСКО", U"БЛАГОЕВГРАД"}, {U"X", U"Y"}});
    playWith(U"РИМ", U"ИТАЛИЯ");
    guess(U"Р");
    chooseMenuItem(2, 0);
    guess(U"А");
    EXPECT_EQ(form.stolica[0], U"РА?");
    EXPECT_EQ(state().hitCount, 1);
}

TEST_F(Menu, exitEndsTheProgramAtOnceInTheMiddleOfAGame) {
    playWith(U"ОСЛО", U"НОРВЕГИЯ");
    guess(U"С");
    const FakeForm before = form;
    game.Obrabotwa_Click(0);
    EXPECT_EQ(form.endProgramCalls, 1);
    EXPECT_EQ(state().categoryIndex, -1);
    EXPECT_EQ(form.bukwa, before.bukwa);
    EXPECT_EQ(form.stolica, before.stolica);
    EXPECT_TRUE(random.script.empty());
}

TEST_F(Menu, anItemThatTheMenuDoesNotHaveIsARunTimeError) {
    // Only items 0 to 5 exist; any other index names a list that is not there.
    load();
    for (int item : {6, -1, 100}) {
        try {
            game.Obrabotwa_Click(item);
            ADD_FAILURE() << "no error for item " << item;
        } catch (const game::RuntimeError& e) {
            EXPECT_EQ(e.number(), game::RuntimeError::ControlArrayElementMissing);
        }
        EXPECT_EQ(form.label1[0], U"Възможно име на столица");
    }
}

TEST_F(Menu, aOneItemCategoryStopsWithDivisionByZero) {
    load();
    form.setCategory(3, {{U"КРИТ", U"Острови в Средиземно море"}});
    EXPECT_THROW(chooseMenuItem(4, 0), game::RuntimeError);
}

using AddedCategories = GameFixture;

TEST_F(AddedCategories, areChosenByTheItemsAfterTheBuiltInOnesAndPlayAsThey) {
    // A teacher's list is category 5, chosen by Obrabotwa(6), with its own hint and prefix.
    load();
    const auto placed = game.addCategory({U"Върхове", U"Връх на планина ", U"Име на връх"});
    ASSERT_TRUE(placed);
    EXPECT_EQ(placed->category, 5);
    EXPECT_FALSE(placed->replaced);
    form.lists.push_back({U"МУСАЛА", U"ВИХРЕН", U"БОТЕВ"});
    form.lists.push_back({U"Рила", U"Пирин", U"Стара планина"});
    // The choice shows any answer, ВИХРЕН; the first game asks the first of the list's
    // order, МУСАЛА (every place keeps its question).
    random.script = {0.5f, 0.0f, 0.0f};
    game.Obrabotwa_Click(6);
    EXPECT_EQ(form.label1[0], U"Име на връх");
    EXPECT_EQ(state().questionText, U"Връх на планина Пирин e: ");
    game.Buton_Click(1);
    EXPECT_EQ(form.stolica[0], U"??????");
    for (const char32_t* letter : {U"м", U"у", U"с", U"а", U"л"}) {
        guess(letter);
    }
    EXPECT_EQ(form.bukwa[2], U"Браво!");
    EXPECT_EQ(state().questionText, U"Връх на планина Рила e: МУСАЛА");
}

TEST_F(AddedCategories, replaceTheirNamesakeNeverABuiltInOneAndStopAtTwenty) {
    game::CategoryTable table;
    EXPECT_EQ(table.add({U"Реки", U"", U"x"})->category, 5);
    EXPECT_EQ(table[5].menuCaption, U"Реки (2)");
    EXPECT_EQ(table[2].cluePrefix, U"Река в континент ");
    for (int k = 1; k < game::CategoryTable::maxAdded; ++k) {
        ASSERT_EQ(table.add({U"Списък " + game::Text(1, U'А' + k), U"", U""})->category, 5 + k);
    }
    EXPECT_FALSE(table.add({U"Още един", U"", U""}));
    const auto again = table.add({U"Реки", U"Нова ", U"y"});
    ASSERT_TRUE(again);
    EXPECT_EQ(again->category, 5);
    EXPECT_TRUE(again->replaced);
    EXPECT_EQ(table[5].cluePrefix, U"Нова ");
    EXPECT_EQ(table.size(), 5 + game::CategoryTable::maxAdded);
}

} // namespace
