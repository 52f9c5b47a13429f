// The teachers' lists as the page reaches them (lists.js, editor.js): files handed in as
// bytes, and the lists dialog's table; the editor's are in EditorExports.cpp.
// library.js, at its top, says what crosses.

#include "FormDefinition.h"
#include "ListFile.h"
#include "ListOutcome.h"
#include "ListsDialog.h"
#include "PageModule.h"

#include <algorithm>
#include <cstdint>
#include <emscripten/emscripten.h>
#include <optional>
#include <string>

namespace {

namespace texts = form::listsDialog;
using session::ListHome;
using web::ListOutcome;
using web::shown;
using web::textOut;
using web::TextOut;
using web::told;

// A list file as the page writes it for List_Load: its bytes, then its name in UTF-8.
std::string listBuffer;

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

// A home as the page gives it; anything else is a file opened for now.
ListHome homeOf(int home) {
    return home >= 0 && home <= static_cast<int>(ListHome::SavedPage) ? static_cast<ListHome>(home)
                                                                      : ListHome::OpenedFile;
}

std::u32string quoted(game::TextView name) {
    return U"„" + std::u32string(name) + U"“";
}

// The lists as the dialog read them last (Lists_Count).
std::vector<session::ListEntry> entries;

} // namespace

extern "C" {

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
// file too large) and the rest its name; `fileSize` is the file's size, `home` where it
// comes from (session::ListHome). Once the game has ended, nothing is loaded, and the
// message says so.
EMSCRIPTEN_KEEPALIVE const ListOutcome* List_Load(int size, double fileSize, int home) {
    const std::size_t bytes =
        std::min(static_cast<std::size_t>(std::max(size, 0)), listBuffer.size());
    web::WebForm* page = web::pageForm();
    if (page == nullptr) {
        return told({});
    }
    return told(page->session().addList(std::string_view(listBuffer).substr(0, bytes),
                                        bufferedName(bytes), fileSizeOf(fileSize, bytes),
                                        homeOf(home)));
}

// The outcome for a file that could not be read or fetched; the buffer holds its name.
EMSCRIPTEN_KEEPALIVE const ListOutcome* List_Unreadable() {
    return told(session::TeacherLists::unreadable(bufferedName(0)));
}

// --- The lists dialog ----------------------------------------------------------------------

// The number of teachers' lists, read afresh for Lists_Entry.
EMSCRIPTEN_KEEPALIVE int Lists_Count() {
    web::WebForm* page = web::pageForm();
    entries = page != nullptr ? page->session().lists() : std::vector<session::ListEntry>{};
    return static_cast<int>(entries.size());
}

struct ListRow {
    std::int32_t category;
    std::int32_t questions;
    std::int32_t home;
    TextOut name;
    TextOut homeText;
    TextOut fileName;
};
static_assert(sizeof(ListRow) == 9 * 4, "the page reads nine 32-bit numbers");

// List `index` of those counted (Lists_Count), in the menu's order.
EMSCRIPTEN_KEEPALIVE const ListRow* Lists_Entry(int index) {
    static ListRow row;
    if (index < 0 || index >= static_cast<int>(entries.size())) {
        row = {-1, 0, 0, {}, {}, {}};
        return &row;
    }
    const session::ListEntry& entry = entries[static_cast<std::size_t>(index)];
    const game::TextView home = texts::homes[static_cast<std::size_t>(entry.home)];
    row = {entry.category,
           static_cast<std::int32_t>(entry.questions),
           static_cast<std::int32_t>(entry.home),
           textOut(entry.name),
           textOut(home),
           textOut(entry.fileName)};
    return &row;
}

// What the teacher is asked before list `category` goes: empty for no such list.
EMSCRIPTEN_KEEPALIVE const TextOut* Lists_RemoveQuestion(int category) {
    web::WebForm* page = web::pageForm();
    if (page == nullptr) {
        return shown({});
    }
    for (const session::ListEntry& entry : page->session().lists()) {
        if (entry.category == category) {
            return shown(form::filledIn(texts::removeQuestion, quoted(entry.name)) + U" " +
                         std::u32string(entry.home == ListHome::Browser ? texts::removeForgets
                                                                        : texts::removeForNow));
        }
    }
    return shown({});
}

// Takes list `category` off the menu; 0 when there is no such list or the game has ended.
EMSCRIPTEN_KEEPALIVE int Lists_Remove(int category) {
    web::WebForm* page = web::pageForm();
    return page != nullptr && page->session().removeList(category) ? 1 : 0;
}

// List `category` is now kept in `home`, as the file whose name, `count` code points, is
// in the text buffer.
EMSCRIPTEN_KEEPALIVE void Lists_Moved(int category, int home, int count) {
    if (web::WebForm* page = web::pageForm()) {
        page->session().listMoved(category, homeOf(home), web::handedText(count));
    }
}

// What the teacher is told once where the browser keeps nothing.
EMSCRIPTEN_KEEPALIVE const TextOut* Lists_StorageRefused() {
    return shown(std::u32string(texts::storageRefused));
}

} // extern "C"
