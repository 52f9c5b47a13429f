#pragma once

#include "FakeForm.h"
#include "Game.h"
#include "RuntimeError.h"
#include "ScriptedRandom.h"

#include <gtest/gtest.h>

/// A game on a fake window with scripted draws, and the moves a player makes.
class GameFixture : public ::testing::Test {
protected:
    FakeForm form;
    ScriptedRandom random;
    game::Game game{form, random};

    const game::GameState& state() const { return game.state(); }

    /// Loads the window; its draw picks item `index` of the first category.
    void load(int index = 0) {
        random.pushIndex(index);
        game.Form_Load();
    }

    /// Presses "Нова игра"; its draw picks item `index` of the current category.
    void newGame(int index) {
        random.pushIndex(index);
        game.Buton_Click(1);
    }

    /// Types `text` into the letter box and presses "Въвеждам буква".
    void guess(game::TextView text) {
        form.bukwa[0] = text;
        game.Buton_Click(0);
    }

    /// Chooses menu item `item`; its draw picks item `index` of the chosen category.
    void chooseMenuItem(int item, int index) {
        random.pushIndex(index);
        game.Obrabotwa_Click(item);
    }

    /// Makes category 0 hold exactly one word to guess (and a second, never drawn).
    void playWith(game::Text answer, game::Text clue) {
        form.setCategory(0, {{answer, clue}, {U"НЕИЗТЕГЛЕНА", U"ПОСЛЕДНА"}});
        load(0);
        newGame(0);
    }
};
