// Times one timer tick and one letter guess of the game logic on a window that only
// stores texts, with the real word lists.

#include "ClockRandom.h"
#include "FormInterface.h"
#include "Game.h"
#include "WordLists.h"

#include <array>
#include <benchmark/benchmark.h>

namespace {

struct StoringForm final : game::FormInterface {
    std::array<game::Text, 5> bukwa{};
    std::array<game::Text, 2> stolica{U" Нова игра", U""};

    game::Text bukwaText(int index) const override { return bukwa[index]; }
    void setBukwaText(int index, game::TextView text) override { bukwa[index] = text; }
    game::Text stolicaText(int index) const override { return stolica[index]; }
    void setStolicaText(int index, game::TextView text) override { stolica[index] = text; }
    void setBukwaVisible(int, bool) override {}
    void setButonEnabled(int, bool) override {}
    void setLabel1Caption(int, game::TextView) override {}
    int List1Count(int index) const override {
        return static_cast<int>(wordlists::list(index).size());
    }
    game::TextView List1Item(int index, int item) const override {
        return wordlists::list(index).at(static_cast<std::size_t>(item));
    }
    void enableTimer1() override {}
    void endProgram() override {}
};

struct Setup {
    StoringForm form;
    game::ClockRandom random;
    game::Game game{form, random};

    explicit Setup(bool startGame) {
        game.Form_Load();
        if (startGame) {
            game.Buton_Click(1);
        }
    }
};

void timerTickMarquee(benchmark::State& state) {
    Setup s(true);
    for (auto _ : state) {
        s.game.Timer1_Timer();
        benchmark::DoNotOptimize(s.form.stolica[1].data());
    }
}
BENCHMARK(timerTickMarquee);

void timerTickIdleShuffle(benchmark::State& state) {
    Setup s(false);
    for (auto _ : state) {
        s.game.Timer1_Timer();
        benchmark::DoNotOptimize(s.form.stolica[1].data());
    }
}
BENCHMARK(timerTickIdleShuffle);

void letterGuess(benchmark::State& state) {
    Setup s(true);
    game::Text answer = s.form.stolica[1]; // the display line shows the answer after a new game
    int sinceNewGame = 0;
    for (auto _ : state) {
        // Type the answer's first letter (a hit) and press the letter button.
        s.form.bukwa[0] = game::Text(1, answer[0]);
        s.game.Buton_Click(0);
        benchmark::DoNotOptimize(s.form.stolica[0].data());
        if (++sinceNewGame == 1000) {
            // Keep the hit counter and the entered letters from growing without end.
            state.PauseTiming();
            s.form.bukwa[3].clear();
            s.game.Buton_Click(1);
            answer = s.form.stolica[1];
            sinceNewGame = 0;
            state.ResumeTiming();
        }
        s.form.bukwa[1].assign(1, U'5');
    }
}
BENCHMARK(letterGuess);

} // namespace

BENCHMARK_MAIN();
