#pragma once

#include "FormInterface.h"

#include <array>
#include <initializer_list>
#include <utility>
#include <vector>

/// A window without a screen: every element the game touches is a plain field that
/// tests set up and read back. Starts as the real window does after it is created.
struct FakeForm : game::FormInterface {
    FakeForm();

    std::array<game::Text, 5> bukwa{};
    std::array<bool, 5> bukwaVisible{true, true, false, true, true};
    std::array<game::Text, 2> stolica{U" Нова игра", U""};
    std::array<bool, 2> butonEnabled{true, true};
    std::array<game::Text, 4> label1{U"Възможно име на столица", U"брой опити", U"Главна буква/и",
                                     U"Въведено:"};
    /// The game's own lists unless replaced, then the lists of added categories.
    std::vector<std::vector<game::Text>> lists = std::vector<std::vector<game::Text>>(10);
    /// Every text written into the display line stolica(1), in order.
    std::vector<game::Text> displayLineWrites;
    int timerEnableCalls = 0;
    int endProgramCalls = 0;

    /// Replaces the answers and clues of `category` with the given (answer, clue) pairs.
    void setCategory(int category, std::initializer_list<std::pair<game::Text, game::Text>> pairs);

    game::Text bukwaText(int index) const override { return bukwa.at(index); }
    void setBukwaText(int index, game::TextView text) override { bukwa.at(index) = text; }
    game::Text stolicaText(int index) const override { return stolica.at(index); }
    void setStolicaText(int index, game::TextView text) override {
        stolica.at(index) = text;
        if (index == 1) {
            displayLineWrites.emplace_back(text);
        }
    }
    void setBukwaVisible(int index, bool visible) override { bukwaVisible.at(index) = visible; }
    void setButonEnabled(int index, bool enabled) override { butonEnabled.at(index) = enabled; }
    void setLabel1Caption(int index, game::TextView caption) override {
        label1.at(index) = caption;
    }
    int List1Count(int index) const override { return static_cast<int>(lists.at(index).size()); }
    game::TextView List1Item(int index, int item) const override;
    void enableTimer1() override { ++timerEnableCalls; }
    void endProgram() override { ++endProgramCalls; }
};
