#pragma once

#include "RandomSource.h"

namespace web {

/// The page's random numbers for the game's draws: the clock's in the page that everyone
/// gets (ClockPageRandom.cpp); known ones in the page built for the tests only
/// (KnownPageRandom.cpp). Lives as long as the page.
game::RandomSource& pageRandom();

} // namespace web
