"""The browser page under headless Chromium: one browser per test class, a fresh load per test."""

import json
import os
import shutil
import struct
import tempfile
import unittest
import zlib
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

PAGE = Path(os.environ.get("GEOGRAFIA_WEB_PAGE",
                           Path(__file__).resolve().parents[2] / "build/web/geografia.html"))
# The same page built for the tests alone (web/KnownPageRandom.cpp): with the game's own
# lists, its draws always take item 46, so that every word of "Столици" is СОФИЯ, its clue
# БЪЛГАРИЯ.
TEST_PAGE = Path(os.environ.get("GEOGRAFIA_WEB_TEST_PAGE", PAGE.parent / "geografia-test.html"))
CHROMIUM = "/usr/lib/chromium/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"

# A CSS function of the rules that fit the window, which older browsers do not know.
ROUND = "round(down, 1.5px, 1px)"

# 15 twips make one CSS pixel at scale 1.
TWIPS_PER_PX = 15
CLIENT_PX = (9345 / TWIPS_PER_PX, 5340 / TWIPS_PER_PX)


def page_url(known_words=False):
    """The page that everyone gets, or with known words the one built for the tests."""
    page = TEST_PAGE if known_words else PAGE
    if not page.is_file():
        raise AssertionError(f"no page at {page}: build the web preset first")
    return page.resolve().as_uri()


class PageTestCase(unittest.TestCase):
    """Starts Chromium once for the class; open() loads the page afresh for each test."""

    VIEWPORT = (900, 600)

    @classmethod
    def setUpClass(cls):
        if not PAGE.is_file():
            raise AssertionError(f"no page at {PAGE}: build the web preset first")
        cls.profile = tempfile.mkdtemp(prefix="geografia-web-")
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                         "--disable-background-networking", "--disable-component-update",
                         "--disable-sync", "--user-data-dir=" + cls.profile):
            options.add_argument(argument)
        options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
        cls.driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
        cls.driver.set_page_load_timeout(20)
        cls.driver.set_script_timeout(10)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        shutil.rmtree(cls.profile, ignore_errors=True)

    # --- loading -------------------------------------------------------------------------

    def open(self, known_words=False, viewport=None, url=None, keep_stored=False):
        """Loads the page (or another at `url`) with a viewport of its own and waits until the
        window has loaded; unless `keep_stored`, without the lists that the browser keeps for
        the page from an earlier test."""
        width, height = viewport or self.VIEWPORT
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 1, "mobile": False})
        self.driver.get_log("performance")  # what happened before this load
        self.driver.get_log("browser")
        self.driver.get(url or page_url(known_words))
        # The load handler writes the five attempts: the game is up.
        self.wait_for(lambda: self.value("bukwa-1") == "5", "the page did not start")
        if not keep_stored and self.js("const kept = localStorage.length;"
                                       "localStorage.clear(); return kept"):
            self.driver.refresh()
            self.wait_for(lambda: self.value("bukwa-1") == "5", "the page did not start")

    def old_browser_copy(self):
        """The page as a browser without CSS round() reads it: the window's fitting rules
        do not apply, and the page's script fits it."""
        text = PAGE.read_text(encoding="utf-8")
        self.assertEqual(text.count(ROUND), 2, "the fitting rules changed: mend this test")
        folder = Path(tempfile.mkdtemp(prefix="geografia-old-"))
        self.addCleanup(shutil.rmtree, folder)
        copy = folder / "geografia.html"
        copy.write_text(text.replace(ROUND, "unknown(1px)"), encoding="utf-8")
        return copy.as_uri()

    def wait_for(self, condition, message, timeout=5, poll=0.02):
        return WebDriverWait(self.driver, timeout, poll_frequency=poll).until(
            lambda _: condition(), message)

    # --- reading the DOM -----------------------------------------------------------------

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def element(self, element_id):
        return self.driver.find_element("id", element_id)

    def value(self, element_id):
        return self.js("return document.getElementById(arguments[0]).value", element_id)

    def text(self, element_id):
        return self.js("return document.getElementById(arguments[0]).innerText", element_id)

    def shown(self, element_id):
        return self.element(element_id).is_displayed()

    def focused_id(self):
        return self.js("return document.activeElement && document.activeElement.id")

    def rect(self, element_id):
        """The element's box as drawn in the viewport (WebDriver's own rect ignores transforms)."""
        return self.js("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                       "return {x: r.left, y: r.top, width: r.width, height: r.height}", element_id)

    def scale(self):
        """The window's uniform scale: drawn size over laid-out size of the client area."""
        return self.js("const c = document.getElementById('client');"
                       "return c.getBoundingClientRect().width / c.offsetWidth")

    def client_box(self, element_id):
        """Left, top, width, height of an element in client coordinates at scale 1."""
        return self.js("""
            const c = document.getElementById('client');
            const s = c.getBoundingClientRect().width / c.offsetWidth;
            const o = c.getBoundingClientRect(), r = document.getElementById(arguments[0])
                .getBoundingClientRect();
            return [(r.left - o.left) / s, (r.top - o.top) / s, r.width / s, r.height / s];
            """, element_id)

    def viewport_point(self, element_id, dx, dy):
        """The viewport pixel dx, dy client pixels (at scale 1) from an element's top left."""
        return self.js("""
            const c = document.getElementById('client');
            const s = c.getBoundingClientRect().width / c.offsetWidth;
            const r = document.getElementById(arguments[0]).getBoundingClientRect();
            return [Math.floor(r.left + arguments[1] * s), Math.floor(r.top + arguments[2] * s)];
            """, element_id, dx, dy)

    def display_changes(self, seconds):
        """Times (ms) and texts of every change of the display line within the given time."""
        return self.driver.execute_async_script("""
            const done = arguments[arguments.length - 1];
            const box = document.getElementById('stolica-1');
            const start = performance.now(), seen = [];
            let last = box.value;
            const id = setInterval(() => {
                if (box.value !== last) { last = box.value; seen.push([performance.now(), last]); }
                if (performance.now() - start > arguments[0]) { clearInterval(id); done(seen); }
            }, 4);
            """, seconds * 1000)

    def controls(self):
        """Id and disabled state of every button, field and key inside the window."""
        return self.js("return [...document.querySelectorAll("
                       "'#window button, #window input, #window textarea')]"
                       ".filter(e => !e.closest('#ended, #runtime-error'))"
                       ".map(e => [e.id, e.disabled])")

    # --- acting ----------------------------------------------------------------------------

    def click(self, element_id):
        self.element(element_id).click()

    def new_game(self):
        self.click("Buton-1")
        self.wait_for(lambda: self.value("stolica-0").startswith("?"), "no new game")

    def guess(self, letter):
        """Types a letter into the letter box and presses "Въвеждам буква"."""
        self.element("bukwa-0").send_keys(letter)
        self.click("Buton-0")

    # --- logs ------------------------------------------------------------------------------

    def requests_sent(self):
        """URLs of every request the browser started since the last load."""
        urls = []
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] == "Network.requestWillBeSent":
                urls.append(message["params"]["request"]["url"])
        return urls

    def severe_log(self):
        return [e["message"] for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]

    def screenshot(self):
        return Png(self.driver.get_screenshot_as_png())


