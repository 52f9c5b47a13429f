#pragma once

#include "FormInterface.h"
#include "Game.h"
#include "TeacherLists.h"
#include "Window.h"
#include "WordLists.h"

#include <optional>
#include <string_view>
#include <vector>

namespace session {

/**
 * Everything a window does alike between its elements and the game: the game's
 * operations on the window's elements by name and index, carried out on the window
 * (Window.h); the window's events delivered to the game's handlers, a run-time error
 * turned into "show it, then end"; the teachers' lists beside the built-in ones; the
 * letter keys. A window creates and draws its elements, and hands its events here.
 *
 * The game is made on the session, as its window. Once the game has ended, by "Изход" or
 * an error, no event reaches it any more.
 */
class Session final : public game::FormInterface {
public:
    using Outcome = TeacherLists::Outcome;

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

    /// Reads a teacher's list file and adds it as a category (TeacherLists::load) with its
    /// menu item; where it replaced the chosen category, that is chosen again. Once the
    /// game has ended, no list is taken, and the outcome says so.
    Outcome addList(std::string_view bytes, std::u32string_view fileName, std::size_t fileSize,
                    ListHome home = ListHome::OpenedFile);
    /// Adds the editor's list in the same way (TeacherLists::keep), in the place of the
    /// list of category `changed` when it changed that one; the window keeps the outcome's
    /// file as `home` and forgets the one it names to forget.
    Outcome keepList(const ListEditor& editor, ListHome home,
                     std::optional<int> changed = std::nullopt);
    /// Takes the list of category `category` off the menu, the first category being chosen
    /// where it was; the window forgets its file. False when there is no such list.
    bool removeList(int category);
    /// The list of category `category` was kept by the window as `fileName` in `home`.
    void listMoved(int category, ListHome home, std::u32string_view fileName) {
        added_.moveHome(category, home, fileName);
    }
    /// The teachers' lists, in the menu's order.
    std::vector<ListEntry> lists() const { return added_.entries(); }
    /// The list of category `category` in an editor, to be changed.
    std::optional<ListEditor> listEditor(int category) const;
    /// The menu caption of category `category`.
    game::TextView menuCaption(int category) const;

    /// True once the game has ended, by "Изход" or by a run-time error.
    bool ended() const { return ended_; }
    /// True once a run-time error has ended the game.
    bool failed() const { return failed_; }

    // The window as the game sees it.
    game::Text bukwaText(int index) const override;
    void setBukwaText(int index, game::TextView text) override;
    game::Text stolicaText(int index) const override;
    void setStolicaText(int index, game::TextView text) override;
    void setBukwaVisible(int index, bool visible) override;
    void setButonEnabled(int index, bool enabled) override;
    void setLabel1Caption(int index, game::TextView caption) override;
    /// The built-in lists, then the teachers'.
    int List1Count(int index) const override;
    game::TextView List1Item(int index, int item) const override;
    void enableTimer1() override;
    /// The game ends once its handler returns.
    void endProgram() override { endAsked_ = true; }

private:
    enum class Event { Load, Click, MenuChoice, Tick };
    bool deliver(Event event, int index = 0);
    void fail(int number, game::TextView description);
    void focusLetterBoxUnlessEnded();
    void showAdded(const Outcome& outcome);
    void showLetterKeys(game::TextView entered);

    Window& window_;
    const wordlists::Lists& lists_;
    TeacherLists added_;
    game::Game* game_ = nullptr;
    bool letterButtonEnabled_ = true;
    bool letterKeysShown_ = false;
    bool endAsked_ = false;
    bool ended_ = false;
    bool failed_ = false;
};

/// Whether letter key `key` shows as used: its character is among the letters `entered`.
/// Used keys stay clickable: a letter entered again counts again.
bool letterKeyUsed(int key, game::TextView entered);

} // namespace session
