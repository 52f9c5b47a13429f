#pragma once

namespace game {

/// Uniform random numbers for the word draws. Tests inject a scripted source.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    /// Seeds the sequence from the system clock; called once, at start-up.
    virtual void seedFromClock() = 0;

    /// The next number of the sequence, a single-precision value in [0, 1).
    virtual float next() = 0;
};

} // namespace game
