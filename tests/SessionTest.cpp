// The session between either window and the game: events delivered while the game runs
// and never after it ended, a run-time error shown once, teachers' lists beside the
// built-in ones, the letter keys, and what the letter box keeps.

#include "Session.h"

#include "FormDefinition.h"
#include "LetterBox.h"
#include "RuntimeError.h"
#include "ScriptedRandom.h"

#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

/// A window as the session sees it: its elements' texts and states, and what the session
/// asked of it, as plain fields. Starts as the window's definition.
struct FakeWindow : session::Window {
    std::map<std::pair<std::string_view, int>, game::Text> texts;
    std::map<std::pair<std::string_view, int>, bool> shown;
    std::map<std::pair<std::string_view, int>, bool> enabled;
    int timerStarts = 0;
    std::optional<bool> keysEnabled; ///< none while the letter keys are not shown
    game::Text keysEntered;          ///< the letters the keys show as used
    std::vector<std::pair<int, game::Text>> menuItems;
    std::vector<int> hiddenItems;
    int focusCalls = 0;
    std::vector<int> ends; ///< the error numbers of the ends, 0 for "Изход"

    FakeWindow() {
        for (const ::form::Element& element : ::form::elements) {
            texts[{element.id.name, element.id.index}] = element.text;
        }
    }
    game::Text text(::form::ElementId id) const override { return texts.at({id.name, id.index}); }
    void setText(::form::ElementId id, game::TextView text) override {
        texts.at({id.name, id.index}) = text;
    }
    void setShown(::form::ElementId id, bool on) override { shown[{id.name, id.index}] = on; }
    void setEnabled(::form::ElementId id, bool on) override { enabled[{id.name, id.index}] = on; }
    void startTimer() override { ++timerStarts; }
    void showLetterKeys(bool on, game::TextView entered) override {
        keysEnabled = on;
        keysEntered = entered;
    }
    void showMenuItem(int item, game::TextView caption) override {
        menuItems.emplace_back(item, caption);
    }
    void hideMenuItem(int item) override { hiddenItems.push_back(item); }
    void focusLetterBox() override { ++focusCalls; }
    void end(int errorNumber, game::TextView) override { ends.push_back(errorNumber); }
};

class Session : public ::testing::Test {
protected:
    FakeWindow window;
    wordlists::Lists lists = wordlists::all();
    ScriptedRandom random;
    session::Session session{window, lists};
    game::Game game{session, random};

    void SetUp() override {
        session.bind(game);
        random.pushIndex(0);
        ASSERT_TRUE(session.Form_Load());
    }
    game::Text& text(std::string_view name, int index) { return window.texts.at({name, index}); }
};

TEST_F(Session, aRunTimeErrorIsShownOnceAndNoEventReachesTheGameAfterIt) {
    // A category of one answer divides by zero when chosen.
    lists[4] = {U"ДУНАВ"};
    lists[5] = {U"ЕВРОПА"};
    random.pushIndex(0);
    session.Obrabotwa_Click(3);
    EXPECT_EQ(window.ends, std::vector<int>{game::RuntimeError::DivisionByZero});
    EXPECT_TRUE(session.failed());
    const game::Text shown = text("stolica", 1);
    session.Timer1_Timer();
    session.Buton_Click(1);
    session.letterKey(0);
    EXPECT_EQ(text("stolica", 1), shown);
    EXPECT_EQ(window.focusCalls, 0);
    // A list that comes now is not taken, and the teacher is told why.
    const auto late = session.addList("Х;В\nА;Б\nВ;Г\n", U"Късно.csv", 13);
    EXPECT_FALSE(late.category);
    EXPECT_EQ(late.message,
              U"Файлът „Късно.csv“ не е зареден: играта е приключила и не взема списъци.");
    EXPECT_EQ(window.ends.size(), 1u);
}

TEST_F(Session, exitEndsOnceItsHandlerReturnsAndIgnoresLaterEvents) {
    session.Obrabotwa_Click(0);
    EXPECT_EQ(window.ends, std::vector<int>{0});
    EXPECT_TRUE(session.ended());
    EXPECT_FALSE(session.failed());
    random.pushIndex(0);
    session.Buton_Click(1);
    EXPECT_EQ(text("stolica", 0), U" Нова игра"); // no game started
    EXPECT_EQ(window.ends.size(), 1u);
}

TEST_F(Session, theLetterKeysStandForTheLetterButtonAndShowTheLettersEntered) {
    // Shown once the rules are hidden; a key or Enter guesses only while the button is on.
    EXPECT_FALSE(window.keysEnabled);
    random.pushIndex(0);
    session.Buton_Click(1);
    ASSERT_EQ(window.keysEnabled, true);
    const int key = static_cast<int>(::form::letterKeys::characters.find(U'М'));
    session.letterKey(key);
    EXPECT_EQ(text("bukwa", 3), U"М");
    EXPECT_EQ(window.keysEntered, U"М");
    EXPECT_TRUE(session::letterKeyUsed(key, window.keysEntered));
    EXPECT_FALSE(session::letterKeyUsed(key + 1, window.keysEntered));
    text("bukwa", 0) = U"а";
    session.enterInLetterBox();
    EXPECT_EQ(text("bukwa", 3), U"МА");
    session.setButonEnabled(0, false);
    EXPECT_EQ(window.keysEnabled, false);
    session.letterKey(key);
    session.enterInLetterBox();
    session.letterKey(-1);
    session.letterKey(::form::letterKeys::count);
    EXPECT_EQ(text("bukwa", 3), U"МА");
    random.pushIndex(0);
    session.Buton_Click(1);
    EXPECT_EQ(window.keysEnabled, true);
    EXPECT_EQ(window.keysEntered, U"");
}

