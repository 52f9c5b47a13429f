#pragma once

// What the page reads of the teachers' lists (ListsExports.cpp, EditorExports.cpp): texts
// and outcomes laid out as 32-bit numbers in the module's memory, valid until the next.

#include "TeacherLists.h"

#include <cstdint>
#include <string>

namespace web {

/// A text as the page reads it: its code points and their count.
struct TextOut {
    const char32_t* text;
    std::int32_t length;
};
static_assert(sizeof(TextOut) == 2 * 4, "the page reads two 32-bit numbers");

/// `text`, kept until the next one, as the page reads it.
const TextOut* shown(std::u32string text);
/// A view of `text`, which must outlive the page's reading of it.
TextOut textOut(std::u32string_view text);

/// The outcome of a file, or of the editor's list kept, as the page reads it: 13 numbers.
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

/// `outcome`, kept until the next one, as the page reads it.
const ListOutcome* told(session::TeacherLists::Outcome outcome);

/// A count as text.
std::u32string number(std::size_t n);

} // namespace web
