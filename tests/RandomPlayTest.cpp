// A long game played at random through the fake window: new games, guesses with any
// kind of input, every category and timer ticks. After every event the fields must
// agree with what the rules imply; the seed is printed with any failure.

#include "FakeForm.h"
#include "Game.h"
#include "RuntimeError.h"
#include "SeededRandom.h"
#include "ValueRules.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <iostream>
#include <random>
#include <string>
#include <vector>

namespace {

std::vector<game::Text> inputPool() {
    std::vector<game::Text> pool{U"",   U" ",       U"-", U"?",      U"'",  U"\t",
                                 U"\n", U"е\u0301", U"😀", U"\u200F", U"ab", U"АБВ"};
    for (char32_t c = U'Ѐ'; c <= U'џ'; ++c) { // every Cyrillic capital and small letter
        pool.emplace_back(1, c);
    }
    pool.emplace_back(1, U'Ґ');
    pool.emplace_back(1, U'ґ');
    for (char32_t c = U'A'; c <= U'Z'; ++c) {
        pool.emplace_back(1, c);
        pool.emplace_back(1, c + 0x20);
    }
    for (char32_t c = U'0'; c <= U'9'; ++c) {
        pool.emplace_back(1, c);
    }
    return pool;
}

// The same seed at every run, so that a failure can be replayed; GEOGRAFIA_SEED picks
// another.
std::uint32_t chooseSeed() {
    constexpr std::uint32_t defaultSeed = 20261208;
    const char* chosen = std::getenv("GEOGRAFIA_SEED");
    return chosen != nullptr ? static_cast<std::uint32_t>(std::strtoul(chosen, nullptr, 10))
                             : defaultSeed;
}

/// What the player has seen of the current game, kept apart from the game's own state.
struct Observed {
    bool gameEnded = false;
    int attempts = 5;
    int hits = 0;
    game::TextView banner;
};

TEST(RandomPlay, aMillionEventsKeepEveryFieldConsistent) {
    const std::uint32_t seed = chooseSeed();
    std::cout << "seed " << seed << " (GEOGRAFIA_SEED=N runs another)\n";
    SCOPED_TRACE("seed " + std::to_string(seed) +
                 " (rerun with GEOGRAFIA_SEED=" + std::to_string(seed) + ")");
    std::mt19937 player(seed);
    SeededRandom draws(seed ^ 0x9e3779b9u);
    FakeForm form;
    game::Game game(form, draws);
    const auto pool = inputPool();
    const auto& s = game.state();

    game.Form_Load();
    Observed seen;
    int wins = 0;
    int losses = 0;
    int marqueeTicks = 0;
    constexpr int events = 1'000'000;
    for (int event = 0; event < events; ++event) {
        const auto answer = [&]() -> game::TextView {
            return form.lists[2 * s.categoryIndex][s.wordIndex];
        };
        const int kind = static_cast<int>(player() % 10);
        bool ticked = false;
        try {
            if (kind == 0 && player() % 20 == 0) {
                game.Buton_Click(1);
                seen = Observed{};
                ASSERT_EQ(form.stolica[0].size(), answer().size());
                ASSERT_EQ(form.stolica[0], game::Text(answer().size(), U'?'));
                ASSERT_EQ(form.bukwa[3], U"");
            } else if (kind == 1 && player() % 50 == 0) {
                const int item = 1 + static_cast<int>(player() % 5);
                game.Obrabotwa_Click(item);
                ASSERT_EQ(s.categoryIndex, item - 1);
                seen.attempts = 5; // the attempts and the hits start again, nothing else
                seen.hits = 0;
            } else if (kind <= 5 && form.butonEnabled[0]) {
                // Half the time a player who knows the word types one of its characters.
                const game::TextView word = answer();
                const game::Text input = player() % 2 == 0 || word.empty()
                                             ? pool[player() % pool.size()]
                                             : game::Text(1, word[player() % word.size()]);
                const game::Text enteredBefore = form.bukwa[3];
                form.bukwa[0] = input;
                int matches = 0;
                for (char32_t c : word) {
                    matches += game::upperCase(input) == game::Text(1, c) ? 1 : 0;
                }
                game.Buton_Click(0);
                ASSERT_EQ(form.bukwa[3], enteredBefore + game::upperCase(input));
                ASSERT_EQ(form.bukwa[0], U"");
                seen.attempts -= matches == 0 ? 1 : 0;
                seen.hits += matches;
                if (seen.attempts < 1) {
                    losses += seen.gameEnded ? 0 : 1;
                    seen.gameEnded = true;
                    seen.banner = U"Жалко!";
                }
                if (seen.hits >= static_cast<int>(word.size())) {
                    wins += seen.gameEnded ? 0 : 1;
                    seen.gameEnded = true;
                    seen.banner = U"Браво!";
                }
                ASSERT_EQ(s.hitCount, seen.hits);
            } else {
                game.Timer1_Timer();
                ticked = true;
            }
        } catch (const game::RuntimeError& e) {
            FAIL() << "run-time error " << e.number() << " at event " << event;
        }

        // The invariants that hold after every event.
        ASSERT_EQ(form.bukwa[1], game::shortestDecimal(seen.attempts, game::standardConversions()))
            << "event " << event;
        ASSERT_GE(seen.attempts, 0);
        ASSERT_LE(seen.attempts, 5);
        ASSERT_EQ(form.butonEnabled[0], !seen.gameEnded) << "event " << event;
        ASSERT_EQ(form.bukwaVisible[2], seen.gameEnded) << "event " << event;
        if (seen.gameEnded) {
            ASSERT_EQ(form.bukwa[2], seen.banner);
        }
        ASSERT_GE(s.wordIndex, 0);
        ASSERT_LT(s.wordIndex, s.lastIndex);
        if (ticked && s.timerMode == game::GameState::Marquee) {
            const auto width = static_cast<std::size_t>(game::marqueeWidth(s.marqueeText.size()));
            ASSERT_EQ(form.stolica[1].size(), width);
            ++marqueeTicks;
            ASSERT_EQ(form.stolica[1], s.marqueeText.substr(s.scrollPos - 1, width));
        }
    }
    // The mix of events must have played whole games both ways, or the checks saw little.
    EXPECT_GT(wins, 1000);
    EXPECT_GT(losses, 100);
    EXPECT_GT(marqueeTicks, 100'000);
}

} // namespace
