#pragma once

#include "Text.h"

#include <array>

namespace game {

/// One category of questions: what the menu item, the question and the hint say.
struct Category {
    TextView menuCaption; ///< caption of the menu item Obrabotwa(c + 1)
    TextView cluePrefix;  ///< start of every question; ends in one blank
    TextView hintCaption; ///< caption of Label1(0) while the category is chosen
};

/// The five categories. The answers of category c are List1(2c), its clues List1(2c + 1).
inline constexpr std::array<Category, 5> categories{{
    {U"Столици", U"Столица на държавата ", U"Възможно име на столица"},
    {U"Общини", U"Община в окръг ", U"Възможно име на община"},
    {U"Реки", U"Река в континент ", U"Възможно име на река"},
    {U"Острови", U"Остров в море/океан ", U"Възможно име на остров"},
    {U"Щат-столица", U"Столицата на американския щат ", U"Възможно име на столица"},
}};

/// Caption of the menu item Obrabotwa(0), which ends the program.
inline constexpr TextView exitMenuCaption = U"Изход";

/// Number of menu items Obrabotwa(0) to Obrabotwa(5).
inline constexpr int menuItemCount = 1 + static_cast<int>(categories.size());

} // namespace game
