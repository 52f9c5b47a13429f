#pragma once

#include "AddedLists.h"
#include "FormInterface.h"
#include "Game.h"
#include "WordLists.h"

#include <optional>
#include <string_view>

namespace session {

/**
 * A window as the session sees it: the game's operations on its elements, which the game
 * alone uses, and what the window does for the session, each window its own way.
 */
class Window : public game::FormInterface {
public:
    /// A run-time error left a handler: stop the timer, show error `number` with its
    /// `description`, and end. No event reaches the game after it.
    virtual void endWithError(int number, game::TextView description) = 0;

    /// "Изход" ended the game: stop the timer and end.
    virtual void endNormally() = 0;

    /// Menu item Obrabotwa(item) shows `caption`, as plain text; a new item comes after
    /// the others.
    virtual void showMenuItem(int item, game::TextView caption) = 0;

    /// Whether "Въвеждам буква", Buton(0), takes a letter now.
    virtual bool letterButtonEnabled() const = 0;

    /// The letter box takes the focus, so that the next letter can be typed at once.
    virtual void focusLetterBox() = 0;
};

/**
 * Everything a window does alike between its elements and the game: the window's events
 * delivered to the game's handlers, a run-time error turned into "show it, then end",
 * the teachers' lists beside the built-in ones, and the letter keys. A window creates
 * and draws its elements, and hands its events here.
 *
 * Once the game has ended, by "Изход" or an error, no event reaches it any more.
 */
class Session {
public:
    using Outcome = wordlists::AddedLists::Outcome;

    /// `window` and `lists`, the built-in word lists, must outlive the session.
    Session(Window& window, const wordlists::Lists& lists);
    Session(Window&, wordlists::Lists&&) = delete;

    /// Delivers the window's events to `game`, which must outlive the session. Once only.
    void bind(game::Game& game);

    /// The window has been created: the game's load handler. False when it failed.
    bool Form_Load();
    /// A click on Buton(index); the focus then returns to the letter box.
    void Buton_Click(int index);
    /// A choice of the menu item Obrabotwa(index); the focus then goes to the letter box.
    void Obrabotwa_Click(int index);
    /// One tick of Timer1.
    void Timer1_Timer();

    /// Enter in the letter box: a click on "Въвеждам буква", while that takes a letter.
    void enterInLetterBox();
    /// Letter key `key` (form::letterKeys): its character typed into the letter box and
    /// "Въвеждам буква" clicked, while that takes a letter.
    void letterKey(int key);

    /// Reads a teacher's list file and adds it as a category (AddedLists::load) with its
    /// menu item; where it replaced the chosen category, that is chosen again. None once
    /// the game has ended.
    std::optional<Outcome> addList(std::string_view bytes, std::u32string_view fileName,
                                   std::size_t fileSize);
    /// The menu caption of category `category`.
    game::TextView menuCaption(int category) const;

    /// The word lists as the game asks for them: the built-in ones, then the teachers'.
    int List1Count(int index) const;
    game::TextView List1Item(int index, int item) const;

    /// The game asked to end: it ends once its handler returns.
    void endProgram() { endAsked_ = true; }

    /// True once the game has ended, by "Изход" or by a run-time error.
    bool ended() const { return ended_; }
    /// True once a run-time error has ended the game.
    bool failed() const { return failed_; }

private:
    enum class Event { Load, Click, MenuChoice, Tick };
    bool deliver(Event event, int index = 0);
    void fail(int number, game::TextView description);
    void focusLetterBoxUnlessEnded();

    Window& window_;
    const wordlists::Lists& lists_;
    wordlists::AddedLists added_;
    game::Game* game_ = nullptr;
    bool endAsked_ = false;
    bool ended_ = false;
    bool failed_ = false;
};

/// Whether letter key `key` shows as used: its character is among the letters `entered`.
/// Used keys stay clickable: a letter entered again counts again.
bool letterKeyUsed(int key, game::TextView entered);

} // namespace session
