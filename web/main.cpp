// The browser edition: the game in the page's window, with the game's own word lists and
// the teachers' lists that the page hands in (lists.js), drawn with the page's random
// numbers (PageRandom.h), its numbers written and read by the browser's conversions.

#include "BrowserConversions.h"
#include "Game.h"
#include "LetterBox.h"
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

// Texts that the page hands in (Text_Buffer), as code points.
std::u32string textBuffer;

// The outcome of the last list file, as the page reads it (library.js): six 32-bit numbers.
struct ListOutcome {
    std::int32_t category;
    std::int32_t rowsLeftOut;
    const char32_t* message;
    std::int32_t messageLength;
    const char32_t* caption;
    std::int32_t captionLength;
};
static_assert(sizeof(ListOutcome) == 6 * 4, "the page reads six 32-bit numbers");

session::TeacherLists::Outcome lastOutcome;
ListOutcome lastListOutcome{};

const ListOutcome* told(session::TeacherLists::Outcome outcome) {
    lastOutcome = std::move(outcome);
    const game::TextView caption = lastOutcome.category && page != nullptr
                                       ? page->session().menuCaption(*lastOutcome.category)
                                       : game::TextView{};
    lastListOutcome = {lastOutcome.category.value_or(-1),
                       static_cast<std::int32_t>(lastOutcome.rowsLeftOut),
                       lastOutcome.message.data(),
                       static_cast<std::int32_t>(lastOutcome.message.size()),
                       caption.data(),
                       static_cast<std::int32_t>(caption.size())};
    return &lastListOutcome;
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
// file too large) and the rest its name; `fileSize` is the file's size. Once the game has
// ended, nothing is loaded, and the message says so.
EMSCRIPTEN_KEEPALIVE const ListOutcome* List_Load(int size, double fileSize) {
    const std::size_t bytes =
        std::min(static_cast<std::size_t>(std::max(size, 0)), listBuffer.size());
    if (page == nullptr) {
        return told({});
    }
    return told(page->session().addList(std::string_view(listBuffer).substr(0, bytes),
                                        bufferedName(bytes), fileSizeOf(fileSize, bytes)));
}

// The outcome for a file that could not be read or fetched; the buffer holds its name.
EMSCRIPTEN_KEEPALIVE const ListOutcome* List_Unreadable() {
    return told(session::TeacherLists::unreadable(bufferedName(0)));
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
