#include "ClockRandom.h"
#include "PageRandom.h"

namespace web {

game::RandomSource& pageRandom() {
    static game::ClockRandom random;
    return random;
}

} // namespace web
