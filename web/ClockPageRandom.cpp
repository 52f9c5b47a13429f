#include "ClockRandom.h"
#include "PageRandom.h"

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

namespace web {

namespace {

// The browser's clocks: milliseconds since 1970, and the microseconds since the page
// opened below them. (The C library's clock would bring its error texts into the page.)
std::uint64_t browserClock() {
    return (static_cast<std::uint64_t>(emscripten_date_now()) << 20) ^
           static_cast<std::uint64_t>(emscripten_get_now() * 1000.0);
}

} // namespace

game::RandomSource& pageRandom() {
    static game::ClockRandom random(browserClock);
    return random;
}

} // namespace web
