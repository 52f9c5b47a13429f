"""Measures the browser edition beside the bare baseline page in headless Chromium.

Run by bench/web/run.sh; by hand: /usr/bin/python3 bench/web/measure.py --help.
Each start-up is a fresh browser with a fresh profile, so nothing is cached between runs;
game and baseline alternate, so that both see the same load of the machine.
"""

import argparse
import base64
import datetime
import gzip
import json
import os
import re
import shutil
import statistics
import sys
import tempfile
import time
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

CHROMIUM = "/usr/lib/chromium/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
FLAGS = ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync")
# The game's window at scale 1: 623 x 356 client pixels below a 21-pixel menu bar.
WINDOW = (623, 377)
MEMORY_AT_S = 5
SETTLE_S = 2
# Chromium's CPU throttling at this rate stands for a low-end device.
THROTTLED = 4

# Runs in every document before the page's own script. It notes, in window.benchFirst,
# the time (ms since navigation start) at which the frame that first shows a non-empty
# value in the watched box has been rendered: the value's setter asks for an animation
# frame, and a message posted from that frame's callback is handled once the frame's
# style, layout and paint are done. It also keeps every WebAssembly memory the page
# makes or gets from an instance, in window.benchMemories.
PROBE = r"""
(function () {
  var watched = %r;
  var memories = window.benchMemories = [];
  function keep(exports) {
    for (var name in exports) {
      if (exports[name] instanceof WebAssembly.Memory && memories.indexOf(exports[name]) < 0) {
        memories.push(exports[name]);
      }
    }
  }
  var Instance = WebAssembly.Instance;
  WebAssembly.Instance = function (module, imports) {
    var instance = new Instance(module, imports);
    keep(instance.exports);
    return instance;
  };
  WebAssembly.Instance.prototype = Instance.prototype;
  var instantiate = WebAssembly.instantiate;
  WebAssembly.instantiate = function () {
    return instantiate.apply(WebAssembly, arguments).then(function (result) {
      keep((result.instance || result).exports);
      return result;
    });
  };
  var Memory = WebAssembly.Memory;
  WebAssembly.Memory = function (descriptor) {
    var memory = new Memory(descriptor);
    memories.push(memory);
    return memory;
  };
  WebAssembly.Memory.prototype = Memory.prototype;
  var value = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, "value");
  var asked = false;
  Object.defineProperty(HTMLInputElement.prototype, "value", {
    configurable: true, enumerable: value.enumerable, get: value.get,
    set: function (text) {
      value.set.call(this, text);
      if (!asked && this.id === watched && String(text) !== "") {
        asked = true;
        window.benchSet = performance.now();
        requestAnimationFrame(function () {
          var channel = new MessageChannel();
          channel.port1.onmessage = function () { window.benchFirst = performance.now(); };
          channel.port2.postMessage(0);
        });
      }
    }
  });
})();
"""

WASM_BYTES = ("return (window.benchMemories || [])"
              ".reduce(function (sum, m) { return sum + m.buffer.byteLength; }, 0)")


