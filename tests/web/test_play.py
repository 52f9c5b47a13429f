"""Whole games, the keyboard, the letter box and the menu, as a player meets them."""

import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

from webpage import PageTestCase

# On the page with known words every word of "Столици" is СОФИЯ, its clue БЪЛГАРИЯ.
KEYS = list("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЬЮЯ") + [" ", "-"]


class PlayTest(PageTestCase):

    def assertGameOver(self, banner):
        self.wait_for(lambda: self.shown("bukwa-2"), "no banner at the game's end")
        self.assertEqual(self.value("bukwa-2"), banner)
        self.assertFalse(self.element("Buton-0").is_enabled())
        # The scrolling question now carries the answer after " e: ".
        self.wait_for(lambda: " e: СОФИЯ" in self.value("stolica-1"),
                      "the marquee does not carry the answer", timeout=3)

    def test_lower_case_letters_typed_in_win_the_game(self):
        """с, о, ф, и, я reveal СОФИЯ letter by letter and end with "Браво!"."""
        self.open(known_words=True)
        self.new_game()
        self.assertEqual(self.value("stolica-0"), "?????")
        self.assertFalse(self.shown("bukwa-2"))
        for n, letter in enumerate("софия", 1):
            self.guess(letter)
            self.assertEqual(self.value("stolica-0"), "СОФИЯ"[:n] + "?" * (5 - n))
        self.assertEqual(self.value("bukwa-3"), "СОФИЯ")
        self.assertEqual(self.value("bukwa-1"), "5")
        self.assertGameOver("Браво!")

    def test_five_misses_typed_in_lose_the_game(self):
        """Each miss costs one attempt; the fifth leaves "0" and "Жалко!"."""
        self.open(known_words=True)
        self.new_game()
        for left, letter in zip("43210", "бвгде"):
            self.guess(letter)
            self.assertEqual(self.value("bukwa-1"), left)
        self.assertEqual(self.value("stolica-0"), "?????")
        self.assertEqual(self.value("bukwa-3"), "БВГДЕ")
        self.assertGameOver("Жалко!")

    def test_letter_keys_play_a_game(self):
        """A key types its letter and guesses; used keys turn grey and stay usable."""
        self.open(known_words=True)
        self.new_game()
        self.click(f"key-{KEYS.index('Б')}")
        self.assertEqual(self.value("bukwa-1"), "4")
        self.assertEqual(self.focused_id(), "bukwa-0")
        for letter in "СОФИЯ":
            self.click(f"key-{KEYS.index(letter)}")
        self.assertEqual(self.value("stolica-0"), "СОФИЯ")
        self.assertEqual(self.value("bukwa-3"), "БСОФИЯ")
        used = self.js("return [...document.querySelectorAll('#letter-panel button.used')]"
                       ".map(e => e.id)")
        self.assertEqual(sorted(used), sorted(f"key-{KEYS.index(c)}" for c in "БСОФИЯ"))
        self.assertGameOver("Браво!")


