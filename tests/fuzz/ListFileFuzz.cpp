// Any bytes at all, as a list file from an e-mail may hold: the reader must give a list
// within its limits or a reason, and never crash, hang or read out of bounds; a list it
// gives, written as the program keeps it, reads back as the same list.
//
// The input is a file name, a NUL, then the file's bytes; without a NUL in its first 64
// bytes it is all file.

#include "ListFile.h"
#include "ListWriter.h"
#include "ValueRules.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

bool hasControl(std::u32string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::u32string fileName = U"Списък.csv";
    const std::size_t nul = input.substr(0, 64).find('\0');
    if (nul != std::string_view::npos) {
        fileName = wordlists::fromUtf8(input.substr(0, nul));
        input.remove_prefix(nul + 1);
    }

    const auto result = wordlists::readListFile(input, fileName);
    namespace limits = wordlists::limits;
    check(result.list.has_value() != result.refusal.has_value(), "a list or a reason");
    check(result.problems.size() <= limits::problemsNamed, "rows named");
    check(result.problems.size() <= result.problemCount, "rows counted");
    if (result.list) {
        const auto& list = *result.list;
        check(!list.name.empty() && list.name.size() <= limits::nameLength, "name");
        check(!hasControl(list.name), "name without control characters");
        check(!list.hintCaption.empty() && list.hintCaption.size() <= limits::hintLength, "hint");
        check(list.cluePrefix.size() <= limits::prefixLength + 1, "prefix");
        check(!hasControl(list.hintCaption) && !hasControl(list.cluePrefix), "header text");
        check(list.answers.size() == list.clues.size(), "answers and clues pair");
        check(list.answers.size() >= 2 && list.answers.size() <= limits::questions, "count");
        for (std::size_t i = 0; i < list.answers.size(); ++i) {
            const auto& answer = list.answers[i];
            check(!answer.empty() && answer.size() <= limits::answerLength, "answer length");
            check(answer.front() != U' ' && answer.back() != U' ', "answer trimmed");
            check(game::upperCase(answer) == answer, "answer in capitals");
            check(list.clues[i].size() <= limits::clueLength, "clue length");
            check(!hasControl(answer) && !hasControl(list.clues[i]), "row text");
        }
        // Kept as a file by the program, the list reads back as the same list.
        const auto again = wordlists::readListFile(wordlists::writeListFile(list),
                                                   wordlists::listFileName(list.name));
        check(again.list.has_value() && again.problemCount == 0, "written list read back");
        check(again.list->hintCaption == list.hintCaption &&
                  again.list->cluePrefix == list.cluePrefix,
              "written header read back");
        check(again.list->answers == list.answers && again.list->clues == list.clues,
              "written questions read back");
    }
    const std::u32string message = wordlists::describe(result, fileName);
    check(!message.empty(), "a message");
    check(wordlists::fromUtf8(wordlists::toUtf8(message)) == message, "message as UTF-8");
    return 0;
}
