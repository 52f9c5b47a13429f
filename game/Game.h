#pragma once

#include "FormInterface.h"
#include "GameState.h"
#include "RandomSource.h"

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
    Game(FormInterface& form, RandomSource& random);

    /// The window has been created: seeds the random numbers, selects the first
    /// category, draws a word and starts the timer in idle-shuffle mode.
    void Form_Load();

    /// A click on Buton(index): 0 "Въвеждам буква" guesses the letter in bukwa(0),
    /// 1 "Нова игра" starts a new game. Other indices do nothing.
    void Buton_Click(int index);

    /// A click on the menu item Obrabotwa(index): 0 "Изход" ends the program,
    /// 1 to 5 choose category index - 1 and prepare a word and question of it.
    void Obrabotwa_Click(int index);

    /// A tick of Timer1: shuffles answers before the first game, then scrolls the question.
    void Timer1_Timer();

    /// The window-level variables, for the window and for tests to read.
    const GameState& state() const noexcept { return s_; }

private:
    void PickRandomWord();
    void StartGame();
    void guessLetter();
    void newGame();
    void endGame(TextView banner, TextView answer);

    int drawWordIndex();
    int answerList() const;
    int listCount(int index) const;
    TextView listItem(int index, int item) const;

    FormInterface& form_;
    RandomSource& random_;
    GameState s_;
};

} // namespace game
