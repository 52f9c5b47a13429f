// The teachers' lists as the page reaches them (lists.js, editor.js): files handed in as
// bytes, the lists dialog's table, and the list editor, one held here for the page, whose
// rows, checks, pastes and keeping are all the session's. library.js, at its top, says
// what crosses.

#include "ListFile.h"
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
using Outcome = session::TeacherLists::Outcome;

// A list file as the page writes it for List_Load: its bytes, then its name in UTF-8.
std::string listBuffer;

// A text as the page reads it: its code points and their count.
struct TextOut {
    const char32_t* text;
    std::int32_t length;
};
static_assert(sizeof(TextOut) == 2 * 4, "the page reads two 32-bit numbers");

std::u32string shownText;
TextOut shownOut{};

const TextOut* shown(std::u32string text) {
    shownText = std::move(text);
    shownOut = {shownText.data(), static_cast<std::int32_t>(shownText.size())};
    return &shownOut;
}

std::int32_t lengthOf(std::u32string_view text) {
    return static_cast<std::int32_t>(text.size());
}

// The outcome of a file, or of the editor's list kept, as the page reads it: 13 numbers.
struct ListOutcome {
    std::int32_t category; // -1: none
    std::int32_t rowsLeftOut;
    TextOut message;
    TextOut caption;  // the menu item's
    const char* file; // the file to keep, its bytes
    std::int32_t fileLength;
    TextOut fileName;
    TextOut forget;    // a kept file that it supersedes
    std::int32_t left; // the category that it left, -1: none
};
static_assert(sizeof(ListOutcome) == 13 * 4, "the page reads thirteen 32-bit numbers");

Outcome lastOutcome;
ListOutcome lastListOutcome{};

const ListOutcome* told(Outcome outcome) {
    lastOutcome = std::move(outcome);
    web::WebForm* page = web::pageForm();
    const game::TextView caption = lastOutcome.category && page != nullptr
                                       ? page->session().menuCaption(*lastOutcome.category)
                                       : game::TextView{};
    const Outcome& o = lastOutcome;
    lastListOutcome = {o.category.value_or(-1),
                       static_cast<std::int32_t>(o.rowsLeftOut),
                       {o.message.data(), lengthOf(o.message)},
                       {caption.data(), lengthOf(caption)},
                       o.file.data(),
                       static_cast<std::int32_t>(o.file.size()),
                       {o.fileName.data(), lengthOf(o.fileName)},
                       {o.forget.data(), lengthOf(o.forget)},
                       o.left.value_or(-1)};
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

// A home as the page gives it; anything else is a file opened for now.
ListHome homeOf(int home) {
    return home >= 0 && home <= static_cast<int>(ListHome::SavedPage) ? static_cast<ListHome>(home)
                                                                      : ListHome::OpenedFile;
}

// `format` with %1 and %2 filled in.
std::u32string filled(game::TextView format, game::TextView one, game::TextView two = {}) {
    std::u32string text;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format.substr(i).starts_with(U"%1")) {
            text += one;
            ++i;
        } else if (format.substr(i).starts_with(U"%2")) {
            text += two;
            ++i;
        } else {
            text += format[i];
        }
    }
    return text;
}

std::u32string number(std::size_t n) {
    return wordlists::fromUtf8(std::to_string(n));
}

std::u32string quoted(game::TextView name) {
    return U"„" + std::u32string(name) + U"“";
}

// The lists as the dialog read them last (Lists_Count).
std::vector<session::ListEntry> entries;

// The list in the editor.
session::ListEditor editor;

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
           {entry.name.data(), lengthOf(entry.name)},
           {home.data(), lengthOf(home)},
           {entry.fileName.data(), lengthOf(entry.fileName)}};
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
            return shown(filled(texts::removeQuestion, quoted(entry.name)) + U" " +
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

// --- The list editor -----------------------------------------------------------------------

// A new list in the editor.
EMSCRIPTEN_KEEPALIVE void Editor_New() {
    editor = session::ListEditor();
}

// List `category` in the editor, to be changed; 0 (and the editor unchanged) for no list.
EMSCRIPTEN_KEEPALIVE int Editor_Open(int category) {
    web::WebForm* page = web::pageForm();
    std::optional<session::ListEditor> opened =
        page != nullptr ? page->session().listEditor(category) : std::nullopt;
    if (!opened) {
        return 0;
    }
    editor = std::move(*opened);
    return 1;
}

// The name, `count` code points in the text buffer.
EMSCRIPTEN_KEEPALIVE void Editor_SetName(int count) {
    editor.setName(web::handedText(count));
}

EMSCRIPTEN_KEEPALIVE const TextOut* Editor_Name() {
    return shown(editor.name());
}

EMSCRIPTEN_KEEPALIVE const TextOut* Editor_NameProblem() {
    return shown(editor.nameProblem());
}

// Cell (row, column) set to the text buffer's first `count` code points; row 1 is the
// header.
EMSCRIPTEN_KEEPALIVE void Editor_SetCell(int row, int column, int count) {
    editor.setCell(row, column, web::handedText(count));
}

EMSCRIPTEN_KEEPALIVE const TextOut* Editor_Cell(int row, int column) {
    return shown(std::u32string(editor.cell(row, column)));
}

EMSCRIPTEN_KEEPALIVE const TextOut* Editor_RowProblem(int row) {
    return shown(editor.rowProblem(row));
}

// The empty row after the last question.
EMSCRIPTEN_KEEPALIVE int Editor_LastRow() {
    return editor.lastRow();
}

// Under the table: the questions, and the rows with something wrong.
EMSCRIPTEN_KEEPALIVE const TextOut* Editor_CountLine() {
    return shown(
        filled(texts::countLine, number(editor.questions()), number(editor.rowsWithProblems())));
}

EMSCRIPTEN_KEEPALIVE int Editor_Changed() {
    return editor.changed() ? 1 : 0;
}

// What a paste did: the last row it filled, and what to tell of what it left out (none:
// empty).
struct PasteOut {
    std::int32_t lastRow;
    TextOut message;
};
static_assert(sizeof(PasteOut) == 3 * 4, "the page reads three 32-bit numbers");

// The clipboard's text, `count` code points in the text buffer, pasted at (row, column).
EMSCRIPTEN_KEEPALIVE const PasteOut* Editor_Paste(int row, int column, int count) {
    static PasteOut out;
    const session::ListEditor::Pasted pasted = editor.paste(row, column, web::handedText(count));
    const TextOut* message =
        shown(pasted.tooLarge         ? std::u32string(texts::pasteTooLarge)
              : pasted.rowsBeyond > 0 ? filled(texts::pasteRowsBeyond, number(pasted.rowsBeyond))
                                      : std::u32string());
    out = {pasted.lastRow, *message};
    return &out;
}

// Keeps the editor's list as kept by the browser, in the place of list `changed` (-1: a
// new list); a list without a good name is not kept, and the outcome says why.
EMSCRIPTEN_KEEPALIVE const ListOutcome* Editor_Keep(int changed) {
    web::WebForm* page = web::pageForm();
    if (page == nullptr) {
        return told({});
    }
    if (const std::u32string problem = editor.nameProblem(); !problem.empty()) {
        Outcome refused;
        refused.message = problem;
        return told(std::move(refused));
    }
    Outcome outcome = page->session().keepList(
        editor, ListHome::Browser, changed >= 0 ? std::optional(changed) : std::nullopt);
    if (outcome.category) {
        editor.markKept();
    }
    return told(std::move(outcome));
}

} // extern "C"
