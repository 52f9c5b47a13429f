#include "ListFile.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <utility>

namespace {

using wordlists::FileFault;
using wordlists::RowFault;
using wordlists::RowProblem;
using Pairs = std::vector<std::pair<std::u32string, std::u32string>>;

std::string utf8(std::u32string_view text) {
    return wordlists::toUtf8(text);
}

std::string utf16(std::u32string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char32_t c : text) {
        const char high = static_cast<char>(c >> 8);
        const char low = static_cast<char>(c & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

struct ReadCase {
    const char* what;
    std::string bytes;
    std::optional<FileFault> refusal;
    std::u32string hint;
    std::u32string prefix;
    Pairs questions;
    std::vector<RowProblem> problems;
};

std::ostream& operator<<(std::ostream& out, const ReadCase& c) {
    return out << c.what;
}

const std::u32string peaksHeader = U"Възможно име на връх;Най-високият връх на планина";
const std::u32string peaksPrefix = U"Най-високият връх на планина ";
const Pairs twoPeaks{{U"МУСАЛА", U"Рила"}, {U"ВИХРЕН", U"Пирин"}};

class ListFileReads : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ListFileReads, givesTheQuestionsOrTheReason) {
    // Every format a spreadsheet saves reads to the same list; faults are named by row.
    const ReadCase& c = GetParam();
    const auto result = wordlists::readListFile(c.bytes, U"Върхове.csv");
    ASSERT_EQ(result.refusal, c.refusal);
    ASSERT_EQ(result.list.has_value(), !c.refusal.has_value());
    if (result.list) {
        EXPECT_EQ(result.list->name, U"Върхове");
        EXPECT_EQ(result.list->hintCaption, c.hint);
        EXPECT_EQ(result.list->cluePrefix, c.prefix);
        Pairs questions;
        for (std::size_t i = 0; i < result.list->answers.size(); ++i) {
            questions.emplace_back(result.list->answers[i], result.list->clues.at(i));
        }
        EXPECT_EQ(questions, c.questions);
    }
    ASSERT_EQ(result.problems.size(), c.problems.size());
    EXPECT_EQ(result.problemCount, c.problems.size());
    for (std::size_t i = 0; i < c.problems.size(); ++i) {
        EXPECT_EQ(result.problems[i].row, c.problems[i].row) << "problem " << i;
        EXPECT_EQ(result.problems[i].fault, c.problems[i].fault) << "problem " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formats, ListFileReads,
    ::testing::Values(
        ReadCase{"UTF-8, semicolons, CR LF, small letters, blanks around cells",
                 utf8(peaksHeader + U"\r\n мусала ; Рила \r\nВихрен;Пирин\r\n"),
                 std::nullopt,
                 U"Възможно име на връх",
                 peaksPrefix,
                 twoPeaks,
                 {}},
        ReadCase{"UTF-8 with a byte-order mark, commas, LF, no line end at the end",
                 "\xEF\xBB\xBF" + utf8(U"Връх,Планина\nМусала,Рила\nВихрен,Пирин"),
                 std::nullopt,
                 U"Връх",
                 U"Планина ",
                 twoPeaks,
                 {}},
        ReadCase{"UTF-16 little-endian with tabs (a spreadsheet's Unicode text), CR only",
                 utf16(U"Връх\t\rМусала\tРила\rВихрен\tПирин\r", false),
                 std::nullopt,
                 U"Връх",
                 U"",
                 twoPeaks,
                 {}},
        ReadCase{"UTF-16 big-endian",
                 utf16(U"Връх\tП\nМусала\tРила\nВихрен\tПирин", true),
                 std::nullopt,
                 U"Връх",
                 U"П ",
                 twoPeaks,
                 {}},
        ReadCase{"Windows-1251: not valid UTF-8 and no byte-order mark",
                 "\xc2\xf0\xfa\xf5;\n\xec\xf3\xf1\xe0\xeb\xe0;\xd0\xe8\xeb\xe0\n"
                 "\xc2\xe8\xf5\xf0\xe5\xed;\xcf\xe8\xf0\xe8\xed\n",
                 std::nullopt,
                 U"Връх",
                 U"",
                 twoPeaks,
                 {}},
        ReadCase{"quoted cells: separators, doubled quotes, a line break as one blank",
                 utf8(U"\"Връх; или хълм\";\"Кой е \"\"най\"\"-високият\"\n"
                      U"\"Голям\r\nПерелик\";\"Родопи; западни\"\n\"ботев\";Стара планина\n"),
                 std::nullopt,
                 U"Връх; или хълм",
                 U"Кой е \"най\"-високият ",
                 Pairs{{U"ГОЛЯМ ПЕРЕЛИК", U"Родопи; западни"}, {U"БОТЕВ", U"Стара планина"}},
                 {}},
        ReadCase{"a quote opens a quoted cell after blanks too, and is kept after other text",
                 utf8(U"Връх;Планина\n  \"Мусала\";Рила \"Рилска\"\nВихрен;Пирин\n"),
                 std::nullopt,
                 U"Връх",
                 U"Планина ",
                 Pairs{{U"МУСАЛА", U"Рила \"Рилска\""}, {U"ВИХРЕН", U"Пирин"}},
                 {}},
        ReadCase{"a tab in the first row wins over semicolons and commas",
                 utf8(U"Връх; хълм\tНа планина, хребет\nМусала\tРила\nВихрен\tПирин\n"),
                 std::nullopt,
                 U"Връх; хълм",
                 U"На планина, хребет ",
                 twoPeaks,
                 {}},
        ReadCase{"bad rows are left out by their spreadsheet numbers; empty rows are not faults",
                 utf8(peaksHeader + U"\n;Рила\nМусала;Рила\n\n;;\n" + std::u32string(31, U'Я') +
                      U";x\n\"Две\nлинии\";" + std::u32string(101, U'я') +
                      U"\nА\u0001Б;x\nВихрен;Пирин;;  \nБотев;Стара;бележка\n"),
                 std::nullopt,
                 U"Възможно име на връх",
                 peaksPrefix,
                 twoPeaks,
                 {{2, RowFault::NoAnswer},
                  {6, RowFault::AnswerTooLong},
                  {7, RowFault::ClueTooLong},
                  {8, RowFault::ControlCharacter},
                  {10, RowFault::ExtraCells}}},
        ReadCase{"a quote left open swallows the rest of the file, and says so",
                 utf8(peaksHeader + U"\nМусала;Рила\nВихрен;Пирин\nБотев;\"Стара\nпланина\n"),
                 std::nullopt,
                 U"Възможно име на връх",
                 peaksPrefix,
                 twoPeaks,
                 {{4, RowFault::UnclosedQuote}}},
        ReadCase{"blanks of every kind are blanks; dashes are hyphens; invisible marks go",
                 utf8(U"Град\u00A0;\nСан\u00A0Марино;а\nПорт\u2013Луи\u00AD;б\n"),
                 std::nullopt,
                 U"Град",
                 U"",
                 Pairs{{U"САН МАРИНО", U"а"}, {U"ПОРТ-ЛУИ", U"б"}},
                 {}}));

INSTANTIATE_TEST_SUITE_P(
    Refusals, ListFileReads,
    ::testing::Values(
        ReadCase{"empty", "", FileFault::Empty, {}, {}, {}, {}},
        ReadCase{"only blank rows", "\r\n ;  \n", FileFault::Empty, {}, {}, {}, {}},
        ReadCase{"a workbook, not text",
                 std::string("PK\x03\x04\x14\0\0\0", 8),
                 FileFault::SpreadsheetFile,
                 {},
                 {},
                 {},
                 {}},
        ReadCase{
            "a NUL byte", std::string("a;b\nc\0d;e\n", 10), FileFault::NotText, {}, {}, {}, {}},
        ReadCase{"a byte-order mark of UTF-8 before other bytes",
                 "\xEF\xBB\xBF\xC0;b\n",
                 FileFault::BadEncoding,
                 {},
                 {},
                 {},
                 {}},
        ReadCase{"UTF-16 with an odd last byte",
                 utf16(U"a\tb\n", false) + "x",
                 FileFault::BadEncoding,
                 {},
                 {},
                 {},
                 {}},
        ReadCase{"the one byte that Windows-1251 does not assign",
                 "\x98;b\n",
                 FileFault::BadEncoding,
                 {},
                 {},
                 {},
                 {}},
        ReadCase{"no hint",
                 utf8(U";Начало\nМусала;Рила\nВихрен;Пирин\n"),
                 FileFault::NoHint,
                 {},
                 {},
                 {},
                 {}},
        ReadCase{"a hint of 31 characters",
                 utf8(std::u32string(31, U'х') + U";\nа;б\nв;г\n"),
                 FileFault::HintTooLong,
                 {},
                 {},
                 {},
                 {}},
        ReadCase{"a question start of 41 characters",
                 utf8(U"х;" + std::u32string(41, U'н') + U"\nа;б\nв;г\n"),
                 FileFault::PrefixTooLong,
                 {},
                 {},
                 {},
                 {}},
        ReadCase{"a control character in the header",
                 "a\x1b;b\nc;d\ne;f\n",
                 FileFault::HeaderControlCharacter,
                 {},
                 {},
                 {},
                 {}},
        ReadCase{
            "a header alone", utf8(peaksHeader + U"\n"), FileFault::NoQuestions, {}, {}, {}, {}},
        ReadCase{"no usable row: the rows are still named",
                 utf8(peaksHeader + U"\n;Рила\n"),
                 FileFault::NoQuestions,
                 {},
                 {},
                 {},
                 {{2, RowFault::NoAnswer}}},
        ReadCase{"one question: nothing to draw from",
                 utf8(peaksHeader + U"\nМусала;Рила\n"),
                 FileFault::TooFewQuestions,
                 {},
                 {},
                 {},
                 {}}));

TEST(ListFile, refusesALargeFileByItsSizeAlone) {
    // The window reads no more than the limit; the file's size decides.
    const auto result =
        wordlists::readListFile("a;b\nc;d\ne;f\n", U"x.csv", wordlists::limits::fileBytes + 1);
    EXPECT_EQ(result.refusal, FileFault::TooLarge);
}

TEST(ListFile, keepsTenThousandQuestionsAndNamesTheFirstTwentyOfTheRest) {
    // Rows past the limit are left out and counted; the message names twenty of them.
    std::string bytes = "Връх;\n";
    for (int i = 0; i < 10025; ++i) {
        bytes += "В" + std::to_string(i) + ";x\n";
    }
    const auto result = wordlists::readListFile(bytes, U"Много.csv");
    ASSERT_TRUE(result.list);
    EXPECT_EQ(result.list->answers.size(), wordlists::limits::questions);
    EXPECT_EQ(result.problemCount, 25u);
    ASSERT_EQ(result.problems.size(), 20u);
    EXPECT_EQ(result.problems[0].row, 10002u);
    EXPECT_EQ(result.problems[0].fault, RowFault::TooManyQuestions);
    const std::u32string message = wordlists::describe(result, U"Много.csv");
    EXPECT_NE(message.find(U"ред 10021: списъкът вече има 10000 въпроса"), std::u32string::npos);
    EXPECT_EQ(message.find(U"ред 10022"), std::u32string::npos);
    EXPECT_NE(message.find(U"и още 5 реда"), std::u32string::npos);
}

TEST(ListFile, messageRepeatsNameHeaderAndCountOrTheReason) {
    // A teacher who forgot the header row sees at once what was taken for it.
    const auto loaded = wordlists::readListFile(
        utf8(U"Мусала;Рила\nВихрен;Пирин\nБотев;\nГолям;x\n"), U"Върхове.csv");
    EXPECT_EQ(wordlists::describe(loaded, U"Върхове.csv"),
              U"Списъкът „Върхове“ е зареден: 3 въпроса.\nПодсказка: „Мусала“\n"
              U"Начало на въпроса: „Рила“");
    const auto refused = wordlists::readListFile(utf8(U"Връх;\n;x\n"), U"Празни.csv");
    EXPECT_EQ(wordlists::describe(refused, U"Празни.csv"),
              U"Файлът „Празни.csv“ не е зареден: няма нито един ред с отговор и въпрос след "
              U"ред 1.\nПропуснати редове: 1.\nред 2: няма отговор");
    // A file's name is shown as text: no line break, control or reordering character and
    // no invisible one of it reaches the message.
    const std::u32string name = U"\u202Evsc.\u2066Реки\n\u0007x\u200B.csv\t";
    EXPECT_EQ(wordlists::describe(wordlists::readListFile("", name), name),
              U"Файлът „vsc. Реки  x.csv“ не е зареден: файлът е празен.");
}

TEST(ListFile, fileNamesInUtf8GiveAReplacementForEveryByteThatIsNoCharacter) {
    // Sequences cut short, also at the end, overlong forms, surrogates and values past
    // U+10FFFF; the letters around them stay.
    EXPECT_EQ(wordlists::fromUtf8("a\xD0\x92\xC3"), U"aВ\uFFFD");
    EXPECT_EQ(wordlists::fromUtf8("\xE2\x82\xD0\x92"), U"\uFFFD\uFFFDВ");
    EXPECT_EQ(wordlists::fromUtf8("\xE0\x80\x80\xED\xA0\x80x"),
              std::u32string(6, U'\uFFFD') + U"x");
    EXPECT_EQ(wordlists::fromUtf8("\xF4\x90\x80\x80\xF0\x9F\x8F\x94"),
              std::u32string(4, U'\uFFFD') + U"\U0001F3D4");
}

TEST(ListFile, namesTheListAfterTheFileAlone) {
    // Folders, the extension, control characters and overlong names do not reach the menu.
    EXPECT_EQ(wordlists::listName(U"C:\\Users\\учител\\Върхове.csv"), U"Върхове");
    EXPECT_EQ(wordlists::listName(U"/home/u/Реки.и.езера.tsv"), U"Реки.и.езера");
    EXPECT_EQ(wordlists::listName(U"Лош\nред.csv"), U"Лош ред");
    EXPECT_EQ(wordlists::listName(U" .csv"), U"Списък");
    EXPECT_EQ(wordlists::listName(std::u32string(50, U'я') + U".csv"), std::u32string(40, U'я'));
}

} // namespace
