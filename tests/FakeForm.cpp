#include "FakeForm.h"

#include "WordLists.h"

FakeForm::FakeForm() {
    for (int i = 0; i < wordlists::listCount; ++i) {
        lists.at(i) = wordlists::list(i);
    }
}

void FakeForm::setCategory(int category,
                           std::initializer_list<std::pair<game::Text, game::Text>> pairs) {
    auto& answers = lists.at(2 * category);
    auto& clues = lists.at(2 * category + 1);
    answers.clear();
    clues.clear();
    for (const auto& [answer, clue] : pairs) {
        answers.push_back(answer);
        clues.push_back(clue);
    }
}

game::TextView FakeForm::List1Item(int index, int item) const {
    const auto& list = lists.at(index);
    if (item < 0 || item >= static_cast<int>(list.size())) {
        return {};
    }
    return list[item];
}
