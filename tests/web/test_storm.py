"""A seeded storm of a pupil's input on the page: whatever is typed, pasted, composed or
clicked, nothing breaks. GEOGRAFIA_SEED=N plays another storm."""

import os
import random
import re
import time
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

from test_play import KEYS
from webpage import PageTestCase

SEED = int(os.environ.get("GEOGRAFIA_SEED", "20240611"))
STEPS = 150
PASTE_LENGTH = 100_000
FIELDS = [f"bukwa-{i}" for i in range(5)] + ["stolica-0", "stolica-1"]
PREFIXES = ["Столица на държавата ", "Община в окръг ", "Река в континент ",
            "Остров в море/океан ", "Столицата на американския щат "]

# Cyrillic, Latin and digits, and what a keyboard, an input method or a paste can also bring.
TOKENS = ([chr(c) for c in range(0x410, 0x450)] + list("ЁёЍѝ")
          + [chr(c) for c in range(0x41, 0x5B)] + [chr(c) for c in range(0x61, 0x7B)]
          + list("0123456789 -?'\":.,;!")
          + ["😀", "👍🏽", "👨‍👩‍👧", "🇧🇬", "𝔸", "е\u0301", "\u0301", "\u200d", "\u200f", "\u202e",
             "\u00ad", "\ufeff", "ß", "ﬁ", "İ", "ı", "\x00", "\x07", "\x1b", "\x7f", "\r", "\n",
             "\r\n", "\t", "<b>", "&amp;", "\\", " e: "])

# Keys that edit, undo, cut, copy and paste, start a new game (Alt+N) or guess (Enter).
PRESSES = [("Alt+N", (Keys.ALT, "n")), ("Enter", (Keys.ENTER,)),
           ("Backspace", (Keys.BACKSPACE,)), ("Home Delete", (Keys.HOME, Keys.DELETE)),
           ("Shift+Left", (Keys.SHIFT, Keys.LEFT)), ("Ctrl+Z", (Keys.CONTROL, "z")),
           ("Ctrl+Y", (Keys.CONTROL, "y")), ("Ctrl+Shift+Z", (Keys.CONTROL, Keys.SHIFT, "z")),
           ("Ctrl+A Ctrl+X", (Keys.CONTROL, "ax")), ("Ctrl+A Ctrl+C Ctrl+V", (Keys.CONTROL, "acv"))]

# Errors the page raises, and every click that reaches "Нова игра" or the menu, in order.
WATCH = """
window.stormErrors = [];
window.stormClicks = [];
addEventListener('error', e => stormErrors.push(`${e.message} at ${e.filename}:${e.lineno}`));
addEventListener('unhandledrejection', e => stormErrors.push(`unhandled rejection: ${e.reason}`));
document.addEventListener('click', e => {
    if (/^(Buton-1|Obrabotwa-\\d)$/.test(e.target.id)) stormClicks.push(e.target.id);
}, true);
"""

STATE = """
const $ = id => document.getElementById(id);
const shown = e => e && !e.disabled && e.checkVisibility();
return {
    letterCodePoints: Array.from($('bukwa-0').value).length,
    attempts: $('bukwa-1').value,
    mask: $('stolica-0').value,
    guessing: !$('Buton-0').disabled,
    errors: stormErrors.slice(),
    dialog: $('runtime-error').open,
    ended: !$('ended').hidden,
    clicks: stormClicks.splice(0),
    fields: arguments[0].filter(id => shown($(id))),
    keys: [...document.querySelectorAll('#letter-panel button')].filter(shown).map(e => e.id),
};
"""


