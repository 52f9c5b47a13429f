#pragma once

#include "ListFile.h"
#include "ListWriter.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace session {

/**
 * A teacher's list as the lists editor holds it while it is typed, pasted or changed:
 * its name, its header and its questions, checked row by row by the list reader's own
 * rules. Both windows draw it and hand it what the teacher does.
 *
 * Rows are numbered as a spreadsheet numbers them, the header being row 1: a question
 * of row r is the one a file would hold on line r. After the last question there is
 * always an empty row, for the next; typing into it adds a question.
 */
class ListEditor {
public:
    static constexpr int headerRow = 1;
    static constexpr int firstQuestionRow = 2;
    static constexpr int answerColumn = 0; ///< the hint, in the header row
    static constexpr int clueColumn = 1;   ///< the start of the questions, in the header row

    /// A new list: no name, an empty header and no question.
    ListEditor() = default;
    /// `list`, to be changed.
    explicit ListEditor(const wordlists::TeacherList& list);

    const std::u32string& name() const { return name_; }
    void setName(std::u32string_view name);
    /// What is wrong with the name, or nothing.
    std::u32string nameProblem() const;

    /// Rows from row 1, the header, to the empty row after the last question.
    int lastRow() const { return firstQuestionRow + static_cast<int>(rows_.size()); }
    /// The text of a cell; empty for any cell outside the table.
    std::u32string_view cell(int row, int column) const;
    /// Sets a cell (outside the table: nothing). A text in the empty last row adds a
    /// question; empty rows at the end are dropped.
    void setCell(int row, int column, std::u32string_view text);

    /// What the paste left out.
    struct Pasted {
        int lastRow = 0;            ///< the last row that it filled
        std::size_t rowsBeyond = 0; ///< rows past the most questions a list holds
        bool tooLarge = false;      ///< more text than a list file may hold: nothing pasted
    };
    /// Text from the clipboard, pasted with its first cell at (row, column): one line
    /// without a tab is that cell's text; anything else is a table, read as a file's rows
    /// are, that fills rows and columns from there. Cells beyond the clue are kept with
    /// their row, which the reader then leaves out.
    Pasted paste(int row, int column, std::u32string_view text);

    /// What is wrong with a row as the reader would say it; empty for a good or empty row.
    /// Row 1 is the header.
    std::u32string rowProblem(int row) const;
    /// What is wrong with the header, an empty one too: the reader takes no list then.
    std::optional<wordlists::FileFault> headerFault() const {
        return wordlists::checkHeader(hint_, prefix_);
    }
    /// The number of questions that play: rows that hold something and nothing wrong.
    std::size_t questions() const;
    /// The number of questions with something wrong.
    std::size_t rowsWithProblems() const;

    /// True once anything was changed since it was made, or since markKept().
    bool changed() const { return changed_; }
    void markKept() { changed_ = false; }

    /// The list as a file: every row as it stands, for the reader to take as a file.
    std::string file() const;
    /// The file's name, which names the list.
    std::u32string fileName() const { return wordlists::listFileName(name_); }

private:
    struct Row {
        std::u32string answer;
        std::u32string clue;
        wordlists::Cells beyond; ///< cells pasted after the clue
        std::u32string problem;  ///< what the reader says of it, kept as it changes
        bool empty() const;
        void check();
    };
    const std::u32string* cellAt(int row, int column) const;
    std::u32string* cellAt(int row, int column) {
        return const_cast<std::u32string*>(std::as_const(*this).cellAt(row, column));
    }
    void dropEmptyRowsAtEnd();

    std::u32string name_;
    std::u32string hint_;
    std::u32string prefix_;
    std::vector<Row> rows_;
    bool changed_ = false;
};

} // namespace session
