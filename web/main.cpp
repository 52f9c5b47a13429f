// The browser edition: the game in the page's window, with the game's own word lists and
// the teachers' lists that the page hands in (lists.js, ListsExports.cpp), drawn with the
// page's random numbers (PageRandom.h), its numbers written and read by the browser's
// conversions.

#include "BrowserConversions.h"
#include "Game.h"
#include "LetterBox.h"
#include "PageModule.h"
#include "PageRandom.h"
#include "WebForm.h"
#include "WordLists.h"

#include <algorithm>
#include <emscripten/emscripten.h>

namespace {

web::WebForm* page = nullptr;

// Texts that the page hands in (Text_Buffer), as code points.
std::u32string textBuffer;

} // namespace

namespace web {

WebForm* pageForm() {
    return page;
}

std::u32string_view handedText(int count) {
    return std::u32string_view(textBuffer)
        .substr(0, std::min(static_cast<std::size_t>(std::max(count, 0)), textBuffer.size()));
}

} // namespace web

// What the page calls in the module; library.js, at its top, says what crosses.
extern "C" {

EMSCRIPTEN_KEEPALIVE void Buton_Click(int index) {
    if (page != nullptr) {
        page->session().Buton_Click(index);
    }
}

EMSCRIPTEN_KEEPALIVE void Obrabotwa_Click(int index) {
    if (page != nullptr) {
        page->session().Obrabotwa_Click(index);
    }
}

// One tick of Timer1, as the interval delivers it: for driving the page at full speed.
EMSCRIPTEN_KEEPALIVE void Timer1_Timer() {
    if (page != nullptr) {
        page->session().Timer1_Timer();
    }
}

EMSCRIPTEN_KEEPALIVE void Letter_Key(int key) {
    if (page != nullptr) {
        page->session().letterKey(key);
    }
}

EMSCRIPTEN_KEEPALIVE void Letter_Enter() {
    if (page != nullptr) {
        page->session().enterInLetterBox();
    }
}

// Room for `count` code points, for the page to write.
EMSCRIPTEN_KEEPALIVE char32_t* Text_Buffer(int count) {
    textBuffer.assign(static_cast<std::size_t>(std::max(count, 0)), U'\0');
    return textBuffer.data();
}

// What the letter box keeps: the buffer holds the text before the edit, `beforeCount`
// code points, then the proposed one; the kept text is written at its start.
EMSCRIPTEN_KEEPALIVE int LetterBox_Keep(int beforeCount, int replacesAll, int proposedCount) {
    const std::u32string_view texts = textBuffer;
    const auto before = std::min(static_cast<std::size_t>(std::max(beforeCount, 0)), texts.size());
    const game::Text kept = session::keptInLetterBox(
        texts.substr(0, before), replacesAll != 0,
        texts.substr(before, static_cast<std::size_t>(std::max(proposedCount, 0))));
    std::copy(kept.begin(), kept.end(), textBuffer.begin()); // never longer than the buffer
    return static_cast<int>(kept.size());
}

} // extern "C"

extern "C" void geo_load_start_lists();

int main() {
    // They live as long as the page: the module keeps running after main returns.
    static web::WebForm form(wordlists::all());
    static game::Game game(form.session(), web::pageRandom(), web::browserConversions());
    form.session().bind(game);
    page = &form;
    form.session().Form_Load();
    geo_load_start_lists();
    return 0;
}
