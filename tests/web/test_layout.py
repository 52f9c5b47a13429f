"""Where the window's elements lie, how large they are, and their colours on screen."""

import itertools
import unittest

from webpage import CLIENT_PX, TWIPS_PER_PX, PageTestCase

# Left, top, width, height in twips of the client area.
TWIPS = {
    "Label1-0": (120, 0, 3495, 375),
    "stolica-1": (120, 360, 4935, 525),
    "Label1-3": (3720, 0, 1335, 375),
    "bukwa-3": (5160, 0, 3975, 315),
    "stolica-0": (5160, 360, 3975, 525),
    "Buton-1": (120, 960, 1815, 495),
    "Label1-1": (2040, 1080, 1215, 375),
    "bukwa-1": (3360, 1080, 495, 405),
    "Label1-2": (4200, 1080, 1695, 375),
    "bukwa-0": (6000, 960, 735, 645),
    "Buton-0": (6840, 1080, 2295, 495),
    "bukwa-2": (2040, 1560, 3975, 405),
    "bukwa-4": (120, 2040, 9015, 3165),
}
FORM = (192, 192, 255)
MENU = ["Изход", "Столици", "Общини", "Реки", "Острови", "Щат-столица"]


def expected_kind(element_id):
    name = element_id.split("-")[0]
    if element_id == "bukwa-4":
        return "TEXTAREA"
    kinds = {"bukwa": "INPUT text", "stolica": "INPUT text", "Buton": "BUTTON", "Label1": "DIV"}
    return kinds[name]


def expected_px(element_id):
    return [t / TWIPS_PER_PX for t in TWIPS[element_id]]


class LayoutTest(PageTestCase):

    def assertBox(self, element_id, expected):
        box = self.client_box(element_id)
        for got, want, name in zip(box, expected, ("left", "top", "width", "height")):
            self.assertAlmostEqual(got, want, delta=0.75, msg=f"{element_id} {name}: {box}")

    def test_every_element_lies_at_its_place_with_its_size(self):
        """Each element's box in the client area is its twips box over 15, the banner too."""
        self.open()
        client = self.client_box("client")
        self.assertAlmostEqual(client[2], CLIENT_PX[0], delta=0.75)
        self.assertAlmostEqual(client[3], CLIENT_PX[1], delta=0.75)
        kinds = self.js("return arguments[0].map(i => { const e = document.getElementById(i);"
                        " return e.tagName + (e.tagName === 'INPUT' ? ' ' + e.type : ''); })",
                        list(TWIPS))
        self.assertEqual(kinds, [expected_kind(i) for i in TWIPS])
        for element_id in TWIPS:
            if element_id != "bukwa-2":
                with self.subTest(element_id):
                    self.assertBox(element_id, expected_px(element_id))
        # The banner shows at a game's end: five empty guesses lose it.
        self.new_game()
        for _ in range(5):
            self.click("Buton-0")
        self.wait_for(lambda: self.shown("bukwa-2"), "no banner after five misses")
        self.assertBox("bukwa-2", expected_px("bukwa-2"))

    def test_menu_bar_holds_its_six_items_in_order_above_the_client_area(self):
        """Six menu items, Obrabotwa-0 to -5, then the lists dialog's, left to right, directly
        above the client area."""
        self.open()
        self.assertEqual(self.element("menubar").get_attribute("role"), "menubar")
        items = self.js("return [...document.querySelectorAll('#menubar [role=menuitem]')]"
                        ".map(e => [e.id, e.innerText.trim(), e.tagName,"
                        " e.getBoundingClientRect().left])")
        self.assertEqual([i[:3] for i in items],
                         [[f"Obrabotwa-{n}", caption, "BUTTON"] for n, caption in enumerate(MENU)]
                         + [["Spisaci", "Списъци…", "BUTTON"]])
        lefts = [i[3] for i in items]
        self.assertEqual(lefts, sorted(lefts))
        bar = self.rect("menubar")
        client = self.rect("client")
        self.assertAlmostEqual(bar["y"] + bar["height"], client["y"], delta=1)
        self.assertLess(bar["x"], client["x"] + client["width"])
        self.assertGreater(bar["x"] + bar["width"], client["x"])

    def test_window_is_scaled_to_fit_centred_without_scroll_bars(self):
        """At two viewport shapes the whole window is inside, centred, and nothing scrolls:
        fitted by CSS, and by the script where CSS cannot."""
        for (viewport, old) in itertools.product(((1200, 500), (500, 900)), (False, True)):
            with self.subTest(viewport=viewport, old_browser=old):
                self.open(viewport=viewport, url=self.old_browser_copy() if old else None)
                self.assertEqual(self.js("return document.getElementById('window').style"
                                         ".transform !== ''"), old)
                w = self.rect("window")
                self.assertGreater(self.scale(), 0)
                self.assertGreaterEqual(w["x"], -0.5)
                self.assertGreaterEqual(w["y"], -0.5)
                self.assertLessEqual(w["x"] + w["width"], viewport[0] + 0.5)
                self.assertLessEqual(w["y"] + w["height"], viewport[1] + 0.5)
                self.assertAlmostEqual(w["x"] * 2 + w["width"], viewport[0], delta=1.5)
                self.assertAlmostEqual(w["y"] * 2 + w["height"], viewport[1], delta=1.5)
                # Fitted: it touches the viewport on one axis.
                self.assertTrue(abs(w["width"] - viewport[0]) < 1.5
                                or abs(w["height"] - viewport[1]) < 1.5, w)
                self.assertTrue(self.js("const d = document.documentElement;"
                                        "return d.scrollWidth <= d.clientWidth"
                                        " && d.scrollHeight <= d.clientHeight"))
        # document.title collapses blanks: read the element itself.
        self.assertEqual(self.js("return document.querySelector('title').textContent"),
                         "   География -  столици, общини, реки, острови")
        self.assertEqual(self.js("return document.documentElement.lang"), "bg")


class ColourTest(PageTestCase):
    VIEWPORT = (800, 800)

    def assertColour(self, png, element_id, dx, dy, rgb):
        x, y = self.viewport_point(element_id, dx, dy)
        got = png.pixel(x, y)
        self.assertTrue(all(abs(a - b) <= 2 for a, b in zip(got, rgb)),
                        f"{element_id} +({dx},{dy}) at ({x},{y}): {got}, not {rgb}")

    def test_form_colour_and_solid_faces_on_screen(self):
        """Form colour around the elements and outside the window; solid button and mask faces."""
        self.open()
        png = self.screenshot()
        self.assertColour(png, "client", 4, 100, FORM)       # left of "Нова игра"
        self.assertColour(png, "client", 616, 120, FORM)     # right of "Въвеждам буква"
        self.assertColour(png, "client", 60, 115, FORM)      # below "Нова игра"
        window = self.rect("window")
        self.assertLess(window["y"] + window["height"], 798)
        x, y = 400, 798  # the page below the window
        self.assertTrue(all(abs(a - b) <= 2 for a, b in zip(png.pixel(x, y), FORM)),
                        png.pixel(x, y))
        faces = (("Buton-1", (255, 0, 0)), ("Buton-0", (255, 192, 128)),
                 ("stolica-0", (255, 192, 128)))
        for element_id, rgb in faces:
            left, top, width, height = expected_px(element_id)
            for dx in (6, width - 7):
                with self.subTest(element_id, dx=dx):
                    self.assertColour(png, element_id, dx, height / 2, rgb)


if __name__ == "__main__":
    unittest.main()
