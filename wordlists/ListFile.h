#pragma once

// A teacher's word list, read from a table that a spreadsheet saved: the one place that
// knows the format. It takes the file's bytes and gives a list or the reasons why not;
// it never shows anything itself.

#include "CategoryTable.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wordlists {

/// Limits of a list file, each for a reason a teacher can be told.
namespace limits {
inline constexpr std::size_t fileBytes = 2 * 1024 * 1024; ///< read whole into memory
inline constexpr std::size_t questions = 10000;
inline constexpr std::size_t answerLength = 30; ///< fits the masked word's field
inline constexpr std::size_t clueLength = 100;
inline constexpr std::size_t hintLength = 30;   ///< fits the hint's label
inline constexpr std::size_t prefixLength = 40; ///< leaves room for the clue in the question
inline constexpr std::size_t nameLength = 40;   ///< a menu caption
inline constexpr std::size_t lists = game::CategoryTable::maxAdded; ///< loaded at once
inline constexpr std::size_t problemsNamed = 20;                    ///< rows named in a message
} // namespace limits

/// What was wrong with one row of the table; the row is left out.
enum class RowFault {
    NoAnswer,
    AnswerTooLong,
    ClueTooLong,
    ControlCharacter,
    ExtraCells,
    UnclosedQuote,
    TooManyQuestions,
};

struct RowProblem {
    std::size_t row; ///< as the spreadsheet numbers it: the header is row 1
    RowFault fault;
};

/// Why a file gives no list at all.
enum class FileFault {
    TooLarge,
    NotText,
    SpreadsheetFile, ///< a workbook (.xlsx, .ods, .xls), not a table saved as text
    BadEncoding,
    Empty,
    NoHint,
    HintTooLong,
    PrefixTooLong,
    HeaderControlCharacter,
    HeaderUnclosedQuote,
    NoQuestions,
    TooFewQuestions, ///< a word is drawn from all questions but the last: at least two
    // Refusals of the windows, not of the file's content:
    Unreadable,   ///< the file could not be opened or fetched
    TooManyLists, ///< limits::lists are loaded already
};

/// A list that can be played: a category beside the built-in ones.
struct TeacherList {
    std::u32string name;        ///< the menu caption: the file's name without its extension
    std::u32string hintCaption; ///< shown while the list is chosen: the header's first cell
    std::u32string cluePrefix;  ///< start of every question: the header's second cell
    std::vector<std::u32string> answers; ///< in capitals
    std::vector<std::u32string> clues;   ///< item for item with the answers
};

struct ListFileResult {
    std::optional<TeacherList> list;  ///< none when the file was refused
    std::optional<FileFault> refusal; ///< set exactly when there is no list
    std::vector<RowProblem> problems; ///< the first limits::problemsNamed rows left out
    std::size_t problemCount = 0;     ///< all rows left out
};

/**
 * Reads a list file: `bytes` is its whole content (or, for a file larger than
 * limits::fileBytes, any bytes: the file is refused by its `fileSize` alone), `fileName`
 * its name without folders, which names the list.
 *
 * Encodings: UTF-8 with or without a byte-order mark, UTF-16 with one, otherwise
 * Windows-1251. Cells are separated by a tab, ";" or ",", whichever the first row
 * holds first in that order, with spreadsheet quoting. The first row is the header:
 * the hint, then the start of every question. Every cell is trimmed of blanks, and
 * answers are raised to capitals.
 */
ListFileResult readListFile(std::string_view bytes, std::u32string_view fileName,
                            std::size_t fileSize);
inline ListFileResult readListFile(std::string_view bytes, std::u32string_view fileName) {
    return readListFile(bytes, fileName, bytes.size());
}

/// What is wrong with a question of `answer` and `clue`, read as a row of a file is; none
/// when it can be played. (The limit on the number of questions is the list's, not a row's.)
std::optional<RowFault> checkRow(std::u32string_view answer, std::u32string_view clue);
/// What is wrong with a header of `hint` and `prefix`, read as a file's first row is.
std::optional<FileFault> checkHeader(std::u32string_view hint, std::u32string_view prefix);

/// Rows of cells in `text` as pasted from a spreadsheet, a table of a word processor or
/// lines of text: split as a file's rows are (the same separators, quoting and line ends).
std::vector<std::vector<std::u32string>> readCells(std::u32string_view text);

/// Why a row was left out, or why a file gives no list, as the messages say it.
std::u32string faultText(RowFault fault);
std::u32string faultText(FileFault fault);

/// A file's name as a message shows it: control characters and those that reorder the
/// text as blanks, invisible characters gone, without blanks at the ends.
std::u32string shownFileName(std::u32string_view fileName);

/// The list's name for a file name: without folders, its extension and blanks at the
/// ends, control characters as blanks, at most limits::nameLength characters.
std::u32string listName(std::u32string_view fileName);

/// The message for a teacher, in Bulgarian: the list's name, header and number of
/// questions, or why the file was refused, then the rows left out (the first 20 named).
/// `replaced` tells that the list took the place of an earlier one of the same name.
std::u32string describe(const ListFileResult& result, std::u32string_view fileName,
                        bool replaced = false);

/// The message for a file that came once the game had ended, which takes no list.
std::u32string describeAfterEnd(std::u32string_view fileName);

/// UTF-8 of `text`, for the windows' texts and for standard error.
std::string toUtf8(std::u32string_view text);
/// Text from UTF-8 (a malformed sequence becomes U+FFFD), as file names arrive.
std::u32string fromUtf8(std::string_view bytes);

} // namespace wordlists