TEST_F(Session, aTeachersListGetsItsMenuItemAndReplacingTheChosenOneChoosesItAgain) {
    const std::string first = "Връх;Планина\nМУСАЛА;Рила\nВИХРЕН;Пирин\n";
    const auto outcome = session.addList(first, U"Върхове.csv", first.size());
    ASSERT_TRUE(outcome.category);
    ASSERT_EQ(window.menuItems.size(), 1u);
    EXPECT_EQ(window.menuItems[0], std::make_pair(6, game::Text(U"Върхове")));
    random.pushIndex(0);
    session.Obrabotwa_Click(6);
    EXPECT_EQ(text("Label1", 0), U"Връх");
    EXPECT_EQ(session.List1Item(10, 1), U"ВИХРЕН");
    EXPECT_EQ(session.List1Item(0, 0), U"АМСТЕРДАМ");
    // The same name again: the chosen list is replaced and chosen again, with its words.
    const std::string second = "Езеро;Планина\nСМРАДЛИВОТО;Рила\nПОПОВО;Пирин\n";
    random.pushIndex(0);
    ASSERT_TRUE(session.addList(second, U"Върхове.csv", second.size()).category);
    EXPECT_EQ(text("Label1", 0), U"Езеро");
    EXPECT_EQ(game.state().categoryIndex, 5);
    EXPECT_EQ(window.menuItems.size(), 2u);
}

TEST_F(Session, aListChangedInTheEditorBecomesTheTeachersOwnAndCanBeRemoved) {
    const std::string school = "Връх;Планина\nМУСАЛА;Рила\nВИХРЕН;Пирин\n";
    session.addList(school, U"Върхове.csv", school.size(), session::ListHome::SchoolFolder);
    random.pushIndex(0);
    session.Obrabotwa_Click(6);
    // Changed and renamed while it is played: it leaves its item, takes the free place
    // and is chosen again with its new words; the school's file is nobody's to forget.
    auto editor = session.listEditor(5);
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor->cell(session::ListEditor::headerRow, 1), U"Планина");
    editor->setName(U"Мои върхове");
    editor->setCell(3, 0, U"Ботев");
    random.pushIndex(1);
    const auto kept = session.keepList(*editor, session::ListHome::OwnFolder, 5);
    ASSERT_EQ(kept.category, 5);
    EXPECT_EQ(kept.left, 5);
    EXPECT_EQ(kept.forget, U"");
    EXPECT_EQ(kept.fileName, U"Мои върхове.csv");
    EXPECT_EQ(window.hiddenItems, std::vector<int>{6});
    EXPECT_EQ(window.menuItems.back(), std::make_pair(6, game::Text(U"Мои върхове")));
    EXPECT_EQ(game.state().categoryIndex, 5);
    EXPECT_EQ(session.List1Item(10, 1), U"БОТЕВ");
    const auto read = wordlists::readListFile(kept.file, kept.fileName);
    ASSERT_TRUE(read.list);
    EXPECT_EQ(read.list->answers, (std::vector<std::u32string>{U"МУСАЛА", U"БОТЕВ"}));
    const auto entries = session.lists();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].home, session::ListHome::OwnFolder);
    EXPECT_EQ(entries[0].questions, 2u);

    // Removed while chosen: the first category is chosen, and the item chooses nothing.
    random.pushIndex(0);
    EXPECT_TRUE(session.removeList(5));
    EXPECT_EQ(window.hiddenItems, (std::vector<int>{6, 6}));
    EXPECT_EQ(game.state().categoryIndex, 0);
    session.Obrabotwa_Click(6);
    EXPECT_EQ(game.state().categoryIndex, 0);
    EXPECT_TRUE(session.lists().empty());
    EXPECT_FALSE(session.removeList(5));
    // A list without a hint is kept nowhere, as a file without one is not read.
    session::ListEditor empty;
    // Nor one without a name, in either window.
    EXPECT_EQ(session.keepList(empty, session::ListHome::OwnFolder).message,
              U"Списъкът не е запазен: списъкът няма име.");
    empty.setName(U"Празен");
    empty.paste(2, 0, U"А\tБ\nВ\tГ\n");
    const auto refused = session.keepList(empty, session::ListHome::OwnFolder);
    EXPECT_FALSE(refused.category);
    EXPECT_TRUE(refused.file.empty());
    EXPECT_NE(refused.message.find(U"подсказката"), std::u32string::npos);
    // The next list takes the removed one's place in the menu.
    EXPECT_EQ(session.addList(school, U"Нови.csv", school.size()).category, 5);
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
