#pragma once

#include "FormInterface.h"
#include "Session.h"
#include "WordLists.h"

#include <string_view>

namespace web {

/// The ten word lists: list 2c holds the answers of category c, list 2c + 1 its clues.
using WordLists = wordlists::Lists;

/**
 * The game's window in the browser page: its elements, which the page's HTML holds
 * (WindowMarkup.h), bound through the page's functions (library.js), their events handed
 * to the game's session, and Timer1.
 *
 * A run-time error that leaves a handler is shown in the page's modal error dialog, and
 * then the game ends as through "Изход": the timer stops, every control is disabled and
 * no further event reaches the game.
 */
class WebForm final : public session::Window {
public:
    /// Binds the page. The form keeps a reference to `lists`, which must outlive it.
    explicit WebForm(const WordLists& lists);
    WebForm(WordLists&&) = delete;
    WebForm(const WebForm&) = delete;
    WebForm& operator=(const WebForm&) = delete;
    ~WebForm() override;

    /// What the page does alike with the desktop: events, teachers' lists, letter keys.
    session::Session& session() { return session_; }

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
    // What the page does for the session.
    void endWithError(int number, game::TextView description) override;
    void endNormally() override;
    void showMenuItem(int item, game::TextView caption) override;
    bool letterButtonEnabled() const override;
    void focusLetterBox() override;

    void bindPage();
    void stopTimer();
    static void tick(void* form);
    void showLetterPanel();
    void markUsedKeys(game::TextView entered);

    session::Session session_;
    long timer_ = 0;
    bool timerRunning_ = false;
    bool letterPanelShown_ = false;
    bool letterButtonEnabled_ = true;
};

} // namespace web