class Browser:
    """One headless Chromium with a profile of its own, driven through chromedriver."""

    def __init__(self):
        self.profile = tempfile.mkdtemp(prefix="geografia-bench-")
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for flag in FLAGS + ("--user-data-dir=" + self.profile,
                             "--window-size=%d,%d" % WINDOW):
            options.add_argument(flag)
        self.driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
        self.driver.set_page_load_timeout(30)
        # The browser's own start-up work (its first renderers, 0.8 s of CPU) is over
        # before a page is opened: what is measured is the page's.
        time.sleep(SETTLE_S)

    def close(self):
        try:
            self.driver.quit()
        finally:
            shutil.rmtree(self.profile, ignore_errors=True)

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def cdp(self, command, params=None):
        return self.driver.execute_cdp_cmd(command, params or {})

    def wait_for(self, condition, message, timeout=15):
        return WebDriverWait(self.driver, timeout, poll_frequency=0.05).until(
            lambda _: condition(), message)

    def processes(self):
        """Pid and kind of every process started for this browser's profile."""
        found = []
        marker = ("--user-data-dir=" + self.profile).encode()
        for entry in os.listdir("/proc"):
            if not entry.isdigit():
                continue
            try:
                command = Path("/proc", entry, "cmdline").read_bytes()
            except OSError:
                continue
            if marker in command:
                kind = re.search(rb"--type=([a-z-]+)", command)
                kind = kind.group(1).decode() if kind else "browser"
                if b"--top-chrome-webui" in command:
                    kind += " (browser's own pages)"
                found.append((int(entry), kind))
        return found

    def page_renderer(self):
        """The renderer that runs the page: the one that 0.3 s of script in the page shows in."""
        renderers = [pid for pid, kind in self.processes() if kind == "renderer"]
        before = {pid: cpu_ms(pid) for pid in renderers}
        self.js("var end = performance.now() + 300; while (performance.now() < end) {}")
        grown = sorted(((cpu_ms(pid) - before[pid], pid) for pid in renderers), reverse=True)
        # On a busy machine the loop gets less than its 300 ms of CPU.
        if grown[0][0] < 30 or (len(grown) > 1 and grown[0][0] < 3 * grown[1][0]):
            raise RuntimeError("which renderer runs the page? CPU ms grown: %r" % grown)
        return grown[0][1]


def pss_bytes(pid):
    """The process's proportional set size: its private pages and its share of the rest."""
    for line in Path("/proc/%d/smaps_rollup" % pid).read_text().splitlines():
        if line.startswith("Pss:"):
            return int(line.split()[1]) * 1024
    raise RuntimeError("no Pss in /proc/%d/smaps_rollup" % pid)


def cpu_ms(pid):
    """CPU time of all threads of a process so far, as the scheduler counts it (ns), in ms."""
    total = 0
    try:
        tasks = os.listdir("/proc/%d/task" % pid)
    except OSError:
        return 0.0
    for task in tasks:
        try:
            total += int(Path("/proc/%d/task/%s/schedstat" % (pid, task)).read_text().split()[0])
        except (OSError, ValueError, IndexError):
            pass  # the thread ended meanwhile
    return total / 1e6


class Page:
    def __init__(self, name, path, watched, started):
        self.name, self.path, self.watched, self.started = name, path, watched, started
        self.url = path.resolve().as_uri()
        self.kept = None  # lists that the browser keeps for the page: [[name, base64]]


def kept_lists(count, rows):
    """`count` teachers' lists of `rows` questions each, as the page keeps them."""
    lists = []
    for k in range(count):
        text = "Връх;Най-високият връх на\r\n" + "".join(
            "Връх %d-%d;Планина номер %d от списък %d\r\n" % (k, r, r, k) for r in range(rows))
        data = b"\xef\xbb\xbf" + text.encode("utf-8")
        lists.append(["Списък %02d.csv" % k, base64.b64encode(data).decode("ascii")])
    return lists


# Runs before the page's script: the lists are there as if kept at an earlier visit.
KEEP = "localStorage.setItem('geografia-lists ' + location.pathname, %s);"


def game_page(path, name="game"):
    # The load handler writes the five attempts; the display line shows the answers.
    return Page(name, path, "stolica-1",
                "return document.getElementById('bukwa-1').value === '5'")


def baseline_page(path):
    return Page("baseline", path, "box", "return document.getElementById('box').value !== ''")


