"""What a screen reader finds in the page (Chromium's accessibility tree); the menu bar by keys."""

import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

from test_layout import MENU
from test_lifecycle import NO_SUCH_ITEM
from test_play import KEYS
from webpage import PageTestCase

# The fields' names, as the desktop window gives them to screen readers.
FIELD_NAMES = {
    "bukwa-0": "Главна буква",
    "bukwa-1": "брой опити",
    "bukwa-2": "Резултат",
    "bukwa-3": "Въведено",
    "bukwa-4": "Правила на играта",
    "stolica-0": "Скритата дума",
    "stolica-1": "Въпрос",
}
KEY_NAMES = {" ": "Интервал", "-": "Тире"}


class AxTree:
    """Chromium's full accessibility tree, with its nodes found by their element's id."""

    def __init__(self, driver):
        driver.execute_cdp_cmd("Accessibility.enable", {})
        nodes = driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        self.nodes = {n["nodeId"]: n for n in nodes}
        by_backend = {n["backendDOMNodeId"]: n for n in nodes
                      if "backendDOMNodeId" in n and not n.get("ignored")}
        self.by_id = {}
        pending = [driver.execute_cdp_cmd("DOM.getDocument", {"depth": -1})["root"]]
        while pending:
            dom = pending.pop()
            pending += dom.get("children", [])
            attributes = dom.get("attributes", [])
            attributes = dict(zip(attributes[::2], attributes[1::2]))
            if "id" in attributes and dom["backendNodeId"] in by_backend:
                self.by_id[attributes["id"]] = by_backend[dom["backendNodeId"]]

    def node(self, element_id):
        """The element's node; None when the tree leaves it out (hidden)."""
        return self.by_id.get(element_id)

    def summary(self, element_id):
        """Role, name and description of the element's node."""
        node = self.by_id[element_id]
        return tuple(node.get(key, {}).get("value", "") for key in ("role", "name", "description"))

    def prop(self, element_id, name):
        for p in self.by_id[element_id].get("properties", []):
            if p["name"] == name:
                return p["value"].get("value")
        return None

    def descendants(self, element_id, role):
        """Role, name of the nodes of `role` under the element, in the tree's order."""
        found, pending = [], list(reversed(self.by_id[element_id].get("childIds", [])))
        while pending:
            node = self.nodes[pending.pop()]
            if not node.get("ignored") and node["role"]["value"] == role:
                found.append(node.get("name", {}).get("value"))
            pending += reversed(node.get("childIds", []))
        return found

    def text(self, element_id):
        return "".join(self.descendants(element_id, "StaticText"))


