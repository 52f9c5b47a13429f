#pragma once

#include "RandomSource.h"

#include <cstdint>
#include <random>

/// Reproducible draws for the game, from the test's own seed.
struct SeededRandom : game::RandomSource {
    explicit SeededRandom(std::uint32_t seed) : engine(seed) {}
    void seedFromClock() override {}
    float next() override { return static_cast<float>(engine() >> 8) * 0x1p-24f; }
    std::mt19937 engine;
};