def start_up(page, throttled=False):
    """ms to the first frame with the first value, and the memory in bytes after 5 s.

    `throttled`: with the CPU throttled (set before the page is opened), the first frame
    only."""
    browser = Browser()
    try:
        browser.cdp("Page.addScriptToEvaluateOnNewDocument", {"source": PROBE % page.watched})
        if page.kept:
            browser.cdp("Page.addScriptToEvaluateOnNewDocument",
                        {"source": KEEP % json.dumps(json.dumps(page.kept))})
        if throttled:
            browser.cdp("Emulation.setCPUThrottlingRate", {"rate": THROTTLED})
        browser.driver.get(page.url)
        first = browser.wait_for(lambda: browser.js("return window.benchFirst"),
                                 "%s: no frame showed the first value" % page.name)
        # The Paint Timing API's first contentful paint (the frame's presentation, in
        # whole ms): the game's window, drawn before its module starts.
        painted = browser.wait_for(lambda: browser.js(
            "var e = performance.getEntriesByName('first-contentful-paint')[0];"
            "return e && e.startTime"), "%s: no first contentful paint" % page.name)
        if page.kept:
            # Every kept list is in the menu by the first value.
            added = browser.js("return document.querySelectorAll('[data-added]').length")
            if added != len(page.kept):
                sys.exit("%s: %d of %d kept lists in the menu" % (page.name, added,
                                                                  len(page.kept)))
        if throttled:
            return {"first": first}
        now = browser.js("return performance.now()")
        time.sleep(max(0.0, MEMORY_AT_S - now / 1000))
        heap = browser.cdp("Runtime.getHeapUsage")
        wasm = browser.js(WASM_BYTES)
        # Every renderer's now; which one runs the page is learnt after (its busy loop
        # changes no page of memory that counts).
        pss = {pid: pss_bytes(pid) for pid, kind in browser.processes() if kind == "renderer"}
        pss = pss[browser.page_renderer()]
        return {"first": first, "paint": painted, "js": heap["usedSize"], "wasm": wasm,
                "pss": pss}
    finally:
        browser.close()


def cpu(page, seconds, marquee=False):
    """ms of CPU of the page's renderer, and of all of the browser's processes, in `seconds`."""
    browser = Browser()
    try:
        browser.driver.get(page.url)
        browser.wait_for(lambda: browser.js(page.started), "%s did not start" % page.name)
        renderer = browser.page_renderer()
        if marquee:
            browser.driver.find_element("id", "Buton-1").click()
            browser.wait_for(lambda: browser.js(
                "return document.getElementById('stolica-0').value.startsWith('?')"),
                "no new game")
        time.sleep(1)  # what the click and the probe started settles
        pids = [pid for pid, _ in browser.processes()]
        before = cpu_ms(renderer), sum(cpu_ms(pid) for pid in pids)
        time.sleep(seconds)
        after = cpu_ms(renderer), sum(cpu_ms(pid) for pid in pids)
        # The page still ticks: its box changes within a second (five ticks).
        changes = browser.driver.execute_async_script("""
            var done = arguments[arguments.length - 1];
            var box = document.getElementById(arguments[0]), last = box.value, changes = 0;
            var id = setInterval(function () {
              if (box.value !== last) { last = box.value; ++changes; }
            }, 20);
            setTimeout(function () { clearInterval(id); done(changes); }, 1000);
            """, page.watched)
        if changes == 0:
            raise RuntimeError("%s: the box no longer changes" % page.name)
        return after[0] - before[0], after[1] - before[1]
    finally:
        browser.close()


def load_average():
    return float(Path("/proc/loadavg").read_text().split()[0])


def sizes(path):
    data = path.read_bytes()
    return len(data), len(gzip.compress(data, 9, mtime=0))


def median(values):
    return statistics.median(values)


def ratio(a, b):
    return "%.2f" % (a / b) if b else "-"


def pair_ratios(games, baselines):
    """The ratio of each start-up of the game to the baseline's started next to it."""
    return [g / b for g, b in zip(games, baselines) if b]


def spread(ratios):
    """The interquartile range of `ratios`, as "q1–q3"."""
    if len(ratios) < 2:
        return "-"
    q1, _, q3 = statistics.quantiles(ratios, n=4, method="inclusive")
    return "%.2f–%.2f" % (q1, q3)


