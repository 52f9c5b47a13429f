#pragma once

#include "Text.h"

#include <cstdint>

namespace game {

/**
 * The window-level variables of the game.
 *
 * Before the window has loaded they hold nothing: an empty value reads as 0 in
 * arithmetic and joins as the empty text, which is what the zeros and empty texts
 * below give.
 */
struct GameState {
    enum TimerMode : std::int16_t { IdleShuffle = 0, Marquee = 1 };

    std::int16_t categoryIndex = 0; ///< current category: the built-in ones, then those added
    std::int32_t lastIndex = 0;     ///< item count of the answer list - 1; bounds the draw
    std::int32_t wordIndex = 0;     ///< item of the current answer and of its clue
    std::int16_t timerMode = IdleShuffle;
    std::int32_t scrollPos = 0; ///< 1-based start of the visible slice of marqueeText
    std::int16_t hitCount = 0;  ///< positions matched in this game, counted per guess
    Text cluePrefix;            ///< the category's question prefix
    Text questionText;          ///< prefix + clue + " e: " (+ answer once the game ends)
    Text marqueeText;           ///< questionText + " " + questionText
};

} // namespace game
