#include "ListFile.h"

#include "TextDecoding.h"
#include "ValueRules.h"

#include <algorithm>
#include <array>

namespace wordlists {

namespace {

using Text = std::u32string;
using View = std::u32string_view;

bool startsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

// A workbook is a zip archive (.xlsx, .ods) or an OLE compound file (.xls).
bool isWorkbook(std::string_view bytes) {
    return startsWith(bytes, "PK\x03\x04") || startsWith(bytes, "\xD0\xCF\x11\xE0");
}

// The file's text by its byte-order mark; without one UTF-8 when it is valid UTF-8,
// else Windows-1251, in which every byte but one means a character.
std::optional<Text> decode(std::string_view bytes) {
    if (startsWith(bytes, "\xEF\xBB\xBF")) {
        DecodedText decoded = decodeUtf8(bytes.substr(3));
        return decoded.malformed == 0 ? std::optional(std::move(decoded.text)) : std::nullopt;
    }
    if (startsWith(bytes, "\xFF\xFE") || startsWith(bytes, "\xFE\xFF")) {
        DecodedText decoded = decodeUtf16(bytes.substr(2), bytes[0] == '\xFE');
        return decoded.malformed == 0 ? std::optional(std::move(decoded.text)) : std::nullopt;
    }
    DecodedText decoded = decodeUtf8(bytes);
    if (decoded.malformed != 0) {
        decoded = decodeWindows1251(bytes);
    }
    return decoded.malformed == 0 ? std::optional(std::move(decoded.text)) : std::nullopt;
}

// The tests of one character are always inlined, and the loops over a cell's characters walk
// it by pointer: the browser build, optimised for size, would otherwise call a function for
// each character, and each step of an iterator.
[[gnu::always_inline]] inline bool isBlank(char32_t c) {
    return c == U' ' || c == U'\u00A0' || (c >= U'\u2000' && c <= U'\u200A') || c == U'\u202F' ||
           c == U'\u3000';
}

// Characters that nobody sees or types: dropped from every cell.
[[gnu::always_inline]] inline bool isInvisible(char32_t c) {
    return c == U'\u00AD' || (c >= U'\u200B' && c <= U'\u200D') || c == U'\u2060' || c == U'\uFEFF';
}

// Control characters, and the ones that reorder the text around them.
[[gnu::always_inline]] inline bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == U'\u2028' || c == U'\u2029' ||
           (c >= U'\u202A' && c <= U'\u202E') || (c >= U'\u2066' && c <= U'\u2069');
}

// A hyphen or dash of a word processor's making, as the hyphen that a keyboard types.
[[gnu::always_inline]] inline bool isDash(char32_t c) {
    return (c >= U'\u2010' && c <= U'\u2015') || c == U'\u2212';
}

[[gnu::always_inline]] inline bool isBlankOrInvisible(char32_t c) {
    return isBlank(c) || isInvisible(c);
}

// A cell as the game shows it: every kind of blank a blank, invisible characters gone,
// trimmed at both ends. The ends are found first, so that the text is copied once, then
// changed where it stands.
Text clean(View cell) {
    const char32_t* first = cell.data();
    const char32_t* last = first + cell.size();
    while (first != last && isBlankOrInvisible(*first)) {
        ++first;
    }
    while (last != first && isBlankOrInvisible(last[-1])) {
        --last;
    }
    Text text(first, static_cast<std::size_t>(last - first));
    char32_t* const begin = text.data();
    char32_t* const end = begin + text.size();
    char32_t* out = begin;
    for (const char32_t* in = begin; in != end; ++in) {
        if (!isInvisible(*in)) {
            *out++ = isBlank(*in) ? U' ' : *in;
        }
    }
    text.resize(static_cast<std::size_t>(out - begin));
    return text;
}

bool isEmptyCell(View cell) {
    for (const char32_t c : cell) {
        if (!isBlankOrInvisible(c)) {
            return false;
        }
    }
    return true;
}

bool hasControl(View text) {
    for (const char32_t c : text) {
        if (isControl(c)) {
            return true;
        }
    }
    return false;
}

struct Record {
    std::vector<Text> cells;
    std::size_t used = 0;
    bool unclosedQuote = false;
};

// Splits the text into rows of cells as spreadsheets write them: rows end at CR LF, LF
// or CR; a cell that begins with a quote runs to the next lone quote, holding separators,
// doubled quotes and line breaks (each one blank).
//
// It walks the text by pointer and copies each cell's characters as runs, up to the next
// character that means something: in the browser build, optimised for size, each step of
// an index or iterator and each append of one character is a call.
class RecordReader {
public:
    RecordReader(View text, char32_t separator)
        : at_(text.data()), end_(text.data() + text.size()), separator_(separator) {}

