// The browser edition: the game in the page's window, with the game's own word lists,
// or with the page's parameter ?test-lists a few fixed ones.

#include "ClockRandom.h"
#include "Game.h"
#include "WebForm.h"
#include "WordLists.h"

#include <emscripten/emscripten.h>

namespace {

EM_JS(int, jsTestListsAsked, (),
      { return new URLSearchParams(location.search).has("test-lists"); });

web::WordLists pageWordLists() {
    web::WordLists lists = wordlists::all();
    if (jsTestListsAsked()) {
        // A word is drawn from all items but the last, so every "Столици" word is СОФИЯ;
        // "Реки" with a single pair leaves nothing to draw from: division by zero.
        lists[0] = {U"СОФИЯ", U"ПЛОВДИВ"};
        lists[1] = {U"БЪЛГАРИЯ", U"БЪЛГАРИЯ"};
        lists[4] = {U"ДУНАВ"};
        lists[5] = {U"ЕВРОПА"};
    }
    return lists;
}

web::WebForm* page = nullptr;

} // namespace

// The page's events, as the window's event handlers receive them.
extern "C" {

EMSCRIPTEN_KEEPALIVE void Buton_Click(int index) {
    if (page != nullptr) {
        page->Buton_Click(index);
    }
}

EMSCRIPTEN_KEEPALIVE void Obrabotwa_Click(int index) {
    if (page != nullptr) {
        page->Obrabotwa_Click(index);
    }
}

// One tick of Timer1, as the interval delivers it: for driving the page at full speed.
EMSCRIPTEN_KEEPALIVE void Timer1_Timer() {
    if (page != nullptr) {
        page->Timer1_Timer();
    }
}

} // extern "C"

int main() {
    // They live as long as the page: the module keeps running after main returns.
    static const web::WordLists lists = pageWordLists();
    static web::WebForm form(lists);
    static game::ClockRandom random;
    static game::Game game(form, random);
    form.bind(game);
    page = &form;
    form.load();
    return 0;
}
