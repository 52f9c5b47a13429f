#pragma once

#include "FormDefinition.h"
#include "Text.h"

namespace session {

/**
 * A window as the session sees it: its elements by the names and indices of the window's
 * definition (form::ElementId), and the few things it draws its own way. The session
 * turns the game's operations into these.
 */
class Window {
public:
    virtual ~Window() = default;

    // The elements: the text of a field, a label's caption or a button's, shown or
    // hidden, enabled or not.
    virtual game::Text text(form::ElementId id) const = 0;
    virtual void setText(form::ElementId id, game::TextView text) = 0;
    virtual void setShown(form::ElementId id, bool shown) = 0;
    virtual void setEnabled(form::ElementId id, bool enabled) = 0;
    /// Starts Timer1, which then ticks through Session::Timer1_Timer.
    virtual void startTimer() = 0;

    /// The letter keys (form::letterKeys) take the rules' place; `enabled` while the
    /// letter button is, each used (letterKeyUsed) when the letters `entered` hold its
    /// character. Called again when either changes.
    virtual void showLetterKeys(bool enabled, game::TextView entered) = 0;

    /// Menu item Obrabotwa(item) shows `caption`, as plain text; a new item comes after
    /// the others.
    virtual void showMenuItem(int item, game::TextView caption) = 0;
    /// Menu item Obrabotwa(item) is hidden, its list removed; showMenuItem shows it again.
    virtual void hideMenuItem(int item) = 0;
    /// The letter box takes the focus, so that the next letter can be typed at once.
    virtual void focusLetterBox() = 0;

    /// The game ended, by "Изход" (`errorNumber` 0) or by the run-time error `errorNumber`
    /// with its `description`, shown first: stop the timer and end.
    virtual void end(int errorNumber, game::TextView description) = 0;
};

} // namespace session
