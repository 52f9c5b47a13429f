"""Teachers' lists in the page: dropped, chosen after Alt+O or fetched by ?list=, played, and
built into a saved page that plays them from a file; their texts stay text everywhere."""

import base64
import http.server
import shutil
import tempfile
import threading
import unittest
from functools import partial
from pathlib import Path
from urllib.parse import urlsplit

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

from webpage import PAGE, ROUND, PageTestCase

# Two questions, asked in a random order. Row 3 has no answer: the teacher is told when
# loading, the pupils not when playing.
PEAKS = ("Възможно име на връх;Най-високият връх на планина\nмусала;Рила\n;Без отговор\n"
         "Вихрен;Пирин\n").encode()
# Markup and the ends of a script or a comment in every cell and in the name.
HOSTILE_NAME = "<b>&amp;<!--<script>"
HINT, PREFIX = '<b id="b">&amp;<!--', "</script><script>ran=1</script>"
HOSTILE = (f'"<b id=""b"">&amp;<!--";{PREFIX}\n<img src=x onerror=ran=1>;</script><!--<b>&\n'
           "x;y\n").encode()


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class ListPageTest(PageTestCase):

    @classmethod
    def setUpClass(cls):
        super().setUpClass()
        cls.downloads = tempfile.mkdtemp(prefix="geografia-saved-")
        cls.driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                                   {"behavior": "allow", "downloadPath": cls.downloads})

    @classmethod
    def tearDownClass(cls):
        super().tearDownClass()
        shutil.rmtree(cls.downloads, ignore_errors=True)

    def open_url(self, url):
        self.driver.get_log("performance")  # what happened before this load
        self.driver.get(url)
        self.wait_for(lambda: self.value("bukwa-1") == "5", "the page did not start")

    def drop(self, *files):
        """Drops files (name, bytes) on the letter box; True when the browser's own handling
        (opening the file) was let happen."""
        return self.js("""
            const dt = new DataTransfer();
            for (const [name, data] of arguments[0])
                dt.items.add(new File([Uint8Array.from(atob(data), c => c.charCodeAt(0))], name));
            return document.getElementById('bukwa-0').dispatchEvent(new DragEvent('drop',
                {dataTransfer: dt, bubbles: true, cancelable: true}));
            """, [[name, base64.b64encode(data).decode()] for name, data in files])

    def message(self):
        self.wait_for(lambda: self.js("return document.getElementById('list-message').open"),
                      "no message about the list")
        return self.js("return document.getElementById('list-message-text').textContent")

    def save(self, name):
        self.click("list-save")
        path = Path(self.downloads) / name
        self.wait_for(lambda: path.is_file() and not path.with_name(name + ".crdownload")
                      .exists(), "the page was not saved as " + name)
        return path

    def play_peaks(self, item):
        """Wins the question asked, whichever: "а" is in МУСАЛА and not in ВИХРЕН."""
        self.click(item)
        self.assertEqual(self.text("Label1-0").strip(), "Възможно име на връх")
        self.new_game()
        self.guess("а")
        if "А" in self.value("stolica-0"):
            clue, answer, rest = "Рила", "МУСАЛА", "мусл"
        else:
            clue, answer, rest = "Пирин", "ВИХРЕН", "вихрен"
        for letter in rest:
            self.guess(letter)
        self.wait_for(lambda: self.value("bukwa-2") == "Браво!", f"{answer} not won")
        self.wait_for(lambda: f"{clue} e: {answer}" in self.value("stolica-1"),
                      "the marquee lacks the clue and the answer", timeout=3)

    def test_a_dropped_list_plays_and_the_page_saved_with_it_plays_it_from_a_file(self):
        """Dropped, the list is a menu item after Щат-столица; saved, the page starts with it,
        fetches nothing, and takes and saves a further list."""
        self.open()
        self.assertFalse(self.drop(("Върхове.csv", PEAKS)), "the drop was not taken")
        self.assertIn("„Върхове“ е зареден: 2 въпроса", self.message())
        self.assertIn("ред 3: няма отговор", self.message())
        self.assertEqual(self.text("Obrabotwa-6"), "Върхове")
        saved = self.save("География - Върхове.html")
        self.play_peaks("Obrabotwa-6")
        self.open_url(saved.as_uri())
        self.assertEqual([u for u in self.requests_sent() if not u.startswith("data:")],
                         [saved.as_uri()])
        self.assertFalse(self.js("return document.getElementById('list-message').open"))
        self.play_peaks("Obrabotwa-6")
        self.drop(("Езера.tsv", "Езеро\tЕзеро в \nохридско\tАлбания\nводно\tБългария\n".encode()))
        self.message()
        self.open_url(self.save("География - Езера.html").as_uri())
        self.assertEqual([self.text(f"Obrabotwa-{i}") for i in (6, 7)], ["Върхове", "Езера"])
        self.play_peaks("Obrabotwa-6")

    def test_alt_o_opens_the_chooser_and_a_bad_file_changes_nothing(self):
        self.open()
        self.js("window.chosen = 0; document.getElementById('list-file').addEventListener("
                "'click', e => { chosen++; e.preventDefault(); })")
        ActionChains(self.driver).key_down(Keys.ALT).send_keys("o").key_up(Keys.ALT).perform()
        self.assertEqual(self.js("return chosen"), 1)
        bad = Path(self.downloads) / "Празен.csv"
        bad.write_bytes("Подсказка;Въпрос\n".encode())
        self.element("list-file").send_keys(str(bad))
        self.assertIn("„Празен.csv“ не е зареден", self.message())
        self.assertFalse(self.shown("list-save"))
        self.assertEqual(len(self.js("return document.getElementById('menubar').children")), 7)

    def test_list_parameters_fetch_from_the_same_site_only(self):
        """?list= loads a table beside the page; one missing and two elsewhere are told."""
        site = Path(self.downloads) / "site"
        site.mkdir(exist_ok=True)
        shutil.copy(PAGE, site / "geografia.html")
        (site / "Върхове.csv").write_bytes(PEAKS)
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                                 partial(QuietHandler, directory=str(site)))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        self.addCleanup(server.server_close)
        self.addCleanup(server.shutdown)
        self.open_url(f"http://127.0.0.1:{server.server_port}/geografia.html?list=Върхове.csv"
                      "&list=Няма.csv&list=//example.org/a.csv&list=https://example.org/b.csv")
        self.assertEqual(self.message().count("не е зареден: файлът не може да бъде прочетен"), 3)
        self.assertFalse([u for u in self.requests_sent() if urlsplit(u).hostname != "127.0.0.1"])
        self.click("list-message-ok")
        self.play_peaks("Obrabotwa-6")

    def test_a_page_saved_where_css_cannot_fit_the_window_carries_no_fit_of_its_own(self):
        """Saved from a browser whose script fitted the window, the page is fitted by CSS
        where it opens, not moved by the first browser's fit as well."""
        self.open(url=self.old_browser_copy())
        self.assertNotEqual(self.js("return document.getElementById('window').style.transform"),
                            "")
        # A name of its own: the other tests' saved pages lie in the same folder.
        self.drop(("Стар браузър.csv", PEAKS))
        self.message()
        saved = self.save("География - Стар браузър.html")
        # Opened where CSS fits the window.
        saved.write_text(saved.read_text(encoding="utf-8").replace("unknown(1px)", ROUND),
                         encoding="utf-8")
        self.open_url(saved.as_uri())
        self.assertEqual(self.js("return document.getElementById('window').getAttribute('style')"),
                         None)
        window = self.js("return document.getElementById('window').getBoundingClientRect()")
        self.assertAlmostEqual(window["x"] * 2 + window["width"], self.VIEWPORT[0], delta=1.5)
        self.assertAlmostEqual(window["y"] * 2 + window["height"], self.VIEWPORT[1], delta=1.5)

    def test_a_list_dropped_after_exit_is_not_taken_and_the_message_says_why(self):
        self.open()
        self.click("Obrabotwa-0")
        self.drop(("Върхове.csv", PEAKS))
        self.assertEqual(self.message(), "Файлът „Върхове.csv“ не е зареден: играта е "
                                         "приключила и не взема списъци.")
        self.assertIsNone(self.js("return document.getElementById('Obrabotwa-6')"))

    def test_hostile_texts_show_as_text_and_run_nothing_here_and_in_the_saved_page(self):
        self.open()
        self.drop((HOSTILE_NAME + ".csv", HOSTILE))
        self.assertIn(f"Начало на въпроса: „{PREFIX}“", self.message())
        page = self.save("География - _b_&amp;_!--_script_.html")
        # Here: the module's script; in the saved page also its lists' data.
        for scripts, load in ((1, lambda: None), (2, lambda: self.open_url(page.as_uri()))):
            load()
            self.click("Obrabotwa-6")
            self.assertEqual(self.text("Obrabotwa-6"), HOSTILE_NAME)
            self.assertEqual(self.text("Label1-0").strip(), HINT)
            self.assertEqual(self.js("return [document.querySelectorAll('b, img').length,"
                                     " document.scripts.length, typeof ran]"),
                             [0, scripts, "undefined"])

    def test_twenty_lists_keep_the_window_and_the_rest_are_behind_the_overflow_item(self):
        """The lists behind it are reached by mouse and by keyboard."""
        self.open()
        size = self.rect("window")
        self.drop(*[(f"Списък с доста дълго име {n:02}.csv",
                     f"Подсказка {n}\na;b\nc;d\n".encode()) for n in range(20)])
        self.message()
        self.click("list-message-ok")
        self.assertEqual(self.rect("window"), size)
        bar, more = self.rect("menubar"), self.rect("menu-more")
        self.assertLessEqual(more["x"] + more["width"], bar["x"] + bar["width"])
        self.assertEqual(self.js("return document.getElementById('menu-more')"
                                 ".getAttribute('aria-label')"), "Още")
        self.click("menu-more")
        self.click("Obrabotwa-25")
        self.assertEqual(self.text("Label1-0").strip(), "Подсказка 19")
        self.assertFalse(self.shown("menu-more-list"))
        # By keyboard: the bar's stop, End to the overflow item, Enter, Up to the last, the
        # lists dialog's item, and the last list above it.
        self.js("document.getElementById('Obrabotwa-0').focus()")
        ActionChains(self.driver).send_keys(Keys.END, Keys.ENTER, Keys.ARROW_UP).perform()
        self.assertEqual(self.focused_id(), "Spisaci")
        ActionChains(self.driver).send_keys(Keys.ARROW_UP).perform()
        self.assertEqual(self.focused_id(), "Obrabotwa-25")
        ActionChains(self.driver).send_keys(Keys.ARROW_UP, Keys.ENTER).perform()
        self.assertEqual(self.text("Label1-0").strip(), "Подсказка 18")


if __name__ == "__main__":
    unittest.main()
