#include "LetterBox.h"

namespace session {

namespace {

// Control characters (line breaks and tabs among them) and the line and paragraph
// separators: a field shows none of them as what they are.
bool shown(char32_t c) {
    return !(c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == U'\u2028' || c == U'\u2029');
}

} // namespace

game::Text keptInLetterBox(game::TextView before, bool replacesAll, game::TextView proposed) {
    if (proposed.size() <= 1 && (proposed.empty() || shown(proposed.front()))) {
        return game::Text(proposed);
    }
    if (!replacesAll) {
        return game::Text(before);
    }
    std::size_t start = 0;
    while (start < proposed.size() && !shown(proposed[start])) {
        ++start;
    }
    return game::Text(proposed.substr(start, 1));
}

} // namespace session
