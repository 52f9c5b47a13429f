"""The page on a phone held both ways, a small laptop and a projector, played by touch."""

import itertools
import math
import unittest

from test_layout import TWIPS
from test_play import KEYS
from webpage import CLIENT_PX, TWIPS_PER_PX, PageTestCase, page_url

# Name, viewport, whether it is a phone (mobile viewport, three device pixels a CSS pixel).
DEVICES = (("phone upright", (390, 844), True), ("phone sideways", (844, 390), True),
           ("small laptop", (1366, 768), False), ("projector", (1920, 1080), False))
# Least width and height (CSS px) of a target for a finger; smaller ones need room around.
TARGET = 24
PLACES = dict(TWIPS, **{"letter-panel": TWIPS["bukwa-4"]})


def overlap(a, b):
    """Width and height of the overlap of two boxes (left, top, width, height), 0 for none."""
    return tuple(max(0, min(a[i] + a[i + 2], b[i] + b[i + 2]) - max(a[i], b[i])) for i in (0, 1))


def design_overlap(first, second):
    """The overlap of two elements in CSS px at scale 1, as the window's twips give it."""
    return tuple(t / TWIPS_PER_PX for t in overlap(PLACES[first], PLACES[second]))


class ViewportTest(PageTestCase):

    def open_on(self, viewport, phone, known_words=False):
        width, height = viewport
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 3 if phone else 1,
            "mobile": phone})
        self.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled",
                                    {"enabled": True, "maxTouchPoints": 5})
        self.driver.get(page_url(known_words))
        self.wait_for(lambda: self.value("bukwa-1") == "5", "the page did not start")

    def boxes(self):
        """Client boxes (scale 1) of the visible elements and keys, with their overflow; the
        window's, the viewport's and the document's sizes."""
        return self.js("""
            const client = document.getElementById('client'), d = document.documentElement;
            const o = client.getBoundingClientRect(), s = o.width / client.offsetWidth;
            const box = e => { const r = e.getBoundingClientRect();
                return [(r.left - o.left) / s, (r.top - o.top) / s, r.width / s, r.height / s]; };
            const all = [...client.children, ...document.querySelectorAll(
                '#letter-panel button, #menubar button')].filter(e => e.checkVisibility());
            const w = document.getElementById('window').getBoundingClientRect();
            return {scale: s, window: [w.left, w.top, w.width, w.height],
                    view: [d.clientWidth, d.clientHeight, d.scrollWidth, d.scrollHeight],
                    elements: Object.fromEntries(all.map(e => [e.id, {box: box(e),
                        spills: e.tagName !== 'INPUT' && e.tagName !== 'TEXTAREA' && (
                            e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight)}]))};
            """)

    def assertFitsWithoutOverlap(self, viewport):
        page = self.boxes()
        width, height = viewport
        self.assertEqual(page["view"], [width, height, width, height], "scroll bars")
        x, y, w, h = page["window"]
        self.assertTrue(-0.5 <= x and x + w <= width + 0.5 and -0.5 <= y
                        and y + h <= height + 0.5, page["window"])
        elements = page["elements"]
        client = CLIENT_PX
        for element_id, e in elements.items():
            self.assertFalse(e["spills"], f"{element_id}'s content spills out of it")
            if element_id.startswith(("Obrabotwa", "Spisaci")):
                self.assertLessEqual(e["box"][1] + e["box"][3], 0.5, f"{element_id} is low")
            else:
                left, top, w, h = e["box"]
                self.assertTrue(left >= -0.5 and top >= -0.5 and left + w <= client[0] + 0.5
                                and top + h <= client[1] + 0.5,
                                f"{element_id} reaches out of the client area: {e['box']}")
        # The elements touch only where the window's table makes them; the keys not at all.
        placed = [i for i in elements if i in PLACES]
        keys = [i for i in elements if i.startswith("key-")]
        menu = [i for i in elements if i.startswith(("Obrabotwa", "Spisaci"))]
        pairs = [(a, b, design_overlap(a, b)) for a, b in itertools.combinations(placed, 2)]
        pairs += [(a, b, (0, 0)) for a, b in itertools.combinations(keys + menu, 2)]
        for first, second, allowed in pairs:
            got = overlap(elements[first]["box"], elements[second]["box"])
            self.assertTrue(min(got) <= 0.5 or all(g <= a + 0.5 for g, a in zip(got, allowed)),
                            f"{first} and {second} overlap by {got}, the table by {allowed}")
        self.assertTargetsTappable({i: [v * page["scale"] for v in e["box"]]
                                    for i, e in elements.items()})

    def assertTargetsTappable(self, boxes):
        """Keys and menu items, sized by the page, are at least TARGET px each way; the window's
        buttons and letter box, sized by its table, at least leave a TARGET px circle free."""
        targets = [i for i in boxes if i.startswith(("key-", "Obrabotwa", "Spisaci", "Buton"))
                   or i == "bukwa-0"]
        for target in targets:
            left, top, w, h = boxes[target]
            if target.startswith(("key-", "Obrabotwa", "Spisaci")):
                self.assertGreaterEqual(min(w, h), TARGET, f"{target} is {w:.1f} x {h:.1f} px")
            elif min(w, h) < TARGET:
                cx, cy = left + w / 2, top + h / 2
                for other in targets:
                    if other != target:
                        ol, ot, ow, oh = boxes[other]
                        gap = math.hypot(max(ol - cx, 0, cx - ol - ow),
                                         max(ot - cy, 0, cy - ot - oh))
                        self.assertGreaterEqual(gap, TARGET / 2, f"{target} crowds {other}")

    def tap(self, element_id):
        """A finger's tap at the centre of the element."""
        r = self.rect(element_id)
        point = {"x": r["x"] + r["width"] / 2, "y": r["y"] + r["height"] / 2}
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                    {"type": "touchStart", "touchPoints": [point]})
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                    {"type": "touchEnd", "touchPoints": []})

    def tap_key(self, letter):
        self.tap(f"key-{KEYS.index(letter)}")

    def test_the_window_fits_whole_and_nothing_spills_or_overlaps(self):
        """At the start and at a game's end, with the keys and the banner showing."""
        for name, viewport, phone in DEVICES:
            with self.subTest(name):
                self.open_on(viewport, phone)
                self.assertFitsWithoutOverlap(viewport)
                self.new_game()
                for _ in range(5):
                    self.click("Buton-0")
                self.wait_for(lambda: self.shown("bukwa-2"), "no banner after five misses")
                self.assertFitsWithoutOverlap(viewport)

    def test_taps_on_the_letter_keys_win_and_lose_a_game(self):
        for name, viewport, phone in DEVICES:
            with self.subTest(name):
                self.open_on(viewport, phone, known_words=True)
                self.tap("Buton-1")
                self.wait_for(lambda: self.value("stolica-0") == "?????", "no game by a tap")
                for n, letter in enumerate("СОФИЯ", 1):
                    self.tap_key(letter)
                    shown = "СОФИЯ"[:n] + "?" * (5 - n)
                    self.wait_for(lambda: self.value("stolica-0") == shown, f"{letter}: no hit")
                    # The focus is back in the letter box, with no on-screen keyboard over
                    # the keys.
                    self.assertEqual(self.focused_id(), "bukwa-0")
                    self.assertEqual(self.element("bukwa-0").get_attribute("inputmode"), "none")
                self.wait_for(lambda: self.value("bukwa-2") == "Браво!" and self.shown("bukwa-2"),
                              "no win by taps")
                self.tap("Buton-1")
                self.wait_for(lambda: not self.shown("bukwa-2"), "no new game by a tap")
                for left, letter in zip("43210", "БВГДЕ"):
                    self.tap_key(letter)
                    self.wait_for(lambda: self.value("bukwa-1") == left, f"{letter}: no miss")
                self.wait_for(lambda: self.value("bukwa-2") == "Жалко!" and self.shown("bukwa-2"),
                              "no loss by taps")
                # A tap on the letter box itself is for typing: the keyboard may open.
                self.tap("bukwa-0")
                self.assertIsNone(self.element("bukwa-0").get_attribute("inputmode"))


if __name__ == "__main__":
    unittest.main()
