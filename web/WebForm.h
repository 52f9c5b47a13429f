#pragma once

#include "AddedLists.h"
#include "FormInterface.h"
#include "WordLists.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace game {
class Game;
}

namespace web {

/// The ten word lists: list 2c holds the answers of category c, list 2c + 1 its clues.
using WordLists = wordlists::Lists;

/**
 * The game's window in the browser page: its elements, which the page's HTML holds
 * (WindowMarkup.h), their events bound to the game's handlers, and Timer1.
 *
 * Every call into the game runs to its end. A run-time error that leaves a handler is
 * shown in the page's modal error dialog, and then the game ends as through "Изход":
 * the timer stops, every control is disabled and no further event reaches the game.
 */
class WebForm final : public game::FormInterface {
public:
    /// Binds the page. The form keeps a reference to `lists`, which must outlive it.
    explicit WebForm(const WordLists& lists);
    WebForm(WordLists&&) = delete;
    WebForm(const WebForm&) = delete;
    WebForm& operator=(const WebForm&) = delete;
    ~WebForm() override;

    /// Connects the page's events to `game`, which must outlive the form.
    void bind(game::Game& game);

    /// Runs the game's load handler; call once, after bind().
    void load();

    /// A click on Buton(index); the focus then returns to the letter box.
    void Buton_Click(int index);
    /// A choice of the menu item Obrabotwa(index); the focus then goes to the letter box.
    void Obrabotwa_Click(int index);
    /// One tick of Timer1, as the page's interval delivers it.
    void Timer1_Timer();

    /// Loads a teacher's list file (see wordlists::AddedLists::load): a new list gets its
    /// menu item after the others. None once the game has ended.
    std::optional<wordlists::AddedLists::Outcome>
    loadList(std::string_view bytes, std::u32string_view fileName, std::size_t fileSize);

    /// True once the game has ended, by "Изход" or a run-time error.
    bool ended() const { return ended_; }

    // The window as the game sees it.
    game::Text bukwaText(int index) const override;
    void setBukwaText(int index, game::TextView text) override;
    game::Text stolicaText(int index) const override;
    void setStolicaText(int index, game::TextView text) override;
    void setBukwaVisible(int index, bool visible) override;
    void setButonEnabled(int index, bool enabled) override;
    void setLabel1Caption(int index, game::TextView caption) override;
    int List1Count(int index) const override;
    game::TextView List1Item(int index, int item) const override;
    void enableTimer1() override;
    void endProgram() override;

private:
    template <typename Handler> void dispatch(Handler handler);
    void fail(int number, game::TextView description);
    void end();
    void stopTimer();
    static void tick(void* form);

    void buildPage();
    /// Returns the focus to the letter box after a click or a choice, unless the game ended.
    void focusLetterBox();
    void showLetterPanel();
    /// The page's handle of element `name`(index); throws std::out_of_range for none.
    static int handle(std::string_view name, int index);

    const WordLists& lists_;
    wordlists::AddedLists added_; ///< List1(10) on
    game::Game* game_ = nullptr;
    long timer_ = 0;
    bool timerRunning_ = false;
    bool endAsked_ = false; ///< endProgram() was called: the game ends once its handler returns
    bool ended_ = false;
    bool letterPanelShown_ = false;
};

} // namespace web
