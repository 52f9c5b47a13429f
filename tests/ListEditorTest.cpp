// The lists editor, as a teacher types and pastes a list, and as the session keeps it.

#include "ListEditor.h"

#include <gtest/gtest.h>

namespace {

using session::ListEditor;
constexpr int answer = ListEditor::answerColumn;
constexpr int clue = ListEditor::clueColumn;

} // namespace

TEST(ListEditor, typingFillsTheEmptyLastRowAndAnotherFollowsIt) {
    ListEditor editor;
    EXPECT_EQ(editor.lastRow(), 2);
    editor.setName(U"Върхове");
    editor.setCell(1, answer, U"Връх");
    editor.setCell(1, clue, U"Най-високият връх на");
    editor.setCell(2, answer, U"Мусала");
    EXPECT_EQ(editor.lastRow(), 3);
    editor.setCell(2, clue, U"Рила");
    editor.setCell(3, answer, U"Вихрен");
    editor.setCell(3, clue, U"Пирин");
    EXPECT_EQ(editor.lastRow(), 4);
    EXPECT_TRUE(editor.changed());
    // Emptied at the end, a row goes; the one before it stays even when empty.
    editor.setCell(3, answer, U"");
    editor.setCell(3, clue, U"");
    EXPECT_EQ(editor.lastRow(), 3);
    editor.setCell(3, answer, U"Ботев");
    editor.setCell(3, clue, U"Стара планина");
    editor.setCell(4, answer, U"Вихрен");
    editor.setCell(4, clue, U"Пирин");
    // A cell outside the table is no cell.
    editor.setCell(9, answer, U"X");
    editor.setCell(2, 5, U"X");
    EXPECT_EQ(editor.cell(9, answer), U"");
    EXPECT_EQ(editor.lastRow(), 5);
    const auto read = wordlists::readListFile(editor.file(), editor.fileName());
    ASSERT_TRUE(read.list);
    EXPECT_EQ(read.list->name, U"Върхове");
    EXPECT_EQ(read.list->answers, (std::vector<std::u32string>{U"МУСАЛА", U"БОТЕВ", U"ВИХРЕН"}));
    EXPECT_EQ(read.list->cluePrefix, U"Най-високият връх на ");
}

TEST(ListEditor, aSpreadsheetsCellsFillRowsAndColumnsFromWhereThePasteLands) {
    ListEditor editor;
    // Into the header: its first row fills the header, the rest the questions, as a file.
    const auto pasted = editor.paste(
        1, answer, U"Столица\tСтолицата на\r\n\"Рим\"\tИталия\r\nПариж\t\"Франция; Европа\"\r\n");
    EXPECT_EQ(pasted.lastRow, 3);
    EXPECT_EQ(editor.cell(1, answer), U"Столица");
    EXPECT_EQ(editor.cell(1, clue), U"Столицата на");
    EXPECT_EQ(editor.cell(2, answer), U"Рим");
    EXPECT_EQ(editor.cell(3, clue), U"Франция; Европа");
    // Lines with ";" from a text, into the clue column of row 3: the second cell of each
    // line lies beyond the clue, and the reader's own message says so.
    editor.paste(3, clue, U"Германия;Берлин\nАвстрия;Виена\n");
    EXPECT_EQ(editor.cell(4, clue), U"Австрия");
    EXPECT_EQ(editor.rowProblem(4), U"има повече от две попълнени клетки");
    EXPECT_EQ(editor.rowsWithProblems(), 2u);
    // One line without a tab is one cell's text, its separators and all.
    editor.paste(4, answer, U"Виена, Австрия");
    EXPECT_EQ(editor.cell(4, answer), U"Виена, Австрия");
    EXPECT_EQ(editor.rowProblem(4), U"");
}

TEST(ListEditor, everyRowIsCheckedByTheReadersRulesAndKeepingLeavesTheBadOnesOut) {
    ListEditor editor;
    editor.setName(U"Реки");
    editor.paste(1, answer,
                 U"Река\tТече през\nДунав\tЕвропа\n\tАфрика\nАМАЗОНКАААААААААААААААААААААААААА\t"
                 U"Америка\nНил\tАфрика\n");
    EXPECT_EQ(editor.rowProblem(1), U"");
    EXPECT_EQ(editor.rowProblem(3), U"няма отговор");
    EXPECT_EQ(editor.rowProblem(4), U"отговорът е по-дълъг от 30 знака");
    EXPECT_EQ(editor.questions(), 2u);
    editor.setCell(1, answer, U"");
    EXPECT_EQ(editor.rowProblem(1), U"първата клетка на ред 1 (подсказката) е празна");
    editor.setCell(1, answer, U"Река");
    // The reader names the same rows, by the numbers the editor shows.
    const auto read = wordlists::readListFile(editor.file(), editor.fileName());
    ASSERT_TRUE(read.list);
    ASSERT_EQ(read.problems.size(), 2u);
    EXPECT_EQ(read.problems[0].row, 3u);
    EXPECT_EQ(read.problems[1].row, 4u);
    EXPECT_EQ(read.list->answers, (std::vector<std::u32string>{U"ДУНАВ", U"НИЛ"}));
}