class KeyboardTest(PageTestCase):

    def test_enter_in_the_letter_box_presses_the_letter_button_while_enabled(self):
        """Enter guesses like the button; after the win it no longer reaches the game."""
        self.open(known_words=True)
        self.new_game()
        box = self.element("bukwa-0")
        box.send_keys("с", Keys.ENTER)
        self.assertEqual(self.value("stolica-0"), "С????")
        self.assertEqual(self.value("bukwa-0"), "")
        for letter in "фоия":
            box.send_keys(letter, Keys.ENTER)
        self.wait_for(lambda: self.shown("bukwa-2"), "no win by Enter")
        box.send_keys("б", Keys.ENTER)
        self.assertEqual(self.value("bukwa-3"), "СФОИЯ")
        self.assertEqual(self.value("bukwa-1"), "5")

    def test_focus_returns_to_the_letter_box_after_a_guess_and_a_new_game(self):
        self.open(known_words=True)
        self.new_game()
        self.assertEqual(self.focused_id(), "bukwa-0")
        self.guess("о")
        self.assertEqual(self.value("stolica-0"), "?О???")
        self.assertEqual(self.focused_id(), "bukwa-0")
        self.element("stolica-1").click()
        self.new_game()
        self.assertEqual(self.focused_id(), "bukwa-0")

    def test_alt_n_starts_a_new_game_as_its_tooltip_says(self):
        self.open(known_words=True)
        self.assertEqual(self.element("Buton-1").get_attribute("title"), "Нова игра (Alt+N)")
        self.assertEqual(self.value("stolica-0"), " Нова игра")
        self.element("bukwa-0").send_keys(Keys.ALT, "n")
        self.wait_for(lambda: self.value("stolica-0") == "?????", "Alt+N started no game")

    def test_letter_box_keeps_one_character(self):
        """Typing two characters or inserting three at once leaves the first one only."""
        self.open()
        box = self.element("bukwa-0")
        box.send_keys("аб")
        self.assertEqual(self.value("bukwa-0"), "а")
        # A paste goes through the clipboard as the player's Ctrl+V does; the page lets the
        # browser paste and never cancels the paste event.
        self.js("window.pastes = []; document.addEventListener('paste',"
                " e => window.pastes.push(e.defaultPrevented))")
        for how, before in (("insertText", ""), ("paste", ""), ("insertText", "ж"),
                            ("paste", "ж")):
            with self.subTest(how=how, over_a_selected_letter=before):
                # Into the empty box, or over its one letter, selected: replaced as typed.
                self.js("const b = document.getElementById('bukwa-0'); b.value = arguments[0];"
                        "b.focus(); b.select()", before)
                if how == "insertText":
                    # The editing path of an input method's commit.
                    self.driver.execute_cdp_cmd("Input.insertText", {"text": "абв"})
                else:
                    self.paste_into(box, "абв")
                self.assertEqual(self.value("bukwa-0"), "а")
        # A line break, tab or other control character at the start of a paste is skipped,
        # as on the desktop; the field could not show it.
        for pasted, kept in (("\nабв", "а"), ("\r\n\tб", "б"), ("\x07в", "в"), ("\n", "")):
            with self.subTest(pasted=pasted):
                self.js("document.getElementById('bukwa-0').value = ''")
                self.paste_into(box, pasted)
                self.assertEqual(self.value("bukwa-0"), kept)
        self.assertEqual(self.js("return window.pastes"), [False] * 6)
        # Beside a letter that stays, the paste is refused.
        self.js("const b = document.getElementById('bukwa-0'); b.value = 'ж';"
                "b.setSelectionRange(1, 1)")
        self.driver.execute_cdp_cmd("Input.insertText", {"text": "абв"})
        self.assertEqual(self.value("bukwa-0"), "ж")

    def paste_into(self, field, text):
        """Puts `text` on the clipboard and pastes it into `field` with Ctrl+V."""
        error = self.driver.execute_async_script(
            "navigator.clipboard.writeText(arguments[0]).then(() => arguments[1](null),"
            " e => arguments[1](String(e)))", text)
        self.assertIsNone(error)
        field.send_keys(Keys.CONTROL, "v")

    def test_read_only_fields_refuse_typing(self):
        """Attempts, entered letters and the mask keep the game's text whatever is typed."""
        self.open(known_words=True)
        self.new_game()
        self.guess("ж")
        for element_id, text in (("bukwa-1", "4"), ("bukwa-3", "Ж"), ("stolica-0", "?????")):
            with self.subTest(element_id):
                ActionChains(self.driver).click(self.element(element_id)).send_keys(
                    "щ", Keys.BACKSPACE, "щ").perform()
                self.driver.execute_cdp_cmd("Input.insertText", {"text": "ш"})
                self.assertEqual(self.value(element_id), text)


class MenuTest(PageTestCase):

    def test_rivers_change_the_hint_above_the_display(self):
        self.open()
        self.assertEqual(self.text("Label1-0").strip(), "Възможно име на столица")
        self.click("Obrabotwa-3")
        self.wait_for(lambda: self.text("Label1-0").strip() == "Възможно име на река",
                      "the hint did not change for rivers")

    def test_state_capitals_after_capitals_keep_the_capital_hint(self):
        """Реки, Столици, Щат-столица: the hint is столица again and stays; the question is new."""
        self.open()
        self.click("Obrabotwa-3")
        self.click("Obrabotwa-1")
        self.assertEqual(self.text("Label1-0").strip(), "Възможно име на столица")
        self.click("Obrabotwa-5")
        self.assertEqual(self.text("Label1-0").strip(), "Възможно име на столица")
        self.new_game()
        self.wait_for(lambda: "Столицата на американския щат " in self.value("stolica-1"),
                      "no state question in the marquee", timeout=3)


if __name__ == "__main__":
    unittest.main()
