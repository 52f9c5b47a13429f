#include "CategoryTable.h"

#include <algorithm>

namespace game {

Category CategoryTable::operator[](int c) const {
    const auto index = static_cast<std::size_t>(c);
    if (index < categories.size()) {
        return categories[index];
    }
    const AddedCategory& added = added_.at(index - categories.size());
    return {added.menuCaption, added.cluePrefix, added.hintCaption};
}

std::optional<CategoryTable::Placed> CategoryTable::add(AddedCategory category) {
    const auto builtInCaption = [&](const Category& builtIn) {
        return builtIn.menuCaption == category.menuCaption;
    };
    if (std::any_of(categories.begin(), categories.end(), builtInCaption)) {
        category.menuCaption += U" (2)";
    }
    const auto same = std::find_if(added_.begin(), added_.end(), [&](const AddedCategory& added) {
        return added.menuCaption == category.menuCaption;
    });
    if (same != added_.end()) {
        *same = std::move(category);
        return Placed{static_cast<int>(categories.size()) + static_cast<int>(same - added_.begin()),
                      true};
    }
    if (static_cast<int>(added_.size()) >= maxAdded) {
        return std::nullopt;
    }
    added_.push_back(std::move(category));
    return Placed{size() - 1, false};
}

} // namespace game
