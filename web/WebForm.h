#pragma once

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

    /// What the page does alike with the desktop, and the window as the game sees it.
    session::Session& session() { return session_; }

private:
    void bindPage();

    // The elements, as the session reads and writes them: by handle in the page.
    game::Text text(form::ElementId id) const override;
    void setText(form::ElementId id, game::TextView text) override;
    void setShown(form::ElementId id, bool shown) override;
    void setEnabled(form::ElementId id, bool enabled) override;

    // Timer1, as the page's interval.
    void startTimer() override;
    void stopTimer();
    static void tick(void* form);

    // What else the session asks of the page.
    void showLetterKeys(bool enabled, game::TextView entered) override;
    void showMenuItem(int item, game::TextView caption) override;
    void hideMenuItem(int item) override;
    void focusLetterBox() override;
    void end(int errorNumber, game::TextView description) override;

    session::Session session_;
    long timer_ = 0;
    bool timerRunning_ = false;
};

} // namespace web
