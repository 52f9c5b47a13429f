#pragma once

#include <string>
#include <string_view>

namespace game {

// Every text of the game is a sequence of characters (code points), so that one
// Cyrillic letter is one position of a word.
using Text = std::u32string;
using TextView = std::u32string_view;

} // namespace game