class Png:
    """The pixels of an 8-bit RGB or RGBA PNG, decoded with zlib alone."""

    def __init__(self, data):
        if data[:8] != b"\x89PNG\r\n\x1a\n":
            raise ValueError("not a PNG")
        pos, idat = 8, b""
        while pos < len(data):
            length, kind = struct.unpack(">I4s", data[pos:pos + 8])
            body = data[pos + 8:pos + 8 + length]
            if kind == b"IHDR":
                self.width, self.height, depth, colour, _, _, interlace = struct.unpack(
                    ">IIBBBBB", body)
                if depth != 8 or colour not in (2, 6) or interlace:
                    raise ValueError("unsupported PNG layout")
                self.channels = 3 if colour == 2 else 4
            elif kind == b"IDAT":
                idat += body
            pos += 12 + length
        self.raw = zlib.decompress(idat)
        self.stride = self.width * self.channels
        self.rows = []

    def _row(self, y):
        # Rows are unfiltered in order, since each filter may refer to the one above.
        n, bpp = self.stride, self.channels
        while len(self.rows) <= y:
            i = len(self.rows)
            start = i * (n + 1)
            kind, line = self.raw[start], bytearray(self.raw[start + 1:start + 1 + n])
            up = self.rows[i - 1] if i else bytearray(n)
            if kind == 1:
                for x in range(bpp, n):
                    line[x] = (line[x] + line[x - bpp]) & 255
            elif kind == 2:
                line = bytearray((a + b) & 255 for a, b in zip(line, up))
            elif kind == 3:
                for x in range(n):
                    left = line[x - bpp] if x >= bpp else 0
                    line[x] = (line[x] + ((left + up[x]) >> 1)) & 255
            elif kind == 4:
                for x in range(n):
                    a = line[x - bpp] if x >= bpp else 0
                    b, c = up[x], up[x - bpp] if x >= bpp else 0
                    p = a + b - c
                    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                    nearest = a if pa <= pb and pa <= pc else b if pb <= pc else c
                    line[x] = (line[x] + nearest) & 255
            self.rows.append(line)
        return self.rows[y]

    def pixel(self, x, y):
        row = self._row(y)
        return tuple(row[x * self.channels:x * self.channels + 3])
