#include "ListEditor.h"

#include <algorithm>

namespace session {

namespace {

namespace limits = wordlists::limits;

bool isBlank(std::u32string_view text) {
    return text.find_first_not_of(U' ') == std::u32string_view::npos;
}

// The start of the questions as the teacher wrote it: the reader ends it with a blank.
std::u32string_view withoutEndBlank(std::u32string_view prefix) {
    while (!prefix.empty() && prefix.back() == U' ') {
        prefix.remove_suffix(1);
    }
    return prefix;
}

} // namespace

bool ListEditor::Row::empty() const {
    return isBlank(answer) && isBlank(clue) &&
           std::all_of(beyond.begin(), beyond.end(), [](const auto& c) { return isBlank(c); });
}

void ListEditor::Row::check() {
    problem.clear();
    if (empty()) {
        return;
    }
    if (std::any_of(beyond.begin(), beyond.end(), [](const auto& c) { return !isBlank(c); })) {
        problem = wordlists::faultText(wordlists::RowFault::ExtraCells);
    } else if (const auto fault = wordlists::checkRow(answer, clue)) {
        problem = wordlists::faultText(*fault);
    }
}

ListEditor::ListEditor(const wordlists::TeacherList& list)
    : name_(list.name), hint_(list.hintCaption), prefix_(withoutEndBlank(list.cluePrefix)) {
    rows_.reserve(list.answers.size());
    for (std::size_t i = 0; i < list.answers.size() && i < list.clues.size(); ++i) {
        rows_.push_back({list.answers[i], list.clues[i], {}, {}});
    }
}

void ListEditor::setName(std::u32string_view name) {
    if (name != name_) {
        name_ = name;
        changed_ = true;
    }
}

std::u32string ListEditor::nameProblem() const {
    if (isBlank(name_)) {
        return U"списъкът няма име";
    }
    if (name_.size() > limits::nameLength) {
        return U"името е по-дълго от " + wordlists::fromUtf8(std::to_string(limits::nameLength)) +
               U" знака";
    }
    return {};
}

std::u32string_view ListEditor::cell(int row, int column) const {
    const std::u32string* text = cellAt(row, column);
    return text != nullptr ? std::u32string_view(*text) : std::u32string_view{};
}

const std::u32string* ListEditor::cellAt(int row, int column) const {
    if (column != answerColumn && column != clueColumn) {
        return nullptr;
    }
    if (row == headerRow) {
        return column == answerColumn ? &hint_ : &prefix_;
    }
    const auto at = static_cast<std::size_t>(row - firstQuestionRow);
    if (row < firstQuestionRow || at >= rows_.size()) {
        return nullptr;
    }
    return column == answerColumn ? &rows_[at].answer : &rows_[at].clue;
}

void ListEditor::setCell(int row, int column, std::u32string_view text) {
    if (row == lastRow() && !text.empty() && rows_.size() < limits::questions &&
        (column == answerColumn || column == clueColumn)) {
        rows_.emplace_back();
    }
    std::u32string* cell = cellAt(row, column);
    if (cell == nullptr || *cell == text) {
        return;
    }
    *cell = text;
    changed_ = true;
    if (row >= firstQuestionRow) {
        Row& edited = rows_[static_cast<std::size_t>(row - firstQuestionRow)];
        edited.beyond.clear();
        edited.check();
        dropEmptyRowsAtEnd();
    }
}

ListEditor::Pasted ListEditor::paste(int row, int column, std::u32string_view text) {
    Pasted pasted;
    pasted.lastRow = row;
    if (text.size() > limits::fileBytes) {
        pasted.tooLarge = true;
        return pasted;
    }
    if (row < headerRow || row > lastRow() || (column != answerColumn && column != clueColumn)) {
        return pasted;
    }
    // A table copied from a spreadsheet ends with a line break; one line is one cell.
    while (!text.empty() && (text.back() == U'\n' || text.back() == U'\r')) {
        text.remove_suffix(1);
    }
    if (text.find_first_of(U"\t\r\n") == std::u32string_view::npos) {
        setCell(row, column, text);
        return pasted;
    }
    const std::vector<wordlists::Cells> table = wordlists::readCells(text);
    for (const wordlists::Cells& cells : table) {
        if (row == lastRow()) {
            if (rows_.size() >= limits::questions) {
                ++pasted.rowsBeyond;
                continue;
            }
            rows_.emplace_back();
        }
        for (std::size_t k = 0; k < cells.size(); ++k) {
            const auto at = static_cast<std::size_t>(column) + k;
            if (std::u32string* cell = cellAt(row, static_cast<int>(at))) {
                *cell = cells[k];
            } else if (row >= firstQuestionRow) {
                rows_[static_cast<std::size_t>(row - firstQuestionRow)].beyond.push_back(cells[k]);
            }
        }
        if (row >= firstQuestionRow) {
            rows_[static_cast<std::size_t>(row - firstQuestionRow)].check();
        }
        pasted.lastRow = row++;
    }
    changed_ = true;
    dropEmptyRowsAtEnd();
    return pasted;
}

void ListEditor::dropEmptyRowsAtEnd() {
    while (!rows_.empty() && rows_.back().empty()) {
        rows_.pop_back();
    }
}

std::u32string ListEditor::rowProblem(int row) const {
    if (row == headerRow) {
        if (isBlank(hint_) && isBlank(prefix_)) {
            return {};
        }
        const auto fault = wordlists::checkHeader(hint_, prefix_);
        return fault ? wordlists::faultText(*fault) : std::u32string{};
    }
    if (row == lastRow() && rows_.size() >= limits::questions) {
        return wordlists::faultText(wordlists::RowFault::TooManyQuestions);
    }
    const auto at = static_cast<std::size_t>(row - firstQuestionRow);
    return row >= firstQuestionRow && at < rows_.size() ? rows_[at].problem : std::u32string{};
}

std::size_t ListEditor::questions() const {
    return static_cast<std::size_t>(std::count_if(rows_.begin(), rows_.end(), [](const Row& row) {
        return !row.empty() && row.problem.empty();
    }));
}

std::size_t ListEditor::rowsWithProblems() const {
    return static_cast<std::size_t>(std::count_if(
        rows_.begin(), rows_.end(), [](const Row& row) { return !row.problem.empty(); }));
}

std::string ListEditor::file() const {
    std::vector<wordlists::Cells> rows;
    rows.reserve(rows_.size());
    for (const Row& row : rows_) {
        wordlists::Cells cells{row.answer, row.clue};
        cells.insert(cells.end(), row.beyond.begin(), row.beyond.end());
        rows.push_back(std::move(cells));
    }
    return wordlists::writeTable({hint_, prefix_}, rows);
}

} // namespace session
