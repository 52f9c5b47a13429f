#pragma once

#include "RandomSource.h"

#include <deque>
#include <stdexcept>

/// Random numbers that a test writes in advance; running out is a test failure.
struct ScriptedRandom : game::RandomSource {
    std::deque<float> script;
    int seedCalls = 0;

    /// A number whose draw is `index` whenever `index` is below the draw's divisor.
    static float forIndex(int index) { return (static_cast<float>(index) + 0.5f) / 1000.0f; }

    void pushIndex(int index) { script.push_back(forIndex(index)); }

    void seedFromClock() override { ++seedCalls; }
    float next() override {
        if (script.empty()) {
            throw std::logic_error("the test drew more random numbers than it scripted");
        }
        const float value = script.front();
        script.pop_front();
        return value;
    }
};
