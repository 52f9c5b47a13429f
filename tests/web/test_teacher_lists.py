"""The teachers' lists dialog (Alt+L) and its editor, and the lists that the browser keeps for
the page: made, pasted, kept, played, changed and removed as a teacher does; there again
after a reload and offline; their texts only ever text."""

import base64
import json
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

import test_lists
import test_site
from test_lists import HOSTILE, HOSTILE_NAME, PEAKS
from webpage import PageTestCase

# A spreadsheet's clipboard: its row 5 has no answer, which keeping leaves out.
CLIPBOARD = "Париж\tФранция\r\nРим\tИталия\r\n\tБез отговор\r\nБерлин\tГермания\r\n"


class TeacherListsTest(PageTestCase):

    drop = test_lists.ListPageTest.drop
    message = test_lists.ListPageTest.message
    serve = test_site.SiteTest.serve
    wait_for_service_worker = test_site.SiteTest.wait_for_service_worker

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def alt(self, letter):
        ActionChains(self.driver).key_down(Keys.ALT).send_keys(letter).key_up(Keys.ALT).perform()

    def is_open(self, dialog):
        return self.js("return document.getElementById(arguments[0]).open", dialog)

    def paste(self, text):
        """A paste of `text`, as a spreadsheet's clipboard holds it, in the focused field."""
        return self.js("""
            const data = new DataTransfer();
            data.setData('text/plain', arguments[0]);
            const event = new ClipboardEvent('paste', {clipboardData: data, bubbles: true,
                                                       cancelable: true});
            const started = performance.now();
            document.activeElement.dispatchEvent(event);
            document.body.getBoundingClientRect();  // laid out
            return [event.defaultPrevented, performance.now() - started];""", text)

    def row(self, number):
        """Answer, clue and check of a row of the editor, as drawn."""
        return self.js("""
            const tr = document.querySelector(`#list-rows tr[aria-rowindex="${arguments[0]}"]`);
            return tr && [...tr.querySelectorAll('input')].map(f => f.value)
                .concat(tr.cells[3].textContent);""", number)

    def kept(self):
        """What the browser keeps for the page: file names and texts."""
        stored = self.js("return localStorage.getItem('geografia-lists ' + location.pathname)")
        return {name: base64.b64decode(data).decode("utf-8", "replace")
                for name, data in json.loads(stored or "[]")}

    def test_a_teacher_makes_pastes_keeps_plays_changes_and_removes_a_list(self):
        self.open()
        self.alt("l")
        self.assertTrue(self.is_open("lists-dialog"))
        self.assertTrue(self.shown("lists-none"))
        self.assertEqual(self.focused_id(), "lists-new")
        self.keys(Keys.ENTER)
        self.assertEqual(self.focused_id(), "list-name")
        # Enter moves down, Tab across, as in a spreadsheet; typing in the last row adds one.
        self.keys("Европа", Keys.ENTER, "Столица", Keys.ENTER, "Държава:", Keys.ENTER,
                  "Мадрид", Keys.TAB, "Испания", Keys.TAB)
        self.assertEqual(self.row(2), ["Мадрид", "Испания", ""])
        self.assertEqual(self.row(3), ["", "", ""])
        self.assertEqual(self.js("return document.activeElement.getAttribute('aria-label')"),
                         "Отговор 3")
        prevented, _ = self.paste(CLIPBOARD)
        self.assertTrue(prevented)
        self.assertEqual(self.row(4), ["Рим", "Италия", ""])
        self.assertEqual(self.row(5)[:2], ["", "Без отговор"])
        self.assertNotEqual(self.row(5)[2], "")
        self.assertEqual(self.row(7), ["", "", ""])
        self.assertIsNone(self.row(8))
        self.assertIn("Въпроси: 4. Редове с грешка (няма да бъдат запазени): 1.",
                      self.text("list-count"))
        self.click("list-keep")
        self.assertIn("ред 5", self.message())
        self.click("list-message-ok")
        self.assertFalse(self.is_open("list-editor"))
        self.assertEqual(self.text("lists-rows").split("\t")[:2], [" Европа\n", "4"])
        self.click("lists-close")
        self.assertEqual(self.js("return document.getElementById('Obrabotwa-6').nextElementSibling"
                                 ".id"), "Spisaci")
        self.click("Obrabotwa-6")
        self.new_game()
        self.guess("а")
        self.assertEqual(self.value("bukwa-3"), "А")

        # Changed through the dialog: the kept file follows, without the row left out.
        self.alt("l")
        self.click("lists-change")
        self.assertEqual(self.row(3), ["ПАРИЖ", "Франция", ""])
        field = self.driver.find_element("css selector", '#list-rows tr[aria-rowindex="3"] input')
        field.send_keys(Keys.CONTROL, "a")
        field.send_keys("Лион")
        # Escape with a change not kept asks; "Назад" keeps the editor and the change.
        self.keys(Keys.ESCAPE)
        self.assertTrue(self.is_open("list-discard"))
        self.keys(Keys.ENTER)
        self.assertTrue(self.is_open("list-editor"))
        self.click("list-keep")
        self.message()
        self.click("list-message-ok")
        self.assertIn("ЛИОН;Франция", self.kept()["Европа.csv"])
        self.assertNotIn("Без отговор", self.kept()["Европа.csv"])

        self.click("lists-remove")
        self.assertIn("Браузърът ще го забрави.", self.text("lists-remove-text"))
        self.driver.find_element("css selector", "#lists-remove-question button[value=yes]").click()
        self.assertFalse(self.shown("Obrabotwa-6"))
        self.assertTrue(self.shown("lists-none"))
        self.assertEqual(self.kept(), {})

    def test_ten_thousand_pasted_rows_are_drawn_and_checked(self):
        self.open()
        self.click("Spisaci")
        self.click("lists-new")
        self.element("list-prefix").click()
        self.keys(Keys.TAB)
        rows = "".join(f"дума{n}\tвъпрос {n}\r\n" for n in range(9999)) + "\tбез отговор\r\n"
        self.paste(rows)
        self.assertIn("Въпроси: 9999. Редове с грешка (няма да бъдат запазени): 1.",
                      self.text("list-count"))
        # The last rows, scrolled to, are drawn from the module with their checks.
        self.js("const box = document.querySelector('.list-rows-scroll');"
                "box.scrollTop = box.scrollHeight")
        self.wait_for(lambda: self.row(10001) is not None, "the last rows are not drawn")
        self.assertNotEqual(self.row(10001)[2], "")
        self.assertEqual(self.row(10000)[:2], ["дума9998", "въпрос 9998"])

    def test_a_dropped_list_is_kept_for_the_next_visit_and_offline(self):
        server = self.serve()
        self.open(url=f"http://127.0.0.1:{server.server_port}/geografia.html")
        self.wait_for_service_worker()
        self.drop(("Върхове.csv", PEAKS))
        self.message()
        self.assertEqual(list(self.kept()), ["Върхове.csv"])
        server.shutdown()
        server.server_close()
        self.driver.execute_cdp_cmd("Network.enable", {})
        self.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        self.addCleanup(self.driver.execute_cdp_cmd, "Network.emulateNetworkConditions", {
            "offline": False, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        self.driver.refresh()
        self.wait_for(lambda: self.js("return !!document.getElementById('Obrabotwa-6')"),
                      "the kept list is not there before the first game")
        self.assertEqual(self.text("Obrabotwa-6"), "Върхове")
        self.assertFalse(self.is_open("list-message"), "the kept list was told to the pupils")
        self.click("Spisaci")
        self.assertIn("пазен от браузъра", self.text("lists-rows"))

    def test_where_the_browser_keeps_nothing_the_list_plays_and_the_teacher_is_told_once(self):
        self.open()
        self.js("Storage.prototype.setItem = () => { throw new DOMException('', "
                "'QuotaExceededError'); }")
        refused = "Браузърът не пази списъци за тази страница"
        for name in ("Върхове.csv", "Езера.csv"):
            self.drop((name, PEAKS))
            told = self.message()
            self.click("list-message-ok")
            self.assertEqual(refused in told, name == "Върхове.csv")
        self.assertEqual([self.text(f"Obrabotwa-{i}") for i in (6, 7)], ["Върхове", "Езера"])
        # Made in the editor, it is not said to be kept either.
        self.alt("l")
        self.click("lists-new")
        self.keys("Реки", Keys.ENTER, "Река", Keys.ENTER, Keys.ENTER)
        self.paste("Дунав\tЕвропа\r\nНил\tАфрика\r\n")
        self.click("list-keep")
        self.message()
        self.click("list-message-ok")
        self.assertNotIn("пазен от браузъра", self.text("lists-rows"))

    def test_a_kept_list_of_markup_shows_as_text_and_runs_nothing_after_a_reload(self):
        self.open()
        self.drop((HOSTILE_NAME + ".csv", HOSTILE))
        self.message()
        self.open(keep_stored=True)
        self.alt("l")
        self.assertEqual(self.text("lists-rows").split("\t")[0].strip(), HOSTILE_NAME)
        self.click("lists-change")
        self.assertEqual(self.value("list-name"), HOSTILE_NAME)
        self.assertEqual(self.row(2)[:2], ["<IMG SRC=X ONERROR=RAN=1>", "</script><!--<b>&"])
        self.assertEqual(self.value("list-prefix"), "</script><script>ran=1</script>")
        self.assertEqual(self.js("return [document.querySelectorAll('b, img').length,"
                                 " document.scripts.length, typeof ran, typeof RAN]"),
                         [0, 1, "undefined", "undefined"])


if __name__ == "__main__":
    unittest.main()
