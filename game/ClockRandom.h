#pragma once

#include "RandomSource.h"

#include <cstdint>
#include <random>

namespace game {

/// The program's random numbers: a Mersenne Twister seeded from the system clock.
class ClockRandom final : public RandomSource {
public:
    void seedFromClock() override;
    float next() override;

private:
    std::mt19937 engine_;
};

} // namespace game
