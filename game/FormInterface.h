#pragma once

#include "Text.h"

namespace game {

/**
 * The main window as the game sees it: the few operations on named elements that
 * the rules need. Elements are addressed by their name and index, as in the window.
 *
 * The game calls these only from inside its handlers, one at a time.
 */
class FormInterface {
public:
    virtual ~FormInterface() = default;

    /// Text of the text box bukwa(index), index 0 to 4.
    virtual Text bukwaText(int index) const = 0;
    virtual void setBukwaText(int index, TextView text) = 0;

    /// Text of the text box stolica(index), index 0 or 1.
    virtual Text stolicaText(int index) const = 0;
    virtual void setStolicaText(int index, TextView text) = 0;

    /// Shows or hides bukwa(index); the game uses 2 (result banner) and 4 (rules text).
    virtual void setBukwaVisible(int index, bool visible) = 0;

    /// Enables or disables Buton(index); the game uses 0 (the letter button).
    virtual void setButonEnabled(int index, bool enabled) = 0;

    /// Caption of the label Label1(index); the game uses 0 (the category hint).
    virtual void setLabel1Caption(int index, TextView caption) = 0;

    /// Number of items of the word list List1(index): two lists a category, from 0.
    virtual int List1Count(int index) const = 0;

    /// Item `item` of List1(index); the empty text when `item` is not a valid item index.
    /// The view stays valid for the life of the window.
    virtual TextView List1Item(int index, int item) const = 0;

    /// Starts Timer1; from then on it ticks for the life of the window.
    virtual void enableTimer1() = 0;

    /// Ends the program at once, without confirmation, once the current handler returns.
    virtual void endProgram() = 0;
};

} // namespace game