    bool next(Record& record) {
        if (at_ == end_) {
            return false;
        }
        // The cells' buffers are kept from row to row.
        record.used = 1;
        if (record.cells.empty()) {
            record.cells.emplace_back();
        }
        record.cells[0].clear();
        record.unclosedQuote = false;
        bool cellBegun = false; // the cell holds more than blanks
        while (at_ != end_) {
            const char32_t c = *at_;
            if (c == U'\r' || c == U'\n') {
                skipLineBreak();
                record.cells.resize(record.used);
                return true;
            }
            if (c == separator_) {
                ++at_;
                if (record.used == record.cells.size()) {
                    record.cells.emplace_back();
                }
                record.cells[record.used++].clear();
                cellBegun = false;
            } else if (c == U'"' && !cellBegun) {
                ++at_;
                record.cells[record.used - 1].clear();
                record.unclosedQuote = !readQuoted(record.cells[record.used - 1]);
                cellBegun = true;
            } else {
                // A quote that is not the cell's first character other than blanks is kept.
                const char32_t* const run = at_;
                do {
                    cellBegun = cellBegun || !isBlank(*at_);
                    ++at_;
                } while (at_ != end_ && *at_ != U'\r' && *at_ != U'\n' && *at_ != separator_ &&
                         (*at_ != U'"' || cellBegun));
                record.cells[record.used - 1].append(run, static_cast<std::size_t>(at_ - run));
            }
        }
        record.cells.resize(record.used);
        return true;
    }

private:
    void skipLineBreak() {
        if (*at_ == U'\r' && end_ - at_ > 1 && at_[1] == U'\n') {
            ++at_;
        }
        ++at_;
    }

    // After the opening quote; false when the text ends before the closing one.
    bool readQuoted(Text& cell) {
        while (at_ != end_) {
            const char32_t c = *at_;
            if (c == U'"') {
                ++at_;
                if (at_ != end_ && *at_ == U'"') {
                    cell += U'"';
                    ++at_;
                    continue;
                }
                return true;
            }
            if (c == U'\r' || c == U'\n') {
                skipLineBreak();
                cell += U' ';
                continue;
            }
            const char32_t* const run = at_;
            do {
                ++at_;
            } while (at_ != end_ && *at_ != U'"' && *at_ != U'\r' && *at_ != U'\n');
            cell.append(run, static_cast<std::size_t>(at_ - run));
        }
        return false;
    }

    const char32_t* at_;
    const char32_t* end_;
    char32_t separator_;
};

constexpr std::array<char32_t, 3> separators{U'\t', U';', U','};

// The separator that the first row holds, in the order of `separators`; a header of one
// cell says nothing, so then the one the whole text holds most often.
char32_t findSeparator(View text) {
    bool quoted = false;
    std::array<bool, separators.size()> inFirstRow{};
    for (const char32_t c : text) {
        if (c == U'"') {
            quoted = !quoted;
        } else if (!quoted && (c == U'\r' || c == U'\n')) {
            break;
        } else if (!quoted) {
            for (std::size_t k = 0; k < separators.size(); ++k) {
                inFirstRow[k] = inFirstRow[k] || c == separators[k];
            }
        }
    }
    for (std::size_t k = 0; k < separators.size(); ++k) {
        if (inFirstRow[k]) {
            return separators[k];
        }
    }
    std::size_t best = 0;
    std::size_t bestCount = 0;
    for (std::size_t k = 0; k < separators.size(); ++k) {
        const auto count =
            static_cast<std::size_t>(std::count(text.begin(), text.end(), separators[k]));
        if (count > bestCount) {
            best = k;
            bestCount = count;
        }
    }
    return separators[best];
}

std::optional<FileFault> readHeader(const Record& header, TeacherList& list) {
    if (header.unclosedQuote) {
        return FileFault::HeaderUnclosedQuote;
    }
    list.hintCaption = clean(header.cells[0]);
    Text prefix = header.cells.size() > 1 ? clean(header.cells[1]) : Text{};
    if (hasControl(list.hintCaption) || hasControl(prefix)) {
        return FileFault::HeaderControlCharacter;
    }
    if (list.hintCaption.empty()) {
        return FileFault::NoHint;
    }
    if (list.hintCaption.size() > limits::hintLength) {
        return FileFault::HintTooLong;
    }
    if (prefix.size() > limits::prefixLength) {
        return FileFault::PrefixTooLong;
    }
    if (!prefix.empty()) {
        prefix += U' ';
    }
    list.cluePrefix = std::move(prefix);
    return std::nullopt;
}

// The question of one row, or what is wrong with it.
std::optional<RowFault> readRow(const Record& row, Text& answer, Text& clue) {
    if (row.unclosedQuote) {
        return RowFault::UnclosedQuote;
    }
    for (std::size_t k = 2; k < row.cells.size(); ++k) {
        if (!isEmptyCell(row.cells[k])) {
            return RowFault::ExtraCells;
        }
    }
    answer = clean(row.cells[0]);
    clue = row.cells.size() > 1 ? clean(row.cells[1]) : Text{};
    if (hasControl(answer) || hasControl(clue)) {
        return RowFault::ControlCharacter;
    }
    if (answer.empty()) {
        return RowFault::NoAnswer;
    }
    if (answer.size() > limits::answerLength) {
        return RowFault::AnswerTooLong;
    }
    if (clue.size() > limits::clueLength) {
        return RowFault::ClueTooLong;
    }
    for (char32_t* c = answer.data(); c != answer.data() + answer.size(); ++c) {
        if (isDash(*c)) {
            *c = U'-';
        }
    }
    answer = game::upperCase(answer);
    return std::nullopt;
}

bool isEmptyRow(const Record& row) {
    return !row.unclosedQuote && std::all_of(row.cells.begin(), row.cells.end(), isEmptyCell);
}

void addProblem(ListFileResult& result, std::size_t row, RowFault fault) {
    if (result.problems.size() < limits::problemsNamed) {
        result.problems.push_back({row, fault});
    }
    ++result.problemCount;
}

ListFileResult refused(FileFault fault, ListFileResult result = {}) {
    result.list.reset();
    result.refusal = fault;
    return result;
}

} // namespace

