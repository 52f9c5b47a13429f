"""The folder for a website, build/web/site/: served over HTTP, the page installs as an app,
keeps itself for playing offline, and a page saved from it is one file again."""

import http.server
import shutil
import socket
import tempfile
import threading
import time
import unittest
from functools import partial
from pathlib import Path

from selenium.common.exceptions import TimeoutException

from test_lists import QuietHandler
from webpage import PAGE, PageTestCase

SITE = PAGE.parent / "site"


class SilentServer:
    """Takes every connection on 127.0.0.1:port and never answers, as a school's Wi-Fi
    behind a login page or a dropped link: the system queues the connections, nobody
    accepts them. Closes itself, dropping them, after `seconds` at most."""

    def __init__(self, port, seconds=20):
        self.listener = socket.create_server(("127.0.0.1", port), backlog=64)
        self.timer = threading.Timer(seconds, self.close)
        self.timer.daemon = True
        self.timer.start()

    def close(self):
        self.timer.cancel()
        self.listener.close()


class SiteTest(PageTestCase):

    def serve(self, folder=SITE):
        """Serves the site folder on a port of its own, so each test has its own origin."""
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                                 partial(QuietHandler, directory=str(folder)))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        self.addCleanup(server.server_close)
        self.addCleanup(server.shutdown)
        return server

    def open_url(self, url):
        self.driver.get(url)
        self.wait_for(lambda: self.value("bukwa-1") == "5", "the page did not start")

    def wait_for_service_worker(self):
        self.wait_for(lambda: self.js("const w = navigator.serviceWorker.controller;"
                                      "return w && w.state") == "activated",
                      "no active service worker controls the page", timeout=10)

    def visited_copy(self):
        """A copy of the site folder, served and visited once, its service worker active:
        the folder, to change as a host would, and the page's address."""
        site = Path(tempfile.mkdtemp(prefix="geografia-site-"))
        self.addCleanup(shutil.rmtree, site, ignore_errors=True)
        shutil.copytree(SITE, site, dirs_exist_ok=True)
        server = self.serve(site)
        url = f"http://127.0.0.1:{server.server_port}/geografia.html"
        self.open_url(url)
        self.wait_for_service_worker()
        return site, url

    def assertPlays(self):
        """A new game takes a guess: the letter is entered, and it is a hit or costs one
        attempt (the site's page draws from the game's own lists at random)."""
        self.new_game()
        self.guess("а")
        self.assertEqual(self.value("bukwa-3"), "А")
        self.assertEqual(self.value("bukwa-1"), "5" if "А" in self.value("stolica-0") else "4")

    def test_it_installs_and_after_one_visit_plays_with_no_network(self):
        server = self.serve()
        self.open_url(f"http://127.0.0.1:{server.server_port}/geografia.html")
        self.assertEqual(self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {}),
                         {"installabilityErrors": []})
        self.wait_for_service_worker()
        # The app's colour is the window's.
        colours = self.driver.execute_async_script("""
            const done = arguments[arguments.length - 1];
            fetch('manifest.webmanifest').then(r => r.json()).then(m => {
                const probe = document.createElement('i');
                probe.style.color = m.theme_color;
                document.body.append(probe);
                done([getComputedStyle(probe).color,
                      getComputedStyle(document.getElementById('window')).backgroundColor]);
            });""")
        self.assertEqual(colours[0], colours[1])
        # No network at all: the browser's emulation, and no server either.
        server.shutdown()
        server.server_close()
        self.driver.execute_cdp_cmd("Network.enable", {})
        self.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        self.addCleanup(self.driver.execute_cdp_cmd, "Network.emulateNetworkConditions", {
            "offline": False, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
        self.driver.refresh()
        self.wait_for(lambda: self.js("return !!document.getElementById('bukwa-1')"
                                      " && document.getElementById('bukwa-1').value") == "5",
                      "the page did not start offline")
        self.assertPlays()

    def test_after_one_visit_it_plays_at_once_from_a_server_that_never_answers(self):
        """Within 3 s, with the server replaced by one that takes the connection and never
        answers: the kept copy, not the network, starts the game."""
        server = self.serve()
        url = f"http://127.0.0.1:{server.server_port}/geografia.html"
        self.open_url(url)
        self.wait_for_service_worker()
        server.shutdown()
        server.server_close()
        silent = SilentServer(server.server_port)
        self.addCleanup(silent.close)
        # As on a later day: the browser's own cache of the site no longer answers.
        self.driver.execute_cdp_cmd("Network.clearBrowserCache", {})
        self.driver.set_page_load_timeout(3)
        self.addCleanup(self.driver.set_page_load_timeout, 20)
        started = time.monotonic()
        try:
            self.driver.get(url)
            self.wait_for(lambda: self.value("bukwa-1") == "5", "the page did not start",
                          timeout=max(0, 3 - (time.monotonic() - started)))
        except TimeoutException:
            self.fail(f"no game after {time.monotonic() - started:.1f} s")
        self.assertLess(time.monotonic() - started, 3)
        self.assertPlays()

    def test_a_page_uploaded_anew_plays_from_the_start_after_the_next_visit(self):
        """The kept page answers the visit after the upload; the one after, the new page."""
        site, url = self.visited_copy()
        page = (site / "geografia.html").read_text()
        (site / "geografia.html").write_text(page.replace("<head>", '<head><meta name="new">', 1))
        new = "return !!document.querySelector('meta[name=new]')"
        self.open_url(url)
        self.assertFalse(self.js(new), "the network, not the kept copy, answered")
        self.wait_for(lambda: self.open_url(url) or self.js(new), "the new page never came",
                      timeout=10, poll=0.5)
        self.assertPlays()

    def test_a_hosts_page_answered_with_200_never_takes_the_games_place(self):
        """After one visit the host answers with its own page (an error or a parking page,
        status 200); the visits after it still play the game kept."""
        site, url = self.visited_copy()
        (site / "geografia.html").write_text(
            "<!DOCTYPE html><html><title>Parked</title><p>This domain is parked.</p></html>")
        for _ in range(3):
            self.open_url(url)  # each visit also asks the network for the next one's copy
            time.sleep(1)
        self.assertPlays()

    def test_a_page_saved_from_it_has_no_manifest_and_no_service_worker(self):
        server = self.serve()
        self.open_url(f"http://127.0.0.1:{server.server_port}/")
        saved = self.driver.execute_async_script("""
            const done = arguments[arguments.length - 1];
            HTMLAnchorElement.prototype.click = function () {
                fetch(this.href).then(r => r.text()).then(done);
            };
            geoSavePage();""")
        # Manifest links and scripts that run: here, then in the saved page.
        count = ("const d = arguments[0] ? new DOMParser().parseFromString(arguments[0],"
                 " 'text/html') : document;"
                 "return [d.querySelectorAll('link[rel~=manifest]').length,"
                 " [...d.scripts].filter(s => !s.type).length]")
        self.assertEqual(self.js(count, None), [1, 2])
        self.assertEqual(self.js(count, saved), [0, 1])


if __name__ == "__main__":
    unittest.main()
