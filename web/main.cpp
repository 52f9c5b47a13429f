// The browser edition: the game in the page's window, with the game's own word lists and
// the teachers' lists that the page hands in (lists.js), drawn with the page's random
// numbers (PageRandom.h).

#include "Game.h"
#include "ListFile.h"
#include "PageRandom.h"
#include "WebForm.h"
#include "WordLists.h"

#include <algorithm>
#include <cstdint>
#include <emscripten/emscripten.h>

namespace {

web::WebForm* page = nullptr;

// A list file as the page writes it for List_Load: its bytes, then its name in UTF-8.
std::string listBuffer;

EM_JS(void, jsListLoaded, (int category, int rowsLeftOut, const char32_t* message, int length),
      { geoListLoaded(category, rowsLeftOut, geoText(message, length)); });

EM_JS(void, jsLoadStartLists, (), { geoLoadStartLists(); });

void tell(const wordlists::AddedLists::Outcome& outcome) {
    jsListLoaded(outcome.category.value_or(-1), static_cast<int>(outcome.rowsLeftOut),
                 outcome.message.data(), static_cast<int>(outcome.message.size()));
}

// A file's size as the page gives it, a number: at least what was read, and no more than
// a size can hold.
std::size_t fileSizeOf(double size, std::size_t read) {
    if (!(size > static_cast<double>(read))) { // NaN too
        return read;
    }
    return size >= static_cast<double>(SIZE_MAX) ? SIZE_MAX : static_cast<std::size_t>(size);
}

std::u32string bufferedName(std::size_t from) {
    return wordlists::fromUtf8(std::string_view(listBuffer).substr(from));
}

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

// Room for a list file's bytes and its name, `size` bytes in all, for the page to write.
EMSCRIPTEN_KEEPALIVE char* List_Buffer(int size) {
    listBuffer.assign(static_cast<std::size_t>(std::max(size, 0)), '\0');
    return listBuffer.data();
}

// The largest file that the page reads whole; a larger one is refused by its size alone.
EMSCRIPTEN_KEEPALIVE double List_MostBytes() {
    return static_cast<double>(wordlists::limits::fileBytes);
}

// Loads the list file in the buffer, whose first `size` bytes are its content (none for a
// file too large) and the rest its name; `fileSize` is the file's size. The page learns
// the outcome through geoListLoaded.
EMSCRIPTEN_KEEPALIVE void List_Load(int size, double fileSize) {
    const std::size_t bytes =
        std::min(static_cast<std::size_t>(std::max(size, 0)), listBuffer.size());
    if (page != nullptr) {
        const auto outcome = page->loadList(std::string_view(listBuffer).substr(0, bytes),
                                            bufferedName(bytes), fileSizeOf(fileSize, bytes));
        if (outcome) {
            tell(*outcome);
        }
    }
}

// The message for a file that could not be read or fetched; the buffer holds its name.
EMSCRIPTEN_KEEPALIVE void List_Unreadable() {
    tell(wordlists::AddedLists::unreadable(bufferedName(0)));
}

} // extern "C"

int main() {
    // They live as long as the page: the module keeps running after main returns.
    static web::WebForm form(wordlists::all());
    static game::Game game(form, web::pageRandom());
    form.bind(game);
    page = &form;
    form.load();
    jsLoadStartLists();
    return 0;
}
