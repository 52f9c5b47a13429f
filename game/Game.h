#pragma once

#include "CategoryTable.h"
#include "DecimalText.h"
#include "FormInterface.h"
#include "GameState.h"
#include "QuestionOrder.h"
#include "RandomSource.h"

#include <vector>

namespace game {

/**
 * The rules of the game, as the event handlers of the main window.
 *
 * Each handler runs to its end on the window's event thread. A handler either
 * completes or throws RuntimeError, which it never catches itself. The masked word,
 * the attempts left and the letters entered live only in the window's fields and are
 * read back from there.
 */
class Game {
public:
    /// The game in `form`, drawing with `random` and writing and reading its numbers
    /// through `numbers`.
    Game(FormInterface& form, RandomSource& random,
         const NumberConversions& numbers = standardConversions());

    /// The window has been created: seeds the random numbers, selects the first
    /// category, draws a word and starts the timer in idle-shuffle mode.
    void Form_Load();

    /// A click on Buton(index): 0 "Въвеждам буква" guesses the letter in bukwa(0),
    /// 1 "Нова игра" starts a new game. Other indices do nothing.
    void Buton_Click(int index);

    /// A click on the menu item Obrabotwa(index): 0 "Изход" ends the program,
    /// 1 to categoryTable().size() choose category index - 1 and prepare a word and
    /// question of it.
    void Obrabotwa_Click(int index);

    /// A tick of Timer1: shuffles answers before the first game, then scrolls the question.
    void Timer1_Timer();

    /// The window-level variables, for the window and for tests to read.
    const GameState& state() const noexcept { return s_; }

    /// The categories of the menu: the five built-in ones, then those added.
    const CategoryTable& categoryTable() const noexcept { return categories_; }

    /// Adds a category beside the others (see CategoryTable::add), between handlers. The
    /// window then holds its answers and clues as List1(2c) and List1(2c + 1) and adds
    /// its menu item Obrabotwa(c + 1); where it replaced the chosen category, the window
    /// chooses it again, so that no word of the list it replaced stays in play.
    std::optional<CategoryTable::Placed> addCategory(AddedCategory category);
    /// Takes the added category `c` off the menu (CategoryTable::remove), between
    /// handlers; the window hides its menu item, having chosen another where `c` was chosen.
    bool removeCategory(int c) { return categories_.remove(c); }

private:
    void PickRandomWord(bool showAnswer);
    void StartGame();
    void guessLetter();
    void newGame();
    void endGame(TextView banner, TextView answer);
    void showMarqueeAt(std::int32_t position, std::int16_t width);

    int drawWordIndex();
    int drawQuestion();
    bool addedCategory() const;
    int existingList(int index) const;
    int answerList() const;
    int listCount(int index) const;
    TextView listItem(int index, int item) const;

    FormInterface& form_;
    RandomSource& random_;
    const NumberConversions& numbers_;
    GameState s_;
    CategoryTable categories_;
    std::vector<QuestionOrder> addedOrders_; ///< of the added categories, in their order
};

} // namespace game
