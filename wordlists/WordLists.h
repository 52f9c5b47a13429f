#pragma once

#include <string>
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

} // namespace wordlists
