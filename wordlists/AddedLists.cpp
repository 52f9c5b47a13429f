#include "AddedLists.h"

namespace wordlists {

AddedLists::Outcome AddedLists::load(game::Game& game, std::string_view bytes,
                                     std::u32string_view fileName, std::size_t fileSize) {
    ListFileResult result = readListFile(bytes, fileName, fileSize);
    Outcome outcome;
    if (result.list) {
        TeacherList& list = *result.list;
        const auto placed = game.addCategory({list.name, list.cluePrefix, list.hintCaption});
        if (!placed) {
            result.refusal = FileFault::TooManyLists;
        } else {
            const auto first = static_cast<std::size_t>(2 * placed->category - firstList);
            if (lists_.size() < first + 2) {
                lists_.resize(first + 2);
            }
            // The menu's caption, which sets a list apart from a built-in namesake.
            list.name = game.categoryTable()[placed->category].menuCaption;
            lists_[first] = list.answers;
            lists_[first + 1] = list.clues;
            outcome.category = placed->category;
            outcome.replaced = placed->replaced;
            outcome.chooseAgain =
                placed->replaced && game.state().categoryIndex == placed->category;
        }
    }
    if (result.refusal) {
        result.list.reset();
    }
    outcome.rowsLeftOut = result.problemCount;
    outcome.message = describe(result, fileName, outcome.replaced);
    return outcome;
}

AddedLists::Outcome AddedLists::unreadable(std::u32string_view fileName) {
    ListFileResult result;
    result.refusal = FileFault::Unreadable;
    return {std::nullopt, false, false, describe(result, fileName)};
}

int AddedLists::count(int index) const {
    const auto at = static_cast<std::size_t>(index - firstList);
    return index >= firstList && at < lists_.size() ? static_cast<int>(lists_[at].size()) : 0;
}

std::u32string_view AddedLists::item(int index, int item) const {
    const auto at = static_cast<std::size_t>(index - firstList);
    if (index < firstList || at >= lists_.size() || item < 0 ||
        item >= static_cast<int>(lists_[at].size())) {
        return {};
    }
    return lists_[at][static_cast<std::size_t>(item)];
}

} // namespace wordlists
