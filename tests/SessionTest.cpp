// The session between either window and the game: events delivered while the game runs
// and never after it ended, a run-time error shown once, teachers' lists beside the
// built-in ones, the letter keys, and what the letter box keeps.

#include "Session.h"

#include "FakeForm.h"
#include "FormDefinition.h"
#include "LetterBox.h"
#include "RuntimeError.h"
#include "ScriptedRandom.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

/// A window as the session sees it: the fake window's fields, and what the session asked
/// of it as plain fields too.
struct FakeWindow : session::Window {
    FakeForm form;
    session::Session* session = nullptr;
    std::vector<int> errors; ///< the numbers of the errors shown
    int normalEnds = 0;
    std::vector<std::pair<int, game::Text>> menuItems;
    bool letterButton = true;
    int focusCalls = 0;

    game::Text bukwaText(int index) const override { return form.bukwaText(index); }
    void setBukwaText(int index, game::TextView text) override { form.setBukwaText(index, text); }
    game::Text stolicaText(int index) const override { return form.stolicaText(index); }
    void setStolicaText(int index, game::TextView text) override {
        form.setStolicaText(index, text);
    }
    void setBukwaVisible(int index, bool visible) override { form.setBukwaVisible(index, visible); }
    void setButonEnabled(int index, bool enabled) override { form.setButonEnabled(index, enabled); }
    void setLabel1Caption(int index, game::TextView caption) override {
        form.setLabel1Caption(index, caption);
    }
    int List1Count(int index) const override { return session->List1Count(index); }
    game::TextView List1Item(int index, int item) const override {
        return session->List1Item(index, item);
    }
    void enableTimer1() override { form.enableTimer1(); }
    void endProgram() override { session->endProgram(); }

    void endWithError(int number, game::TextView) override { errors.push_back(number); }
    void endNormally() override { ++normalEnds; }
    void showMenuItem(int item, game::TextView caption) override {
        menuItems.emplace_back(item, caption);
    }
    bool letterButtonEnabled() const override { return letterButton; }
    void focusLetterBox() override { ++focusCalls; }
};

class Session : public ::testing::Test {
protected:
    FakeWindow window;
    FakeForm& form = window.form;
    wordlists::Lists lists = wordlists::all();
    ScriptedRandom random;
    game::Game game{window, random};
    session::Session session{window, lists};

    void SetUp() override {
        window.session = &session;
        session.bind(game);
        random.pushIndex(0);
        ASSERT_TRUE(session.Form_Load());
    }
};

TEST_F(Session, aRunTimeErrorIsShownOnceAndNoEventReachesTheGameAfterIt) {
    // A category of one answer divides by zero when chosen.
    lists[4] = {U"ДУНАВ"};
    lists[5] = {U"ЕВРОПА"};
    random.pushIndex(0);
    session.Obrabotwa_Click(3);
    EXPECT_EQ(window.errors, std::vector<int>{game::RuntimeError::DivisionByZero});
    EXPECT_TRUE(session.failed());
    const game::Text shown = form.stolica[1];
    session.Timer1_Timer();
    session.Buton_Click(1);
    session.letterKey(0);
    EXPECT_EQ(form.stolica[1], shown);
    EXPECT_EQ(window.focusCalls, 0);
    EXPECT_FALSE(session.addList("Х;В\nА;Б\nВ;Г\n", U"Късно.csv", 13));
    EXPECT_EQ(window.errors.size(), 1u);
}

TEST_F(Session, exitEndsOnceItsHandlerReturnsAndIgnoresLaterEvents) {
    session.Obrabotwa_Click(0);
    EXPECT_EQ(window.normalEnds, 1);
    EXPECT_TRUE(session.ended());
    EXPECT_FALSE(session.failed());
    random.pushIndex(0);
    session.Buton_Click(1);
    EXPECT_EQ(form.stolica[0], U" Нова игра"); // no game started
    EXPECT_EQ(window.normalEnds, 1);
}

TEST_F(Session, aLetterKeyOrEnterGuessesOnlyWhileTheLetterButtonTakesALetter) {
    random.pushIndex(0);
    session.Buton_Click(1);
    const int key = static_cast<int>(::form::letterKeys::characters.find(U'М'));
    session.letterKey(key);
    EXPECT_EQ(form.bukwa[3], U"М");
    form.bukwa[0] = U"а";
    session.enterInLetterBox();
    EXPECT_EQ(form.bukwa[3], U"МА");
    window.letterButton = false;
    session.letterKey(key);
    session.enterInLetterBox();
    session.letterKey(-1);
    session.letterKey(::form::letterKeys::count);
    EXPECT_EQ(form.bukwa[3], U"МА");
    EXPECT_TRUE(session::letterKeyUsed(key, form.bukwa[3]));
    EXPECT_FALSE(session::letterKeyUsed(key + 1, form.bukwa[3]));
}

TEST_F(Session, aTeachersListGetsItsMenuItemAndReplacingTheChosenOneChoosesItAgain) {
    const std::string first = "Връх;Планина\nМУСАЛА;Рила\nВИХРЕН;Пирин\n";
    const auto outcome = session.addList(first, U"Върхове.csv", first.size());
    ASSERT_TRUE(outcome && outcome->category);
    ASSERT_EQ(window.menuItems.size(), 1u);
    EXPECT_EQ(window.menuItems[0], std::make_pair(6, game::Text(U"Върхове")));
    random.pushIndex(0);
    session.Obrabotwa_Click(6);
    EXPECT_EQ(form.label1[0], U"Връх");
    EXPECT_EQ(window.List1Item(10, 1), U"ВИХРЕН");
    EXPECT_EQ(window.List1Item(0, 0), U"АМСТЕРДАМ");
    // The same name again: the chosen list is replaced and chosen again, with its words.
    const std::string second = "Езеро;Планина\nСМРАДЛИВОТО;Рила\nПОПОВО;Пирин\n";
    random.pushIndex(0);
    ASSERT_TRUE(session.addList(second, U"Върхове.csv", second.size()));
    EXPECT_EQ(form.label1[0], U"Езеро");
    EXPECT_EQ(game.state().categoryIndex, 5);
    EXPECT_EQ(window.menuItems.size(), 2u);
}

struct Kept {
    const char32_t* before;
    bool replacesAll;
    const char32_t* proposed;
    const char32_t* kept;
};

class LetterBox : public ::testing::TestWithParam<Kept> {};

TEST_P(LetterBox, keepsOneCharacterThatTheBoxCanShow) {
    const Kept& row = GetParam();
    EXPECT_EQ(session::keptInLetterBox(row.before, row.replacesAll, row.proposed), row.kept);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, LetterBox,
    ::testing::Values(Kept{U"", true, U"б", U"б"}, Kept{U"", true, U"", U""},
                      Kept{U"а", false, U"аб", U"а"}, Kept{U"а", true, U"бв", U"б"},
                      Kept{U"", true, U"\r\n\tОСЛО", U"О"}, Kept{U"", true, U"\u2028\u0085", U""},
                      Kept{U"", true, U"😀x", U"😀"}, Kept{U"а", false, U"\n", U"а"}));

} // namespace
