// The list editor as the page reaches it (editor.js): one editor, held here for the page,
// whose rows, checks, pastes and keeping are all the session's. library.js, at its top,
// says what crosses.

#include "FormDefinition.h"
#include "ListOutcome.h"
#include "ListsDialog.h"
#include "PageModule.h"

#include <cstdint>
#include <emscripten/emscripten.h>
#include <optional>
#include <string>

namespace {

namespace texts = form::listsDialog;
using web::ListOutcome;
using web::number;
using web::shown;
using web::TextOut;
using web::told;

// The list in the editor.
session::ListEditor editor;

} // namespace

extern "C" {

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
    return shown(form::filledIn(texts::countLine, number(editor.questions()),
                                number(editor.rowsWithProblems())));
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
    const TextOut* message = shown(
        pasted.tooLarge         ? std::u32string(texts::pasteTooLarge)
        : pasted.rowsBeyond > 0 ? form::filledIn(texts::pasteRowsBeyond, number(pasted.rowsBeyond))
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
    session::TeacherLists::Outcome outcome = page->session().keepList(
        editor, session::ListHome::Browser, changed >= 0 ? std::optional(changed) : std::nullopt);
    if (outcome.category) {
        editor.markKept();
    }
    return told(std::move(outcome));
}

} // extern "C"
