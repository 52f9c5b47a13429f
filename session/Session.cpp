#include "Session.h"

#include "ElementIndices.h"
#include "FormDefinition.h"
#include "ListFile.h"
#include "RuntimeError.h"

namespace session {

using namespace form::element;

Session::Session(Window& window, const wordlists::Lists& lists) : window_(window), lists_(lists) {}

void Session::bind(game::Game& game) {
    if (game_ == nullptr) {
        game_ = &game;
    }
}

bool Session::Form_Load() {
    return deliver(Event::Load);
}

void Session::Buton_Click(int index) {
    deliver(Event::Click, index);
    focusLetterBoxUnlessEnded();
}

void Session::Obrabotwa_Click(int index) {
    // A removed list's item is hidden; a choice of it that was already on its way is none.
    if (game_ != nullptr && game_->categoryTable().removed(index - 1)) {
        return;
    }
    deliver(Event::MenuChoice, index);
    // Whichever item was chosen, by pointer or key: the next letter is typed at once.
    focusLetterBoxUnlessEnded();
}

void Session::Timer1_Timer() {
    deliver(Event::Tick);
}

void Session::enterInLetterBox() {
    if (!ended_ && letterButtonEnabled_) {
        Buton_Click(letterButton);
    }
}

void Session::letterKey(int key) {
    if (ended_ || key < 0 || key >= form::letterKeys::count || !letterButtonEnabled_) {
        return;
    }
    setBukwaText(letterInput,
                 form::letterKeys::characters.substr(static_cast<std::size_t>(key), 1));
    Buton_Click(letterButton);
}

Session::Outcome Session::addList(std::string_view bytes, std::u32string_view fileName,
                                  std::size_t fileSize, ListHome home) {
    if (ended_ || game_ == nullptr) {
        return TeacherLists::afterEnd(fileName);
    }
    Outcome outcome = added_.load(*game_, bytes, fileName, fileSize, home);
    showAdded(outcome);
    return outcome;
}

Session::Outcome Session::keepList(const ListEditor& editor, ListHome home,
                                   std::optional<int> changed) {
    if (ended_ || game_ == nullptr) {
        return TeacherLists::afterEnd(editor.fileName());
    }
    Outcome outcome = added_.keep(*game_, editor, home, changed);
    if (outcome.left) {
        window_.hideMenuItem(*outcome.left + 1);
    }
    showAdded(outcome);
    return outcome;
}

bool Session::removeList(int category) {
    if (ended_ || game_ == nullptr) {
        return false;
    }
    const bool chosen = game_->state().categoryIndex == category;
    if (!added_.remove(*game_, category)) {
        return false;
    }
    window_.hideMenuItem(category + 1);
    if (chosen) {
        Obrabotwa_Click(1);
    }
    return true;
}

std::optional<ListEditor> Session::listEditor(int category) const {
    return game_ != nullptr ? added_.editor(*game_, category) : std::nullopt;
}

void Session::showAdded(const Outcome& outcome) {
    if (outcome.category) {
        const int item = *outcome.category + 1;
        window_.showMenuItem(item, menuCaption(*outcome.category));
        if (outcome.chooseAgain) {
            Obrabotwa_Click(item);
        }
    }
}

game::TextView Session::menuCaption(int category) const {
    return game_ != nullptr && category >= 0 && category < game_->categoryTable().size()
               ? game_->categoryTable()[category].menuCaption
               : game::TextView{};
}

game::Text Session::bukwaText(int index) const {
    return window_.text({"bukwa", index});
}

void Session::setBukwaText(int index, game::TextView text) {
    window_.setText({"bukwa", index}, text);
    if (index == enteredLetters && letterKeysShown_) {
        showLetterKeys(text);
    }
}

game::Text Session::stolicaText(int index) const {
    return window_.text({"stolica", index});
}

void Session::setStolicaText(int index, game::TextView text) {
    window_.setText({"stolica", index}, text);
}

void Session::setBukwaVisible(int index, bool visible) {
    window_.setShown({"bukwa", index}, visible);
    if (index == rulesBox && !visible && !letterKeysShown_) {
        letterKeysShown_ = true;
        showLetterKeys(bukwaText(enteredLetters));
    }
}

void Session::setButonEnabled(int index, bool enabled) {
    window_.setEnabled({"Buton", index}, enabled);
    if (index == letterButton) {
        letterButtonEnabled_ = enabled;
        if (letterKeysShown_) {
            showLetterKeys(bukwaText(enteredLetters));
        }
    }
}

void Session::setLabel1Caption(int index, game::TextView caption) {
    window_.setText({"Label1", index}, caption);
}

void Session::enableTimer1() {
    window_.startTimer();
}

// The keys stand for the letter button, and show which letters this game has entered.
void Session::showLetterKeys(game::TextView entered) {
    window_.showLetterKeys(letterButtonEnabled_, entered);
}

int Session::List1Count(int index) const {
    return TeacherLists::holds(index) ? added_.count(index) : wordlists::itemCount(lists_, index);
}

game::TextView Session::List1Item(int index, int item) const {
    return TeacherLists::holds(index) ? added_.item(index, item)
                                      : wordlists::itemAt(lists_, index, item);
}

// The one place where the game's handlers run, so that one catch serves every event.
bool Session::deliver(Event event, int index) {
    if (ended_ || game_ == nullptr) {
        return false;
    }
    try {
        switch (event) {
        case Event::Load:
            game_->Form_Load();
            break;
        case Event::Click:
            game_->Buton_Click(index);
            break;
        case Event::MenuChoice:
            game_->Obrabotwa_Click(index);
            break;
        case Event::Tick:
            game_->Timer1_Timer();
            break;
        }
    } catch (const game::RuntimeError& error) {
        fail(error.number(), wordlists::fromUtf8(error.what()));
        return false;
    } catch (const std::exception& error) {
        // Not one of the game's own errors: shown the same way, as the platform would.
        fail(form::internalErrorNumber,
             game::Text(form::internalErrorPrefix) + wordlists::fromUtf8(error.what()));
        return false;
    }
    if (endAsked_) {
        ended_ = true;
        window_.end(0, {});
    }
    return true;
}

void Session::fail(int number, game::TextView description) {
    // Ended before the report, so that no tick reaches the game while it shows.
    ended_ = true;
    failed_ = true;
    window_.end(number, description);
}

void Session::focusLetterBoxUnlessEnded() {
    // Once ended, the end message or the error dialog holds the focus.
    if (!ended_) {
        window_.focusLetterBox();
    }
}

bool letterKeyUsed(int key, game::TextView entered) {
    if (key < 0 || key >= form::letterKeys::count) {
        return false;
    }
    return entered.find(form::letterKeys::characters[static_cast<std::size_t>(key)]) !=
           game::TextView::npos;
}

} // namespace session
