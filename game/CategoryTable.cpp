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
    // A removed category has no caption, which no added one has: its place is free.
    const auto same = std::find_if(added_.begin(), added_.end(), [&](const AddedCategory& added) {
        return added.menuCaption == category.menuCaption;
    });
    const auto free = std::find_if(added_.begin(), added_.end(), [](const AddedCategory& added) {
        return added.menuCaption.empty();
    });
    const auto place = same != added_.end() ? same : free;
    if (place != added_.end()) {
        *place = std::move(category);
        return Placed{builtIn + static_cast<int>(place - added_.begin()), same != added_.end()};
    }
    if (static_cast<int>(added_.size()) >= maxAdded) {
        return std::nullopt;
    }
    added_.push_back(std::move(category));
    return Placed{size() - 1, false};
}

bool CategoryTable::remove(int c) {
    const auto k = static_cast<std::size_t>(c) - categories.size();
    if (c < static_cast<int>(categories.size()) || k >= added_.size()) {
        return false;
    }
    added_[k] = {};
    return true;
}

bool CategoryTable::removed(int c) const {
    const auto k = static_cast<std::size_t>(c) - categories.size();
    return c >= static_cast<int>(categories.size()) && k < added_.size() &&
           added_[k].menuCaption.empty();
}

} // namespace game
