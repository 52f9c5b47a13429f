#pragma once

#include "RandomSource.h"

#include <cstdint>
#include <random>

namespace game {

/// The program's random numbers: a Mersenne Twister seeded from a clock, the system's
/// unless another is given (the page gives the browser's).
class ClockRandom final : public RandomSource {
public:
    /// The time now, in a unit fine enough that no two starts read the same.
    using Clock = std::uint64_t (*)();
    static std::uint64_t systemClock();

    explicit ClockRandom(Clock clock = systemClock) : clock_(clock) {}

    void seedFromClock() override;
    float next() override;

private:
    Clock clock_;
    std::mt19937 engine_;
};

} // namespace game
