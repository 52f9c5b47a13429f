#include "ClockRandom.h"

#include <chrono>

namespace game {

std::uint64_t ClockRandom::systemClock() {
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

void ClockRandom::seedFromClock() {
    const std::uint64_t ticks = clock_();
    std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32)};
    engine_.seed(seed);
}

float ClockRandom::next() {
    // The top 24 bits give every float of the form k / 2^24 with equal chance, and
    // never 1.0 (a float distribution may round up to 1.0).
    return static_cast<float>(engine_() >> 8) * 0x1p-24f;
}

} // namespace game
