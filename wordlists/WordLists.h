#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace wordlists {

/// Number of word lists: two per category.
inline constexpr int listCount = 10;

/**
 * Word list `index`, 0 to 9: list 2c holds the answers of category c and list 2c + 1
 * their clues, item for item, in stored order. The lists are built into the program
 * and decoded on first use; they never change while the program runs.
 */
const std::vector<std::u32string>& list(int index);

/// Ten word lists as a window holds them: the built-in ones, or others in tests.
using Lists = std::array<std::vector<std::u32string>, listCount>;

/// All ten built-in lists.
const Lists& all();

/// The number of items of list `index` of `lists`; throws std::out_of_range for an
/// index outside 0 to 9.
int itemCount(const Lists& lists, int index);

/// Item `item` of list `index` of `lists`, or the empty text when the list has no such
/// item; throws std::out_of_range for an index outside 0 to 9.
std::u32string_view itemAt(const Lists& lists, int index, int item);

} // namespace wordlists
