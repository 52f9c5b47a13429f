"""The focus and the letter box as on the desktop: after a menu choice, under an input method,
and while the program writes the fields, in any engine."""

import unittest

from selenium.webdriver.common.keys import Keys

from webpage import PageTestCase

# WebKit (Safari, and every browser on iPads and iPhones) focuses an input before setting
# its selection: so does this replacement.
FOCUSING_SELECTION = """
const set = HTMLInputElement.prototype.setSelectionRange;
window.selectionsSet = [];
HTMLInputElement.prototype.setSelectionRange = function (...range) {
    selectionsSet.push(this.id);
    this.focus();
    return set.apply(this, range);
};
"""


class FocusTest(PageTestCase):

    def key(self, key, code, key_code, text=""):
        """A key pressed and released as the browser receives it from the keyboard."""
        for kind in ("keyDown", "keyUp"):
            self.driver.execute_cdp_cmd("Input.dispatchKeyEvent", {
                "type": kind, "key": key, "code": code, "windowsVirtualKeyCode": key_code,
                "text": text if kind == "keyDown" else ""})

    def test_after_a_menu_choice_by_mouse_the_next_letter_is_typed_at_once(self):
        """After any item but "Изход" the letter lands in the letter box and Enter guesses
        it, rather than choosing the item again."""
        self.open()
        self.new_game()
        items = self.js("return [...document.querySelectorAll('#menubar [role=menuitem]')]"
                        ".map(e => e.id).filter(id => id !== 'Spisaci')")  # opens a dialog
        entered = ""
        for item in items[1:]:
            with self.subTest(item):
                self.click(item)
                self.assertEqual(self.focused_id(), "bukwa-0")
                self.driver.switch_to.active_element.send_keys("о", Keys.ENTER)
                entered += "О"
                self.assertEqual((self.value("bukwa-0"), self.value("bukwa-3")), ("", entered))

    def test_a_composed_character_lands_whole_and_the_enter_committing_it_guesses_nothing(self):
        """"k", "ka", then "か" committed: the box holds "か"; Enter during the composition or
        Safari's Enter after it (keyCode 229) is no guess; the next Enter is."""
        self.open(known_words=True)
        self.new_game()
        self.assertEqual(self.focused_id(), "bukwa-0")
        for text in ("k", "ka"):
            self.driver.execute_cdp_cmd("Input.imeSetComposition", {
                "text": text, "selectionStart": len(text), "selectionEnd": len(text)})
            self.assertEqual(self.value("bukwa-0"), text)
        self.key("Enter", "Enter", 13, "\r")  # while composing: isComposing
        self.driver.execute_cdp_cmd("Input.insertText", {"text": "か"})
        self.assertEqual(self.value("bukwa-0"), "か")
        self.key("Enter", "Enter", 229)  # as Safari sends it, after compositionend
        self.assertEqual((self.value("bukwa-0"), self.value("bukwa-1"), self.value("bukwa-3")),
                         ("か", "5", ""))
        self.key("Enter", "Enter", 13, "\r")
        self.assertEqual((self.value("bukwa-0"), self.value("bukwa-1"), self.value("bukwa-3")),
                         ("", "4", "か"))
        # Beside a letter that stays, a composition is refused as typing is.
        self.element("bukwa-0").send_keys("ж")
        for text in ("d", "de"):
            self.driver.execute_cdp_cmd("Input.imeSetComposition", {
                "text": text, "selectionStart": len(text), "selectionEnd": len(text)})
        self.driver.execute_cdp_cmd("Input.insertText", {"text": "で"})
        self.assertEqual(self.value("bukwa-0"), "ж")

    def test_ticks_and_guesses_never_move_the_focus_though_selections_focus(self):
        """With a setSelectionRange that focuses its field, as WebKit's, the letter box keeps
        the focus through ticks and guesses; the display line, focused, keeps it too."""
        self.open(known_words=True)
        self.js(FOCUSING_SELECTION)
        self.new_game()
        for letter in "бсж":
            self.driver.switch_to.active_element.send_keys(letter, Keys.ENTER)
            self.js("for (let i = 0; i < 5; ++i) _Timer1_Timer()")
            self.assertEqual(self.focused_id(), "bukwa-0")
        self.assertEqual(self.value("bukwa-3"), "БСЖ")
        self.assertEqual(self.js("return selectionsSet"), [])
        self.assertEqual(self.js("return document.getElementById('stolica-1').scrollLeft"), 0)
        # The display line keeps its caret at its start while the player is in it.
        self.click("stolica-1")
        self.js("for (let i = 0; i < 5; ++i) _Timer1_Timer()")
        self.assertEqual(self.focused_id(), "stolica-1")
        self.assertEqual(self.js("const d = document.getElementById('stolica-1');"
                                 "return [d.selectionStart, d.selectionEnd]"), [0, 0])
        self.assertEqual(set(self.js("return selectionsSet")), {"stolica-1"})


if __name__ == "__main__":
    unittest.main()