std::optional<RowFault> checkRow(std::u32string_view answer, std::u32string_view clue) {
    Record row;
    row.cells = {Text(answer), Text(clue)};
    row.used = 2;
    Text readAnswer;
    Text readClue;
    return readRow(row, readAnswer, readClue);
}

std::optional<FileFault> checkHeader(std::u32string_view hint, std::u32string_view prefix) {
    Record header;
    header.cells = {Text(hint), Text(prefix)};
    header.used = 2;
    TeacherList list;
    return readHeader(header, list);
}

std::vector<std::vector<std::u32string>> readCells(std::u32string_view text) {
    std::vector<std::vector<Text>> rows;
    RecordReader reader(text, findSeparator(text));
    Record record;
    while (reader.next(record)) {
        rows.push_back(record.cells);
    }
    return rows;
}

std::u32string shownFileName(std::u32string_view fileName) {
    Text name(fileName);
    std::replace_if(name.begin(), name.end(), isControl, U' ');
    return clean(name);
}

std::u32string listName(std::u32string_view fileName) {
    const std::size_t slash = fileName.find_last_of(U"/\\");
    if (slash != View::npos) {
        fileName.remove_prefix(slash + 1);
    }
    const std::size_t dot = fileName.rfind(U'.');
    if (dot != View::npos && dot > 0) {
        fileName = fileName.substr(0, dot);
    }
    Text name = shownFileName(fileName);
    if (name.size() > limits::nameLength) {
        name = clean(View(name).substr(0, limits::nameLength));
    }
    return name.empty() ? Text(U"Списък") : name;
}

ListFileResult readListFile(std::string_view bytes, std::u32string_view fileName,
                            std::size_t fileSize) {
    if (fileSize > limits::fileBytes || bytes.size() > limits::fileBytes) {
        return refused(FileFault::TooLarge);
    }
    if (isWorkbook(bytes)) {
        return refused(FileFault::SpreadsheetFile);
    }
    const std::optional<Text> text = decode(bytes);
    if (!text) {
        return refused(FileFault::BadEncoding);
    }
    if (const View all(*text); std::find(all.begin(), all.end(), U'\0') != all.end()) {
        return refused(FileFault::NotText);
    }

    ListFileResult result;
    TeacherList list;
    list.name = listName(fileName);
    RecordReader reader(*text, findSeparator(*text));
    Record record;
    std::size_t row = 0;
    bool headerRead = false;
    Text answer;
    Text clue;
    while (reader.next(record)) {
        ++row;
        if (!headerRead) {
            if (isEmptyRow(record)) {
                continue;
            }
            if (const auto fault = readHeader(record, list)) {
                return refused(*fault);
            }
            headerRead = true;
            continue;
        }
        if (isEmptyRow(record)) {
            continue;
        }
        if (const auto fault = readRow(record, answer, clue)) {
            addProblem(result, row, *fault);
        } else if (list.answers.size() == limits::questions) {
            addProblem(result, row, RowFault::TooManyQuestions);
        } else {
            list.answers.push_back(std::move(answer));
            list.clues.push_back(std::move(clue));
        }
    }
    if (!headerRead) {
        return refused(FileFault::Empty);
    }
    if (list.answers.empty()) {
        return refused(FileFault::NoQuestions, std::move(result));
    }
    if (list.answers.size() < 2) {
        return refused(FileFault::TooFewQuestions, std::move(result));
    }
    result.list = std::move(list);
    return result;
}

} // namespace wordlists
