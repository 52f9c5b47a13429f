"""The timer before the first game, the rules and the keys, the end of the page and its file."""

import statistics
import time
import unittest

from selenium.webdriver.common.keys import Keys

from test_play import KEYS
from webpage import PAGE, PageTestCase, page_url

RUN_TIME_ERROR = "Run-time error '340':\n\nControl array element doesn't exist"
# Past the last menu item, an item whose category the game does not have: the page sends
# it to the module's handler as it would any item, and the game has no list for it.
NO_SUCH_ITEM = "_Obrabotwa_Click(6)"


class TimerTest(PageTestCase):

    def test_idle_shuffle_shows_a_new_answer_every_200_ms(self):
        """Before the first game the display line shows answers, changing at each tick."""
        self.open()
        changes = self.display_changes(2.2)
        self.assertGreaterEqual(len(changes), 7, changes)
        self.assertLessEqual(len(changes), 13, changes)
        gaps = [b[0] - a[0] for a, b in zip(changes, changes[1:])]
        self.assertAlmostEqual(statistics.median(gaps), 200, delta=40, msg=gaps)
        for _, text in changes:
            self.assertTrue(text and text == text.upper() and " e: " not in text, text)
        self.assertEqual(self.value("stolica-0"), " Нова игра")

    def test_rules_at_start_then_the_letter_keys_in_their_place(self):
        self.open()
        self.assertTrue(self.shown("bukwa-4"))
        rules = self.value("bukwa-4")
        self.assertTrue(rules.startswith("Правилата на играта Словоловка са лесно разбираеми"))
        self.assertIn('"отгатване"', rules)
        self.assertFalse(self.js("const p = document.getElementById('letter-panel');"
                                 "return !!p && p.checkVisibility()"))
        rules_box = self.client_box("bukwa-4")
        self.new_game()
        self.assertTrue(self.element("bukwa-4").get_attribute("hidden") is not None)
        self.assertTrue(self.shown("letter-panel"))
        for got, want in zip(self.client_box("letter-panel"), rules_box):
            self.assertAlmostEqual(got, want, delta=0.75)
        captions = self.js("return [...document.querySelectorAll('#letter-panel button')]"
                           ".map(e => [e.id, e.innerText.trim()])")
        self.assertEqual(captions, [[f"key-{i}", "интервал" if c == " " else c]
                                    for i, c in enumerate(KEYS)])


class EndTest(PageTestCase):

    def assertEnded(self, with_keys=False):
        """#ended shows and every control of the window, the letter keys too, is disabled."""
        self.wait_for(lambda: self.shown("ended"), "#ended is not shown")
        controls = dict(self.controls())
        expected = {f"Obrabotwa-{i}" for i in range(6)} | {f"bukwa-{i}" for i in range(5)} | {
            "stolica-0", "stolica-1", "Buton-0", "Buton-1"}
        if with_keys:
            expected |= {f"key-{i}" for i in range(len(KEYS))}
        self.assertLessEqual(expected, set(controls))
        self.assertEqual([c for c, disabled in controls.items() if not disabled], [],
                         "controls still enabled")

    def test_a_browser_without_the_games_webassembly_says_so(self):
        # As an old browser meets the module: it cannot be compiled.
        script = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {
            "source": "WebAssembly.Module = function () { throw new WebAssembly.CompileError(); }"})
        self.addCleanup(self.driver.execute_cdp_cmd, "Page.removeScriptToEvaluateOnNewDocument",
                        {"identifier": script["identifier"]})
        self.driver.get(page_url())
        self.wait_for(lambda: self.shown("ended"), "no word of the old browser")
        self.assertIn("твърде стар", self.text("ended-text"))

    def test_exit_ends_the_game_on_the_page_and_restart_loads_it_afresh(self):
        self.open()
        self.new_game()
        self.assertFalse(self.shown("ended"))
        self.assertTrue(self.display_changes(0.5))
        self.click("Obrabotwa-0")
        self.assertEnded(with_keys=True)
        self.assertEqual(self.display_changes(1.0), [], "the timer still runs")
        self.js("window.beforeRestart = true")
        self.element("restart").click()
        self.wait_for(lambda: self.js("return !window.beforeRestart")
                      and self.value("bukwa-1") == "5", "no fresh page after #restart")
        self.assertFalse(self.shown("ended"))
        self.assertEqual(self.value("stolica-0"), " Нова игра")
        self.assertTrue(self.shown("bukwa-4"))
        self.assertTrue(self.element("Buton-1").is_enabled())
        self.assertTrue(self.display_changes(0.5), "no timer after the restart")

    def test_no_key_reaches_the_game_after_exit(self):
        """Alt+N, the new-game shortcut, does nothing once the game has ended."""
        self.open(known_words=True)
        self.new_game()
        self.guess("о")
        self.click("Obrabotwa-0")
        self.assertEnded(with_keys=True)
        self.driver.find_element("tag name", "body").send_keys(Keys.ALT, "n")
        time.sleep(0.3)
        self.assertEqual(self.value("stolica-0"), "?О???")
        self.assertEqual(self.value("bukwa-3"), "О")

    def test_run_time_error_shows_a_modal_dialog_then_ends_the_page(self):
        """A menu item with no list: error 340 as on the desktop, then the end."""
        self.open()
        self.js(NO_SUCH_ITEM)
        self.wait_for(lambda: self.js("return document.getElementById('runtime-error').open"),
                      "no run-time error dialog")
        self.assertTrue(
            self.js("return document.getElementById('runtime-error').matches(':modal')"))
        self.assertEqual(self.text("runtime-error-text"), RUN_TIME_ERROR)
        self.click("runtime-error-ok")
        self.wait_for(lambda: not self.js("return document.getElementById('runtime-error').open"),
                      "the dialog stays open")
        self.assertEnded()


class IsolationTest(PageTestCase):

    def test_played_from_a_file_it_requests_nothing_and_logs_no_error(self):
        """Start, a game, every category: only the page itself and data: URLs are loaded."""
        self.open()
        self.new_game()
        self.guess("а")
        for item in range(1, 6):
            self.click(f"Obrabotwa-{item}")
        time.sleep(0.5)
        own = {page_url(), str(PAGE.resolve().as_uri())}
        foreign = [u for u in self.requests_sent() if u not in own and not u.startswith("data:")]
        self.assertEqual(foreign, [])
        self.assertEqual(self.severe_log(), [])

    def test_a_browser_without_uint8array_frombase64_decodes_the_module_itself(self):
        script = self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {
            "source": "delete Uint8Array.fromBase64"})
        self.addCleanup(self.driver.execute_cdp_cmd, "Page.removeScriptToEvaluateOnNewDocument",
                        {"identifier": script["identifier"]})
        self.open()
        self.assertIsNone(self.js("return Uint8Array.fromBase64"))
        self.new_game()
        hidden = self.value("stolica-0")
        self.guess("а")
        # The letter is in the word, or it costs an attempt.
        self.assertTrue(self.value("stolica-0") != hidden or self.value("bukwa-1") == "4")
        self.assertEqual(self.severe_log(), [])

    def test_the_page_is_one_file_of_at_most_200_kb(self):
        self.assertLessEqual(PAGE.stat().st_size, 200 * 1024)


if __name__ == "__main__":
    unittest.main()
