"""Reading a teacher's list of 10,000 rows in the page, in headless Chromium.

The same list as bench/ListReadBench.cpp (about 1 MB of UTF-8, quoted cells with
separators), handed to the page's reader as a dropped file's bytes are (geoLoadList in
web/lists.js: into the module, read, the menu item made) 21 times in each of LOADS fresh
page loads (default 7). The first read of a page is what a teacher waits for: the
browser runs the module's code unoptimised at first and optimises what runs often.
Prints the median and the interquartile range of the first reads and of the others, in
ms. Run by hand: /usr/bin/python3 bench/web/list_read.py build/web/geografia.html [LOADS]
"""

import statistics
import sys
import time
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

# A teacher drops a file some seconds after the page opened, not while it starts.
SETTLE_S = 2

READ = """
var file = "Възможно име на връх;Най-високият връх на планина\\r\\n";
for (var row = 0; row < 10000; ++row) {
  file += "Връх номер " + row + " на хребета;\\"Планината на реда " + row + ", западна\\"\\r\\n";
}
var bytes = new TextEncoder().encode(file), times = [], outcome;
for (var run = 0; run < 21; ++run) {
  var start = performance.now();
  outcome = geoLoadList({ name: "Върхове.csv", bytes: bytes, size: bytes.length });
  times.push(performance.now() - start);
}
return [bytes.length, outcome.category, outcome.rowsLeftOut, times];
"""


def read_in_a_fresh_page(page):
    """The read times of one page load, the first read first."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/lib/chromium/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu"):
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        driver.set_script_timeout(60)
        driver.get(page.as_uri())
        for _ in range(100):
            if driver.execute_script("return document.getElementById('bukwa-1').value") == "5":
                break
            time.sleep(0.05)
        time.sleep(SETTLE_S)
        size, category, left_out, times = driver.execute_script(READ)
    finally:
        driver.quit()
    if category < 0 or left_out:
        sys.exit("the list was not read whole (category %d, %d rows left out)"
                 % (category, left_out))
    return size, times


def main():
    page = Path(sys.argv[1]).resolve()
    loads = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    firsts, later = [], []
    for _ in range(loads):
        size, times = read_in_a_fresh_page(page)
        firsts.append(times[0])
        later += times[1:]
    def summary(times):
        quartiles = statistics.quantiles(times, n=4)
        return "median %.1f ms (IQR %.1f-%.1f)" % (statistics.median(times), quartiles[0],
                                                  quartiles[2])
    print("read 10,000 rows (%d bytes) in the page, %d page loads: the first read of each "
          "(a teacher's one file) %s; the reads after it %s"
          % (size, loads, summary(firsts), summary(later)))


if __name__ == "__main__":
    main()
