#pragma once

#include "Game.h"
#include "ListFile.h"
#include "WordLists.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wordlists {

/**
 * The teachers' lists that a window holds beside its ten built-in ones: category c of
 * them (c from 5) has its answers in List1(2c) and its clues in List1(2c + 1). Both
 * windows load list files through this one place.
 */
class AddedLists {
public:
    /// What loading a file did.
    struct Outcome {
        std::optional<int> category; ///< the category it became; none when refused
        bool replaced = false;       ///< it took the place of a list of the same name
        /// It replaced the category being played: the window chooses it again (menu
        /// item *category + 1), so that no word of the replaced list stays in play.
        bool chooseAgain = false;
        std::u32string message;      ///< what to tell the teacher
        std::size_t rowsLeftOut = 0; ///< rows of the file that broke a rule
    };

    /// Reads the file's `bytes` (see readListFile) and adds its list to `game` and here.
    /// Call between the game's handlers.
    Outcome load(game::Game& game, std::string_view bytes, std::u32string_view fileName,
                 std::size_t fileSize);
    Outcome load(game::Game& game, std::string_view bytes, std::u32string_view fileName) {
        return load(game, bytes, fileName, bytes.size());
    }

    /// The outcome for a file that could not be read or fetched at all.
    static Outcome unreadable(std::u32string_view fileName);
    /// The outcome for a file that came once the game had ended.
    static Outcome afterEnd(std::u32string_view fileName) {
        return {std::nullopt, false, false, describeAfterEnd(fileName)};
    }

    /// True when List1(index) is one of these lists.
    static bool holds(int index) { return index >= firstList; }
    /// Item count of List1(index), index from 10; 0 for a list not loaded.
    int count(int index) const;
    /// Item `item` of List1(index), index from 10; empty when there is none.
    std::u32string_view item(int index, int item) const;

private:
    static constexpr int firstList = listCount;      ///< after the built-in lists
    std::vector<std::vector<std::u32string>> lists_; ///< List1(10) on
};

} // namespace wordlists
