"""A school day on the page: eight hours of timer ticks and a thousand games at full speed."""

import time
import unittest

from webpage import PageTestCase

MIB = 1024 * 1024
TICKS = 8 * 60 * 60 * 5  # 200 ms for eight hours
GAMES = 1000
BATCH = 100  # games per script call, well within the script timeout

# Plays games [from, to) through the module's exported handlers, as the page's events and
# its interval call them: a new game, random letters until the game ends, then this game's
# share of the day's ticks; every 50 games another category. Returns what the day saw.
PLAY = """
const [from, to, ticksPerGame, seed] = arguments;
const alphabet = Array.from('АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЬЮЯ -');
const $ = id => document.getElementById(id);
let state = seed + from;  // mulberry32: the same letters on every run
const random = () => {
    state = (state + 0x6d2b79f5) | 0;
    let t = Math.imul(state ^ (state >>> 15), 1 | state);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
};
let ended = 0, guesses = 0, moved = 0;
for (let g = from; g < to; ++g) {
    _Buton_Click(1);
    while (!$('Buton-0').disabled && guesses < 1e6) {
        $('bukwa-0').value = alphabet[Math.floor(random() * alphabet.length)];
        _Buton_Click(0);
        ++guesses;
    }
    ended += $('bukwa-2').hidden ? 0 : 1;
    let shown = $('stolica-1').value;
    for (let t = 0; t < ticksPerGame; ++t) {
        _Timer1_Timer();
        const now = $('stolica-1').value;
        moved += now !== shown ? 1 : 0;
        shown = now;
    }
    if (g % 50 == 0) {
        _Obrabotwa_Click(1 + Math.floor(g / 50) % 5);
    }
}
return {ended, guesses, moved};
"""


class SchoolDayTest(PageTestCase):

    def memory(self):
        """Bytes of live JavaScript heap after a full collection, and of WebAssembly memory."""
        self.driver.execute_cdp_cmd("HeapProfiler.collectGarbage", {})
        heap = self.driver.execute_cdp_cmd("Runtime.getHeapUsage", {})["usedSize"]
        return heap, self.js("return wasmMemory.buffer.byteLength")

    def test_a_school_day_of_ticks_and_a_thousand_games_uses_no_more_memory(self):
        self.open()
        self.driver.set_script_timeout(30)
        ticks_per_game = TICKS // GAMES
        started = time.monotonic()
        totals = {"ended": 0, "guesses": 0, "moved": 0}
        after_first_game = None
        bounds = [0, 1] + list(range(BATCH, GAMES + 1, BATCH))
        for first, last in zip(bounds, bounds[1:]):
            seen = self.js(PLAY, first, last, ticks_per_game, 12345)
            for key in totals:
                totals[key] += seen[key]
            if first == 0:
                after_first_game = self.memory()
        at_end = self.memory()
        seconds = time.monotonic() - started
        print(f"\nschool day: {GAMES} games, {totals['guesses']} guesses, {TICKS} ticks "
              f"in {seconds:.1f} s; JS heap {after_first_game[0]} B after the first game, "
              f"{at_end[0]} B at the end; WebAssembly memory {after_first_game[1]} B, "
              f"{at_end[1]} B", flush=True)

        self.assertEqual(totals["ended"], GAMES, "a game did not end")
        # The marquee moves at (nearly) every tick: the ticks reached the game.
        self.assertGreater(totals["moved"], 0.9 * TICKS)
        self.assertFalse(self.js("return document.getElementById('runtime-error').open"))
        self.assertFalse(self.shown("ended"))
        self.assertEqual(self.severe_log(), [])
        self.assertLessEqual(at_end[0] - after_first_game[0], MIB, "JavaScript heap grew")
        self.assertLessEqual(at_end[1] - after_first_game[1], MIB, "WebAssembly memory grew")


if __name__ == "__main__":
    unittest.main()
