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
    const auto builtIn = static_cast<int>(categories.size());
    for (std::size_t k = 0; k < added_.size(); ++k) {
        if (!removed_[k] && added_[k].menuCaption == category.menuCaption) {
            added_[k] = std::move(category);
            return Placed{builtIn + static_cast<int>(k), true};
        }
    }
    const auto free = std::find(removed_.begin(), removed_.end(), true);
    if (free != removed_.end()) {
        *free = false;
        const auto k = static_cast<std::size_t>(free - removed_.begin());
        added_[k] = std::move(category);
        return Placed{builtIn + static_cast<int>(k), false};
    }
    if (static_cast<int>(added_.size()) >= maxAdded) {
        return std::nullopt;
    }
    added_.push_back(std::move(category));
    removed_.push_back(false);
    return Placed{size() - 1, false};
}

bool CategoryTable::remove(int c) {
    const auto k = static_cast<std::size_t>(c) - categories.size();
    if (c < static_cast<int>(categories.size()) || k >= added_.size()) {
        return false;
    }
    removed_[k] = true;
    return true;
}

bool CategoryTable::removed(int c) const {
    const auto k = static_cast<std::size_t>(c) - categories.size();
    return c >= static_cast<int>(categories.size()) && k < removed_.size() && removed_[k];
}

} // namespace game
