// The random numbers of the page built for the tests, geografia-test.html: always the
// same number, so that every draw is known. A built-in list's draw takes the whole part of
// number * 1000, 46, modulo the list's last index: item 46 of each of the game's own lists
// (wordlists/*.tsv, row 47), which in "Столици" is СОФИЯ, the capital of БЪЛГАРИЯ.

#include "PageRandom.h"

namespace web {

namespace {

class KnownRandom final : public game::RandomSource {
public:
    void seedFromClock() override {}
    float next() override { return 0.0465f; }
};

} // namespace

game::RandomSource& pageRandom() {
    static KnownRandom random;
    return random;
}

} // namespace web
