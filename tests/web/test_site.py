"""The folder for a website, build/web/site/: served over HTTP, the page installs as an app,
keeps itself for playing offline, and a page saved from it is one file again."""

import http.server
import threading
import unittest
from functools import partial

from test_lists import QuietHandler
from webpage import PAGE, PageTestCase

SITE = PAGE.parent / "site"


class SiteTest(PageTestCase):

    def serve(self):
        """Serves the site folder on a port of its own, so each test has its own origin."""
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                                 partial(QuietHandler, directory=str(SITE)))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        self.addCleanup(server.server_close)
        self.addCleanup(server.shutdown)
        return server

    def open_url(self, url):
        self.driver.get(url)
        self.wait_for(lambda: self.value("bukwa-1") == "5", "the page did not start")

    def test_it_installs_and_after_one_visit_plays_with_no_network(self):
        server = self.serve()
        self.open_url(f"http://127.0.0.1:{server.server_port}/geografia.html?test-lists")
        self.assertEqual(self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {}),
                         {"installabilityErrors": []})
        self.wait_for(lambda: self.js("const w = navigator.serviceWorker.controller;"
                                      "return w && w.state") == "activated",
                      "no active service worker controls the page", timeout=10)
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
        self.new_game()
        self.guess("с")
        self.assertEqual(self.value("stolica-0"), "С????")

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