class StormTest(PageTestCase):

    def setUp(self):
        self.rng = random.Random(SEED)
        self.watch = self.driver.execute_cdp_cmd(
            "Page.addScriptToEvaluateOnNewDocument", {"source": WATCH})["identifier"]
        self.addCleanup(self.driver.execute_cdp_cmd, "Page.removeScriptToEvaluateOnNewDocument",
                        {"identifier": self.watch})
        self.driver.execute_cdp_cmd("Browser.grantPermissions", {
            "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        self.done = []         # the storm so far, for the failure message
        self.prefix = PREFIXES[0]
        self.masks = None      # masks since the last new game; None after a category choice
        self.comparisons_left = 2  # each waits for the display, up to a few seconds
        self.answers_compared = 0

    # --- what a pupil does -----------------------------------------------------------------

    def text(self, length, keyboard=False):
        """Random tokens; for the keyboard only what WebDriver can type (no Tab: it would
        take the keys to the menu, and "Изход" is for the end)."""
        tokens = [t for t in TOKENS if "\t" not in t and all(ord(c) < 0x10000 for c in t)] \
            if keyboard else TOKENS
        return "".join(self.rng.choice(tokens) for _ in range(length))

    def type_into(self, field):
        element = self.element(field)
        element.click()
        if self.rng.random() < 0.5:
            text = self.text(self.rng.randint(1, 6), keyboard=True)
            self.done.append(f"type {text!r} into {field}")
            element.send_keys(text)
        else:
            text = self.text(self.rng.randint(1, 6))
            self.done.append(f"insert {text!r} into {field}")
            self.driver.execute_cdp_cmd("Input.insertText", {"text": text})

    def paste_into(self, field):
        text = self.text(PASTE_LENGTH)[:PASTE_LENGTH]
        self.done.append(f"paste {PASTE_LENGTH} characters {text[:8]!r}... into {field}")
        self.driver.execute_async_script(
            "navigator.clipboard.writeText(arguments[0]).then(arguments[1], e => arguments[1]("
            "String(e)))", text)
        element = self.element(field)
        element.click()
        if self.rng.random() < 0.5:
            element.send_keys(Keys.CONTROL, "a")
        element.send_keys(Keys.CONTROL, "v")

    def compose_into(self, field):
        self.element(field).click()
        steps = [self.text(n) for n in range(1, self.rng.randint(2, 4))]
        commit = self.text(self.rng.randint(1, 3))
        self.done.append(f"compose {steps!r} then {commit!r} into {field}")
        for text in steps:
            self.driver.execute_cdp_cmd("Input.imeSetComposition", {
                "text": text, "selectionStart": len(text), "selectionEnd": len(text)})
        self.driver.execute_cdp_cmd("Input.insertText", {"text": commit})

    def click_rapidly(self, target):
        count = self.rng.randint(1, 12)
        self.done.append(f"click {target} {count} times")
        element, actions = self.element(target), ActionChains(self.driver, duration=0)
        for _ in range(count):
            actions.click(element)
        actions.perform()

    def press(self, field):
        name, keys = self.rng.choice(PRESSES)
        self.done.append(f"{name} in {field}")
        self.element(field).send_keys(*keys)

    def storm_step(self, state):
        kind = self.rng.choices(["type", "compose", "paste", "click", "menu", "key"],
                                [30, 15, 3, 30, 10, 12])[0]
        fields = state["fields"]
        if kind == "type":
            self.type_into(self.rng.choice(fields))
        elif kind == "compose":
            self.compose_into(self.rng.choice(fields))
        elif kind == "paste":
            self.paste_into(self.rng.choice(fields))
        elif kind == "click":
            self.click_rapidly(self.rng.choice(["Buton-0", "Buton-0", "Buton-1"] + state["keys"]))
        elif kind == "menu":
            self.click_rapidly(f"Obrabotwa-{self.rng.randint(1, 5)}")
        else:
            self.press(self.rng.choice(fields))

    # --- what must hold ----------------------------------------------------------------------

    def check(self):
        """The page's state after a step: sound fields, no error; the masks of a game that
        has ended are compared with its answer."""
        state = self.js(STATE, FIELDS)
        where = f"seed {SEED}, after: {self.done[-5:]}"
        self.assertEqual(state["errors"], [], where)
        self.assertFalse(state["dialog"], f"run-time error dialog, {where}")
        self.assertFalse(state["ended"], f"the game ended, {where}")
        self.assertLessEqual(state["letterCodePoints"], 1, f"letter box, {where}")
        self.assertRegex(state["attempts"], r"^[0-5]$", f"attempts, {where}")
        for click in state["clicks"]:
            if click == "Buton-1":
                self.masks = []
            else:
                self.masks = None
                self.prefix = PREFIXES[int(click[-1]) - 1]
        if self.masks is not None:
            self.masks.append(state["mask"])
            if not state["guessing"] and self.comparisons_left > 0:
                self.check_masks(self.answer_shown(), where)
                self.masks = None
        return state

    def answer_shown(self):
        """The answer as the scrolling question carries it after " e: ", before the question
        starts again: read from the display once a tick has rewritten it."""
        first = self.value("stolica-1")
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline:
            shown = self.value("stolica-1")
            if shown != first:
                found = re.search(" e: (.+?) " + re.escape(self.prefix[:2]), shown)
                if found:
                    return found.group(1)
            time.sleep(0.05)
        self.fail(f"no answer in the display line (seed {SEED}): {shown!r}")

    def check_masks(self, answer, where):
        self.comparisons_left -= 1
        self.answers_compared += 1
        for mask in self.masks:
            self.assertEqual(len(mask), len(answer), f"mask {mask!r} of {answer!r}, {where}")
            self.assertTrue(all(m in ("?", a) for m, a in zip(mask, answer)),
                            f"mask {mask!r} of {answer!r}, {where}")

    # --- the storm ---------------------------------------------------------------------------

    def test_a_storm_of_typing_pasting_composing_and_clicking_breaks_nothing(self):
        print(f"\nstorm seed {SEED} (GEOGRAFIA_SEED=N plays another)", flush=True)
        started = time.monotonic()
        self.open()
        state = self.check()
        for field in FIELDS:  # every field that shows, the rules too while they do
            for act in (self.type_into, self.compose_into, self.paste_into):
                if field in state["fields"]:
                    act(field)
                    state = self.check()
        keys = [f"key-{i}" for i in range(len(KEYS))]
        menu = [f"Obrabotwa-{i}" for i in range(1, 6)]
        for target in ["Buton-1"] + self.rng.sample(keys, len(keys)) + ["Buton-0"] + \
                self.rng.sample(menu, len(menu)):  # every button and key, in play
            if not state["guessing"]:
                self.click_rapidly("Buton-1")
                state = self.check()
            self.click_rapidly(target)
            state = self.check()
        for _ in range(STEPS):
            self.storm_step(state)
            state = self.check()
        # One more game to its end, common letters first, so that an answer is compared
        # with masks that reveal some of it.
        self.comparisons_left = 1
        self.click_rapidly("Buton-1")
        state = self.check()
        letters = self.rng.sample("АОИЕНРТСЛВК", 11) + self.rng.choices(KEYS, k=100)
        while state["guessing"]:
            self.done.append(f"key {letters[0]!r}")
            self.click(f"key-{KEYS.index(letters.pop(0))}")
            state = self.check()
        self.assertEqual(self.comparisons_left, 0, "the last game was not compared")

        self.click("Obrabotwa-0")
        self.wait_for(lambda: self.shown("ended"), "#ended is not shown after Изход")
        self.assertEqual([c for c, disabled in self.controls() if not disabled], [],
                         "controls still enabled after Изход")
        self.assertEqual(self.js("return stormErrors"), [])
        self.assertEqual(self.severe_log(), [])
        print(f"storm: {len(self.done)} actions, {self.answers_compared} answers compared, "
              f"{time.monotonic() - started:.1f} s", flush=True)


if __name__ == "__main__":
    unittest.main()
