// What a teacher is told after a list file was opened, in Bulgarian.

#include "ListFile.h"
#include "TextDecoding.h"

#include <string>

namespace wordlists {

namespace {

using Text = std::u32string;
using View = std::u32string_view;

Text number(std::size_t value) {
    const std::string digits = std::to_string(value);
    return Text(digits.begin(), digits.end());
}

Text quoted(View text) {
    return Text(U"„").append(text).append(U"“");
}

} // namespace

std::u32string faultText(FileFault fault) {
    switch (fault) {
    case FileFault::TooLarge:
        return U"файлът е по-голям от 2 MB";
    case FileFault::NotText:
        return U"файлът не е текст";
    case FileFault::SpreadsheetFile:
        return U"това е файл на електронна таблица, а не текст; запишете таблицата като CSV "
               U"(разделител „;“ или „,“) или като текст с табулации";
    case FileFault::BadEncoding:
        return U"текстът не може да бъде разчетен: байтовете не са правилен UTF-8 или UTF-16";
    case FileFault::Empty:
        return U"файлът е празен";
    case FileFault::NoHint:
        return U"първата клетка на ред 1 (подсказката) е празна";
    case FileFault::HintTooLong:
        return U"подсказката на ред 1 е по-дълга от " + number(limits::hintLength) + U" знака";
    case FileFault::PrefixTooLong:
        return U"началото на въпроса на ред 1 е по-дълго от " + number(limits::prefixLength) +
               U" знака";
    case FileFault::HeaderControlCharacter:
        return U"ред 1 съдържа управляващ знак";
    case FileFault::HeaderUnclosedQuote:
        return U"кавичките на ред 1 не са затворени";
    case FileFault::NoQuestions:
        return U"няма нито един ред с отговор и въпрос след ред 1";
    case FileFault::TooFewQuestions:
        return U"нужни са поне два въпроса";
    case FileFault::Unreadable:
        return U"файлът не може да бъде прочетен";
    case FileFault::TooManyLists:
        return U"вече са заредени " + number(limits::lists) + U" списъка";
    }
    return {};
}

std::u32string faultText(RowFault fault) {
    switch (fault) {
    case RowFault::NoAnswer:
        return U"няма отговор";
    case RowFault::AnswerTooLong:
        return U"отговорът е по-дълъг от " + number(limits::answerLength) + U" знака";
    case RowFault::ClueTooLong:
        return U"въпросът е по-дълъг от " + number(limits::clueLength) + U" знака";
    case RowFault::ControlCharacter:
        return U"има управляващ знак";
    case RowFault::ExtraCells:
        return U"има повече от две попълнени клетки";
    case RowFault::UnclosedQuote:
        return U"кавичките не са затворени до края на файла";
    case RowFault::TooManyQuestions:
        return U"списъкът вече има " + number(limits::questions) + U" въпроса";
    }
    return {};
}

namespace {

void appendProblems(Text& message, const ListFileResult& result) {
    if (result.problemCount == 0) {
        return;
    }
    message += U"\nПропуснати редове: " + number(result.problemCount) + U".";
    for (const RowProblem& problem : result.problems) {
        message += U"\nред " + number(problem.row) + U": " + faultText(problem.fault);
    }
    if (result.problemCount > result.problems.size()) {
        const std::size_t more = result.problemCount - result.problems.size();
        message += U"\nи още " + number(more) + (more == 1 ? U" ред" : U" реда");
    }
}

} // namespace

std::u32string describe(const ListFileResult& result, std::u32string_view fileName, bool replaced) {
    Text message;
    if (!result.list) {
        message = U"Файлът " + quoted(shownFileName(fileName)) + U" не е зареден: " +
                  faultText(result.refusal.value_or(FileFault::Unreadable)) + U".";
        appendProblems(message, result);
        return message;
    }
    const TeacherList& list = *result.list;
    message = U"Списъкът " + quoted(list.name) + U" е зареден: " + number(list.answers.size()) +
              U" въпроса.";
    if (replaced) {
        message += U"\nТой заменя зареден по-рано списък със същото име.";
    }
    message += U"\nПодсказка: " + quoted(list.hintCaption);
    const View prefix = View(list.cluePrefix).substr(0, list.cluePrefix.find_last_not_of(U' ') + 1);
    message += U"\nНачало на въпроса: " + (prefix.empty() ? Text(U"(няма)") : quoted(prefix));
    appendProblems(message, result);
    return message;
}

std::u32string describeAfterEnd(std::u32string_view fileName) {
    return U"Файлът " + quoted(shownFileName(fileName)) +
           U" не е зареден: играта е приключила и не взема списъци.";
}

std::string toUtf8(std::u32string_view text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (char32_t c : text) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            c = U'\uFFFD';
        }
        if (c < 0x80) {
            bytes += static_cast<char>(c);
        } else if (c < 0x800) {
            bytes += static_cast<char>(0xC0 | (c >> 6));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            bytes += static_cast<char>(0xE0 | (c >> 12));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | (c >> 18));
            bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return bytes;
}

std::u32string fromUtf8(std::string_view bytes) {
    return decodeUtf8(bytes).text;
}

} // namespace wordlists
