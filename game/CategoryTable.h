#pragma once

#include "Categories.h"
#include "Text.h"

#include <optional>
#include <vector>

namespace game {

/// A category added while the program runs, beside the built-in ones: a teacher's list.
struct AddedCategory {
    Text menuCaption;
    Text cluePrefix;
    Text hintCaption;
};

/**
 * The categories that the menu offers: the five built-in ones, then the added ones in the
 * order they came. Category c is chosen by the menu item Obrabotwa(c + 1); its answers are
 * List1(2c) and its clues List1(2c + 1).
 */
class CategoryTable {
public:
    static constexpr int maxAdded = 20;

    /// Where an added category went.
    struct Placed {
        int category;  ///< its index
        bool replaced; ///< it took the place of an added one with the same caption
    };

    int size() const { return static_cast<int>(categories.size() + added_.size()); }

    /// Category `c`, 0 to size() - 1; the views stay valid until that category is replaced.
    Category operator[](int c) const;

    /// Adds `category` after the others, or in the place of the added one with the same
    /// caption; none when maxAdded are there already. The built-in categories never
    /// change: a caption that one of them has is told apart by " (2)".
    std::optional<Placed> add(AddedCategory category);

    /// Takes the added category `c` off the menu: it keeps its index, and the next added
    /// category that replaces none takes its place. False for a built-in one.
    bool remove(int c);
    /// True when category `c` was removed and nothing has taken its place.
    bool removed(int c) const;

private:
    std::vector<AddedCategory> added_; ///< a removed one with no caption
};

} // namespace game
