// Lists written as files: what the writer writes, the reader reads back as the same list.

#include "ListWriter.h"

#include "ListFile.h"

#include <gtest/gtest.h>
#include <random>

namespace {

using wordlists::TeacherList;

// A cell of up to `most` characters, drawn from those that a file's quoting and the
// reader's trimming have to get right, Cyrillic and Latin letters among them.
std::u32string drawCell(std::mt19937& draw, std::size_t most, bool nonEmpty) {
    static constexpr std::u32string_view alphabet = U"АБВЕЖЯабвя aZ;,\"'\u00A0-–=+@ё.ΩЎ";
    std::uniform_int_distribution<std::size_t> length(nonEmpty ? 1 : 0, most);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::u32string cell;
    for (std::size_t n = length(draw); n > 0; --n) {
        cell += alphabet[pick(draw)];
    }
    return cell;
}

// The list that the reader makes of a teacher's cells: the list written from those is
// then written again and must read back the same.
std::string drawTable(std::mt19937& draw) {
    namespace limits = wordlists::limits;
    std::uniform_int_distribution<std::size_t> rows(2, 40);
    std::vector<wordlists::Cells> table;
    for (std::size_t n = rows(draw); n > 0; --n) {
        table.push_back({drawCell(draw, limits::answerLength + 2, false),
                         drawCell(draw, limits::clueLength + 2, false)});
    }
    return wordlists::writeTable(
        {drawCell(draw, limits::hintLength, true), drawCell(draw, limits::prefixLength, false)},
        table);
}

void expectSameList(const TeacherList& written, const TeacherList& read) {
    EXPECT_EQ(read.hintCaption, written.hintCaption);
    EXPECT_EQ(read.cluePrefix, written.cluePrefix);
    EXPECT_EQ(read.answers, written.answers);
    EXPECT_EQ(read.clues, written.clues);
}

} // namespace

TEST(ListWriter, everyListTheReaderTakesIsReadBackTheSameFromItsFile) {
    std::mt19937 draw(20261209);
    int lists = 0;
    for (int round = 0; round < 400; ++round) {
        const std::string table = drawTable(draw);
        const auto first = wordlists::readListFile(table, U"Списък.csv");
        if (!first.list) {
            continue;
        }
        ++lists;
        const std::string file = wordlists::writeListFile(*first.list);
        ASSERT_EQ(file.substr(0, 3), "\xEF\xBB\xBF");
        const auto again = wordlists::readListFile(file, U"Списък.csv");
        ASSERT_TRUE(again.list) << file;
        EXPECT_EQ(again.problemCount, 0u) << file;
        expectSameList(*first.list, *again.list);
    }
    // Most drawn tables hold enough good rows to be a list.
    EXPECT_GT(lists, 300);
}

TEST(ListWriter, aFileNameKeepsTheListsNameWhereEverySystemTakesIt) {
    const std::pair<std::u32string_view, std::u32string_view> cases[] = {
        {U"Върхове", U"Върхове.csv"}, {U"Реки/Европа: 2?", U"Реки_Европа_ 2_.csv"},
        {U".скрит", U"_скрит.csv"},   {U"край.", U"край_.csv"},
        {U"  ", U"Списък.csv"},       {U"v1.2 списък", U"v1.2 списък.csv"},
    };
    for (const auto& [name, file] : cases) {
        EXPECT_EQ(wordlists::listFileName(name), file);
        // The reader names the list after the file it reads, as the file is named.
        EXPECT_EQ(wordlists::listName(wordlists::listFileName(name)) + U".csv", file);
    }
}