class AccessibilityTreeTest(PageTestCase):

    def test_fields_menu_buttons_keys_and_the_live_banner(self):
        """Names and roles as on the desktop; the banner's text reaches an existing live region."""
        self.open(known_words=True)
        tree = AxTree(self.driver)
        for element_id, name in FIELD_NAMES.items():
            with self.subTest(element_id):
                if element_id == "bukwa-2":
                    self.assertIsNone(tree.node(element_id), "the hidden banner is in the tree")
                else:
                    self.assertEqual(tree.summary(element_id)[:2], ("textbox", name))
        # The question is read with the category's hint above it.
        self.assertEqual(tree.summary("stolica-1")[2], "Възможно име на столица")
        self.assertEqual(tree.summary("menubar")[0], "menubar")
        self.assertEqual(tree.descendants("menubar", "menuitem"), MENU + ["Списъци…"])
        for element_id, name in (("Buton-0", "Въвеждам буква"), ("Buton-1", "Нова игра")):
            self.assertEqual(tree.summary(element_id)[:2], ("button", name))
        self.assertEqual(tree.summary("result-status")[0], "status")
        self.assertEqual(tree.prop("result-status", "live"), "polite")
        self.assertEqual(tree.text("result-status"), "")
        region = tree.node("result-status")["backendDOMNodeId"]

        self.new_game()
        tree = AxTree(self.driver)
        self.assertIsNone(tree.node("bukwa-4"), "the hidden rules are in the tree")
        self.assertEqual([tree.summary(f"key-{i}")[:2] for i in range(len(KEYS))],
                         [("button", KEY_NAMES.get(c, "Буква " + c)) for c in KEYS])

        for letter in "СОФИЯ":
            self.click(f"key-{KEYS.index(letter)}")
        self.wait_for(lambda: self.shown("bukwa-2"), "no banner")
        tree = AxTree(self.driver)
        self.assertEqual(tree.summary("bukwa-2")[:2], ("textbox", "Резултат"))
        # The same region, live before the change, now holds the banner's text.
        self.assertEqual(tree.node("result-status")["backendDOMNodeId"], region)
        self.assertEqual(tree.prop("result-status", "live"), "polite")
        self.assertEqual(tree.text("result-status"), "Браво!")
        # A new game hides the banner and empties the region, for the next end to be heard.
        self.new_game()
        self.assertEqual(AxTree(self.driver).text("result-status"), "")

    def test_error_dialog_and_end_message_are_named_and_take_the_focus(self):
        self.open()
        self.js(NO_SUCH_ITEM)
        self.wait_for(lambda: self.js("return document.getElementById('runtime-error').open"),
                      "no run-time error dialog")
        role, name, description = AxTree(self.driver).summary("runtime-error")
        self.assertEqual((role, name), ("alertdialog", "География"))
        self.assertEqual(description, "Run-time error '340': Control array element doesn't exist")
        self.assertEqual(self.focused_id(), "runtime-error-ok")
        ActionChains(self.driver).send_keys(Keys.ENTER).perform()
        self.wait_for(lambda: self.shown("ended"), "no end message")
        self.assertEqual(AxTree(self.driver).summary("ended")[:2], ("group", "Играта приключи."))
        self.assertEqual(self.focused_id(), "restart")


class MenuKeyboardTest(PageTestCase):

    def press(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()
        return self.focused_id()

    def back_tab(self):
        ActionChains(self.driver).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(
            Keys.SHIFT).perform()
        return self.focused_id()

    def test_tab_reaches_the_bar_as_one_stop_and_the_arrows_move_within_it(self):
        """Arrows wrap, Home and End; Enter and Space choose, and the focus goes to the letter
        box; the bar keeps the item last left."""
        self.open()
        self.assertEqual(self.focused_id(), "stolica-0")
        self.assertEqual(self.back_tab(), "Obrabotwa-0")
        self.assertEqual(self.press(Keys.TAB), "stolica-0")
        # From the last control Tab leaves the page, and the next one enters it at the bar.
        self.js("document.getElementById('bukwa-4').focus()")
        self.press(Keys.TAB)
        self.assertEqual(self.press(Keys.TAB), "Obrabotwa-0")
        # The lists dialog's item is last.
        moves = [(Keys.ARROW_RIGHT, 1), (Keys.ARROW_LEFT, 0), (Keys.ARROW_LEFT, "Spisaci"),
                 (Keys.ARROW_LEFT, 5), (Keys.ARROW_RIGHT, "Spisaci"), (Keys.ARROW_RIGHT, 0),
                 (Keys.END, "Spisaci"), (Keys.HOME, 0), (Keys.ARROW_RIGHT, 1),
                 (Keys.ARROW_RIGHT, 2), (Keys.ARROW_RIGHT, 3)]
        for key, item in moves:
            self.assertEqual(self.press(key), item if item == "Spisaci" else f"Obrabotwa-{item}")
        self.assertEqual(self.text("Obrabotwa-3"), "Реки")
        self.press(Keys.ENTER)
        self.wait_for(lambda: self.text("Label1-0").strip() == "Възможно име на река",
                      "Enter on Реки did not choose it")
        self.assertEqual(AxTree(self.driver).summary("stolica-1")[2], "Възможно име на река")
        self.assertEqual(self.focused_id(), "bukwa-0")
        self.assertEqual(self.back_tab(), "stolica-0")
        self.assertEqual(self.back_tab(), "Obrabotwa-3")
        self.press(Keys.ARROW_LEFT, Keys.ARROW_LEFT, Keys.SPACE)
        self.assertEqual(self.focused_id(), "bukwa-0")
        self.wait_for(lambda: self.text("Label1-0").strip() == "Възможно име на столица",
                      "Space on Столици did not choose it")


if __name__ == "__main__":
    unittest.main()