def load_moved(loads):
    """Whether the machine's load changed enough during the run to make figures less sure:
    by more than half of its lowest value and more than 0.5."""
    return max(loads) - min(loads) > max(0.5, 0.5 * min(loads))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--game", type=Path, required=True)
    parser.add_argument("--baseline", type=Path, required=True)
    parser.add_argument("--runs", type=int, default=10,
                        help="start-ups of each page in each round")
    parser.add_argument("--start-rounds", type=int, default=3,
                        help="rounds of alternating start-ups (pooled; at least 3 for a figure)")
    parser.add_argument("--rounds", type=int, default=3, help="CPU windows of each kind")
    parser.add_argument("--seconds", type=int, default=60, help="length of a CPU window")
    parser.add_argument("--readme", type=Path, help="write the table into this file")
    parser.add_argument("--baseline-is-game", action="store_true",
                        help="the baseline is another build of the game, to compare two builds")
    parser.add_argument("--kept-lists", type=int, default=0,
                        help="teachers' lists that the browser keeps for the game's page")
    parser.add_argument("--kept-rows", type=int, default=500, help="questions of each kept list")
    args = parser.parse_args()
    game = game_page(args.game)
    if args.kept_lists:
        game.kept = kept_lists(args.kept_lists, args.kept_rows)
    baseline = (game_page(args.baseline, "baseline") if args.baseline_is_game
                else baseline_page(args.baseline))
    load_start = load_average()

    # Game and baseline are started back to back, which of them first by turns, in rounds;
    # each ratio is the median of the pairs' ratios, with their interquartile range.
    starts = {"game": [], "baseline": []}
    slow = {"game": [], "baseline": []}
    loads = [load_start]
    for r in range(args.start_rounds):
        print("Round %d of %d: start-up and memory after %d s, %d runs each, alternating"
              % (r + 1, args.start_rounds, MEMORY_AT_S, args.runs))
        for i in range(args.runs):
            for page in (game, baseline) if i % 2 == 0 else (baseline, game):
                result = start_up(page)
                starts[page.name].append(result)
                print("  %-8s first frame %6.1f ms (first contentful paint %4.0f ms), JS heap "
                      "%7d B, wasm %8d B, renderer PSS %6d KiB"
                      % (page.name, result["first"], result["paint"], result["js"],
                         result["wasm"], result["pss"] // 1024), flush=True)
        print("Round %d of %d: first frame with the CPU throttled %dx, %d runs each, alternating"
              % (r + 1, args.start_rounds, THROTTLED, args.runs))
        for i in range(args.runs):
            for page in (game, baseline) if i % 2 == 0 else (baseline, game):
                slow[page.name].append(start_up(page, throttled=True)["first"])
                print("  %-8s first frame %6.1f ms" % (page.name, slow[page.name][-1]),
                      flush=True)
        loads.append(load_average())
        print("  load average %.2f" % loads[-1], flush=True)

    print("CPU over %d s, %d round(s) of the three" % (args.seconds, args.rounds))
    cpus = {"idle": [], "marquee": [], "baseline": []}
    for i in range(args.rounds):
        for kind, page, marquee in (("idle", game, False), ("marquee", game, True),
                                    ("baseline", baseline, False)):
            cpus[kind].append(cpu(page, args.seconds, marquee))
            print("  %-8s renderer %7.1f ms, all processes %7.1f ms" % ((kind,) + cpus[kind][-1]),
                  flush=True)
    load_end = load_average()
    loads.append(load_end)

    def start_values(name, key):
        return [r[key] for r in starts[name]]

    def start_figure(name, key):
        return median(start_values(name, key))

    def memories(name):
        return [r["js"] + r["wasm"] for r in starts[name]]

    def memory(name):
        return median(memories(name))

    def cpu_figure(kind, which):
        return median([c[which] for c in cpus[kind]])

    def start_pairs(key):
        return pair_ratios(start_values("game", key), start_values("baseline", key))

    def cpu_pairs(kind, which):
        return pair_ratios([c[which] for c in cpus[kind]], [c[which] for c in cpus["baseline"]])

    game_size, baseline_size = sizes(game.path), sizes(baseline.path)
    n = len(starts["game"])
    # label, game, baseline, the pairs' ratios (none: the figures' ratio), goal, format
    rows = [
        ("first frame with the first value, ms (median of %d)" % n,
         start_figure("game", "first"), start_figure("baseline", "first"), start_pairs("first"),
         "≤ 1.2", "%.1f"),
        ("first frame with the first value, CPU throttled %dx, ms (median of %d)"
         % (THROTTLED, n), median(slow["game"]), median(slow["baseline"]),
         pair_ratios(slow["game"], slow["baseline"]), "≤ 1.5", "%.1f"),
        ("first contentful paint (Paint Timing), ms (median of %d)" % n,
         start_figure("game", "paint"), start_figure("baseline", "paint"), start_pairs("paint"),
         "≤ 1.1", "%.0f"),
        ("JS heap + WebAssembly memory after %d s, KiB (median of %d)" % (MEMORY_AT_S, n),
         memory("game") / 1024, memory("baseline") / 1024,
         pair_ratios(memories("game"), memories("baseline")), "", "%.0f"),
        ("of which WebAssembly memory, KiB", start_figure("game", "wasm") / 1024,
         start_figure("baseline", "wasm") / 1024, None, "", "%.0f"),
        ("renderer's proportional set size after %d s, KiB (median of %d)" % (MEMORY_AT_S, n),
         start_figure("game", "pss") / 1024, start_figure("baseline", "pss") / 1024,
         start_pairs("pss"), "≤ 1.25", "%.0f"),
    ]
    # --rounds 0: start-up alone.
    rows += [
        ("renderer CPU in %d s, idle shuffle, ms (median of %d)" % (args.seconds, args.rounds),
         cpu_figure("idle", 0), cpu_figure("baseline", 0), cpu_pairs("idle", 0), "", "%.0f"),
        ("renderer CPU in %d s, marquee, ms (median of %d)" % (args.seconds, args.rounds),
         cpu_figure("marquee", 0), cpu_figure("baseline", 0), cpu_pairs("marquee", 0), "≤ 1.5",
         "%.0f"),
        ("all Chromium processes' CPU in %d s, marquee, ms" % args.seconds,
         cpu_figure("marquee", 1), cpu_figure("baseline", 1), cpu_pairs("marquee", 1), "",
         "%.0f"),
    ] if args.rounds else []
    rows += [
        ("file size, bytes", game_size[0], baseline_size[0], None, "≤ 190 KB", "%d"),
        ("file size gzip -9, bytes", game_size[1], baseline_size[1], None, "", "%d"),
    ]
    table = ["| | game | baseline | ratio | spread of the pairs' ratios (IQR) | goal |",
             "|---|---|---|---|---|---|"]
    for label, a, b, pairs, goal, form in rows:
        shown = "%.2f" % median(pairs) if pairs else ratio(a, b)
        table.append("| %s | %s | %s | %s | %s | %s |"
                     % (label, form % a, form % b, shown, spread(pairs or []), goal))
    note = ("`bench/web/measure.py --runs %d --start-rounds %d --rounds %d --seconds %d`, %s, "
            "load average %s over the run (at the start, after each round of start-ups, at "
            "the end)%s; the game's file: %d bytes. Ratios of start-ups are the median of "
            "the ratios of game and baseline started back to back."
            % (args.runs, args.start_rounds, args.rounds, args.seconds,
               datetime.date.today().isoformat(), ", ".join("%.2f" % l for l in loads),
               ": the load moved during the run, so the figures are less sure"
               if load_moved(loads) else "", game_size[0]))
    print()
    print("\n".join(table))
    print(note)
    if args.readme:
        text = args.readme.read_text()
        begin, end = "<!-- web figures -->\n", "<!-- /web figures -->\n"
        if begin not in text or end not in text:
            sys.exit("%s has no %s...%s block for the figures" % (args.readme, begin.strip(),
                                                                  end.strip()))
        head, rest = text.split(begin, 1)
        _, tail = rest.split(end, 1)
        args.readme.write_text(head + begin + note + "\n\n" + "\n".join(table) + "\n" + end + tail)
        print("written to", args.readme)


if __name__ == "__main__":
    main()
