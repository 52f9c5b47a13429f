#pragma once

#include "Text.h"

namespace session {

/**
 * What the letter box keeps after the player typed, pasted or composed into it: at most
 * one character. An edit that would leave more keeps the text `before` it, unless nothing
 * of that stays (`replacesAll`: the box was empty, or all of it was selected): then the
 * first character of what came in, past any at its start that the box cannot show (a
 * paste's leading line break, say). `proposed` is the box's text after the edit; for a
 * composition, the text it committed, measured against the text before it began.
 */
game::Text keptInLetterBox(game::TextView before, bool replacesAll, game::TextView proposed);

} // namespace session
