"""Traces the start-up of the browser edition beside the bare baseline page in headless Chromium.

By hand, from the repository:
  /usr/bin/python3 bench/web/trace.py --game build/web/geografia.html \
      --baseline build/web/baseline.html [--runs 5] [--throttle 1 4]

Each start-up is a fresh browser with a fresh profile, game and baseline alternating, at
each CPU throttling rate (Emulation.setCPUThrottlingRate, set before the page is opened).
Chromium's own trace is taken through chromedriver's performance log (its
traceCategories, a DevTools Tracing session from the browser's start until the log is
read). A probe added before the page's own script (Page.addScriptToEvaluateOnNewDocument)
wraps what the page does at start-up and writes a performance.mark() at each step, so the
steps lie in the same trace as the browser's own events; every time is read from the
trace. The table gives medians with their interquartile range, in ms of wall-clock time:
"at" rows are times since the navigation's start, the others durations.
"""

import argparse
import json
import re
import shutil
import statistics
import tempfile
import time
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

# The same browser, flags, window and wait as the start-up measurement.
from measure import CHROMEDRIVER, CHROMIUM, FLAGS, SETTLE_S, WINDOW, load_average

# Categories with every event used below (navigationStart and the marks are
# blink.user_timing; ParseHTML, EvaluateScript, v8.compile, style, layout, paint and
# firstContentfulPaint are devtools.timeline). Fewer categories, less to collect.
CATEGORIES = "devtools.timeline,blink.user_timing"
# The main thread's own rendering work; time between them is script, parsing or waiting.
RENDERING = ("UpdateLayoutTree", "Layout", "PrePaint", "Paint", "Layerize")

# Runs in every document before the page's own script; %(...)s are filled in per page.
# Each mark is written once, at its first occurrence:
# - "instantiateWasm": the runtime asks the page for its instance (page.js), the end of
#   the runtime's own start-up in the script; "instance handed": page.js hands it back;
# - "decode": page.js reads the module's base64 (#geo-module); "compile", "compiled",
#   "instantiate", "instantiated": around new WebAssembly.Module and WebAssembly.Instance;
# - "ctors", "ctors done", "main", "main done": around the module's exports of the
#   static constructors and main, whose names the page's script gives (read from the
#   page by export_names);
# - "bind": the first call of an import that binds the window (geo_bind*,
#   geo_describe_by), so the word lists are ready; "bound": geo_bind_alt_key, the last
#   of them, has returned; "load": the first import called after that, the game's load
#   handler at work (it seeds its random numbers first); "lists", "lists done": around
#   geo_load_start_lists, after the load handler;
# - "value", "value frame": the first non-empty value in the watched box is set, and the
#   frame after it has been rendered (a message posted from the frame's animation frame
#   callback is handled once its style, layout and paint are done), as measure.py has it.
# The instance that page.js gets is a plain object with the wrapped exports.
PROBE = r"""
(function () {
  var watched = %(watched)s, mainName = %(main)s, ctorsName = %(ctors)s;
  var seen = {};
  function mark(name) {
    if (!seen[name]) { seen[name] = true; performance.mark(name); }
  }
  function wrap(fn, before, after) {
    return function () {
      before();
      try { return fn.apply(this, arguments); } finally { after(); }
    };
  }

  // The runtime's Module: its instantiateWasm, set by page.js, is wrapped when read (and
  // unwrapped when the runtime copies it back).
  var module, instantiateWasm;
  function wrappedInstantiateWasm(imports, started) {
    mark("instantiateWasm");
    return instantiateWasm.call(this, imports, function () {
      mark("instance handed");
      return started.apply(this, arguments);
    });
  }
  Object.defineProperty(window, "Module", { configurable: true,
    get: function () { return module; },
    set: function (value) {
      module = value;
      Object.defineProperty(module, "instantiateWasm", { configurable: true, enumerable: true,
        set: function (f) { if (f !== wrappedInstantiateWasm) { instantiateWasm = f; } },
        get: function () { return instantiateWasm && wrappedInstantiateWasm; } });
    } });

  var content = Object.getOwnPropertyDescriptor(HTMLTemplateElement.prototype, "content");
  Object.defineProperty(HTMLTemplateElement.prototype, "content", {
    configurable: true, enumerable: content.enumerable,
    get: function () {
      if (this.id === "geo-module") { mark("decode"); }
      return content.get.call(this);
    } });

  var Module = WebAssembly.Module;
  WebAssembly.Module = function (bytes) {
    mark("compile");
    var compiled = new Module(bytes);
    mark("compiled");
    return compiled;
  };
  WebAssembly.Module.prototype = Module.prototype;
  ["exports", "imports", "customSections"].forEach(function (f) { WebAssembly.Module[f] = Module[f]; });

  function wrapImport(f, name) {
    var binds = /^geo_bind|^geo_describe_by$/.test(name), lastBind = name === "geo_bind_alt_key";
    var lists = name === "geo_load_start_lists";
    return wrap(f, function () {
      if (binds) { mark("bind"); }
      if (lists) { mark("lists"); }
      if (seen["bound"]) { mark("load"); }
    }, function () {
      if (lastBind) { mark("bound"); }
      if (lists) { mark("lists done"); }
    });
  }
  var Instance = WebAssembly.Instance;
  WebAssembly.Instance = function (compiled, imports) {
    var wrappedImports = {};
    Object.keys(imports || {}).forEach(function (space) {
      wrappedImports[space] = {};
      Object.keys(imports[space]).forEach(function (key) {
        var f = imports[space][key];
        var name = typeof f === "function" ? (f.name || key).replace(/^_/, "") : "";
        wrappedImports[space][key] = name ? wrapImport(f, name) : f;
      });
    });
    mark("instantiate");
    var instance = new Instance(compiled, wrappedImports);
    mark("instantiated");
    var exports = Object.assign({}, instance.exports);
    if (exports[ctorsName]) {
      exports[ctorsName] = wrap(exports[ctorsName], function () { mark("ctors"); },
                                function () { mark("ctors done"); });
    }
    if (exports[mainName]) {
      exports[mainName] = wrap(exports[mainName], function () { mark("main"); },
                               function () { mark("main done"); });
    }
    return { exports: exports };
  };
  WebAssembly.Instance.prototype = Instance.prototype;

  var value = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, "value");
  Object.defineProperty(HTMLInputElement.prototype, "value", {
    configurable: true, enumerable: value.enumerable, get: value.get,
    set: function (text) {
      value.set.call(this, text);
      if (!seen["value"] && this.id === watched && String(text) !== "") {
        mark("value");
        requestAnimationFrame(function () {
          var channel = new MessageChannel();
          channel.port1.onmessage = function () { mark("value frame"); };
          channel.port2.postMessage(0);
        });
      }
    } });
})();
"""

# The table's rows: label, kind ("at": ms since navigation start; "dur": a duration), and
# the figure from one start-up's points (ms since navigation start, below).
ROWS = [
    ("navigation start to the HTML's first parsing (ParseHTML)", "at", "parsing"),
    ("navigation start to the script's start", "at", "script"),
    ("… of which parsing the HTML (ParseHTML)", "dur", "parse html"),
    ("… of which style, layout, paint (before the script)", "dur", "render before script"),
    ("script: compile and run (EvaluateScript)", "dur", "script time"),
    ("… of which compiling (v8.compile)", "dur", "script compile"),
    ("… of which style and layout that the script forces", "dur", "script rendering"),
    ("… the runtime's start-up: the script's start to instantiateWasm called", "dur",
     ("script", "instantiateWasm")),
    ("… the rest of the script, after instantiateWasm", "dur", ("instantiateWasm", "script end")),
    ("waiting for the window's first frame: instantiateWasm to the module's task", "dur",
     ("instantiateWasm", "decode")),
    ("style, layout, paint up to the first contentful paint", "dur", "render to paint"),
    ("first contentful paint (trace's firstContentfulPaint)", "at", "paint"),
    ("module: base64 decode (#geo-module)", "dur", ("decode", "compile")),
    ("module: compile (new WebAssembly.Module)", "dur", ("compile", "compiled")),
    ("module: instantiate (new WebAssembly.Instance)", "dur", ("instantiate", "instantiated")),
    ("runtime after the instance: instance handed back to main called", "dur",
     ("instance handed", "main")),
    ("… of which static constructors", "dur", ("ctors", "ctors done")),
    ("main", "dur", ("main", "main done")),
    ("… word lists made ready: main to the first binding import", "dur", ("main", "bind")),
    ("… window bound: first binding import to geo_bind_alt_key's return", "dur",
     ("bind", "bound")),
    ("… the game made: to the first import called after binding", "dur", ("bound", "load")),
    ("… Form_Load: from that import to geo_load_start_lists", "dur", ("load", "lists")),
    ("… start lists (geo_load_start_lists)", "dur", ("lists", "lists done")),
    ("first value set", "at", "value"),
    ("first value set to its frame rendered", "dur", ("value", "value frame")),
    ("… of which style, layout, paint", "dur", "render value frame"),
    ("main's return to the frame with the first value", "dur", ("main done", "value frame")),
    ("first frame with the first value (as measure.py)", "at", "value frame"),
]


def open_browser():
    """A headless Chromium with a fresh profile, tracing from its start."""
    profile = tempfile.mkdtemp(prefix="geografia-trace-")
    options = webdriver.ChromeOptions()
    options.binary_location = CHROMIUM
    for flag in FLAGS + ("--user-data-dir=" + profile, "--window-size=%d,%d" % WINDOW):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"performance": "ALL"})
    options.add_experimental_option("perfLoggingPrefs", {
        "enableNetwork": False, "enablePage": False, "traceCategories": CATEGORIES})
    driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
    driver.set_page_load_timeout(30)
    return driver, profile


def export_names(path):
    """The names of main and of the static constructors among the module's exports, as
    the page's script (Emscripten's glue) uses them; unminified names where it does not."""
    text = path.read_text(encoding="utf-8", errors="replace")
    main = re.search(r'_main\s*=\s*Module\["_main"\]\s*=\s*Module\["asm"\]\["(\w+)"\]', text)
    ctors = re.search(r'addOnInit\(Module\["asm"\]\["(\w+)"\]\)', text)
    return main.group(1) if main else "main", ctors.group(1) if ctors else "__wasm_call_ctors"


def trace_start_up(page, throttle):
    """The trace events of one start-up of `page` (url, watched box, probe)."""
    driver, profile = open_browser()
    try:
        time.sleep(SETTLE_S)  # the browser's own start-up work is over
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": page["probe"]})
        if throttle != 1:
            driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": throttle})
        driver.get(page["url"])
        WebDriverWait(driver, 30, poll_frequency=0.05).until(lambda d: d.execute_script(
            "return performance.getEntriesByName('value frame').length > 0 && "
            "performance.getEntriesByName('first-contentful-paint').length > 0"),
            "%s: no frame showed the first value" % page["name"])
        time.sleep(0.5)  # the frame's last events reach the trace
        # Reading the log ends the trace and collects it.
        return [json.loads(entry["message"])["message"]["params"]
                for entry in driver.get_log("performance")
                if '"Tracing.dataCollected"' in entry["message"]]
    finally:
        driver.quit()
        shutil.rmtree(profile, ignore_errors=True)


def rendering_ms(events, begin, end):
    """ms of style, layout and paint on the main thread within [begin, end] (µs), each
    event counted once even where one holds another."""
    total, reached = 0, begin
    for e in sorted((e for e in events if e["name"] in RENDERING and e.get("ph") == "X"
                     and begin <= e["ts"] < end), key=lambda e: e["ts"]):
        stop = min(e["ts"] + e.get("dur", 0), end)
        if stop > reached:
            total += stop - max(e["ts"], reached)
            reached = stop
    return total / 1000


def points(events, url):
    """One start-up's named points (ms since navigation start) and durations (ms)."""
    starts = [e for e in events if e["name"] == "navigationStart"
              and e["args"].get("data", {}).get("documentLoaderURL") == url]
    if not starts:
        raise RuntimeError("the trace holds no navigation to " + url)
    nav = starts[-1]
    pid, tid, zero = nav["pid"], nav["tid"], nav["ts"]
    main_thread = [e for e in events if e["pid"] == pid and e["tid"] == tid and e["ts"] >= zero]

    def ms(ts):
        return (ts - zero) / 1000

    found = {}
    for e in main_thread:
        if e.get("cat") == "blink.user_timing" and "startTime" in e["args"].get("data", {}):
            found.setdefault(e["name"], ms(e["ts"]))
    script = next(e for e in main_thread if e["name"] == "EvaluateScript"
                  and e["args"]["data"].get("url") == url)
    found["parsing"] = next(ms(e["ts"]) for e in main_thread if e["name"] == "ParseHTML"
                            and e["args"]["beginData"].get("url") == url)
    found["script"] = ms(script["ts"])
    found["script end"] = ms(script["ts"] + script["dur"])
    found["render before script"] = rendering_ms(main_thread, zero, script["ts"])
    found["script time"] = script["dur"] / 1000
    found["script compile"] = sum(
        e["dur"] for e in main_thread if e["name"] == "v8.compile"
        and script["ts"] <= e["ts"] < script["ts"] + script["dur"]) / 1000
    # The chunk of HTML that ends at the script holds the script: counted up to its start.
    found["parse html"] = sum(
        min(e["ts"] + e["dur"], script["ts"]) - e["ts"] for e in main_thread
        if e["name"] == "ParseHTML" and e["ts"] < script["ts"]
        and e["args"]["beginData"].get("url") == url) / 1000
    found["script rendering"] = rendering_ms(main_thread, script["ts"],
                                             script["ts"] + script["dur"])
    paint = [e for e in events if e["name"] == "firstContentfulPaint" and e["pid"] == pid
             and e["ts"] >= zero]
    if paint:
        found["paint"] = ms(paint[0]["ts"])
        found["render to paint"] = rendering_ms(main_thread, zero, paint[0]["ts"])
    if "value" in found and "value frame" in found:
        found["render value frame"] = rendering_ms(
            main_thread, zero + found["value"] * 1000, zero + found["value frame"] * 1000)
    return found


def figure(found, source):
    if isinstance(source, tuple):
        begin, end = source
        return found[end] - found[begin] if begin in found and end in found else None
    return found.get(source)


def summary(values):
    """ "median (q1–q3)" of the values, or "–" where the page has no such span."""
    values = [v for v in values if v is not None]
    if not values:
        return "–"
    if len(values) < 2:
        return "%.1f" % values[0]
    q1, _, q3 = statistics.quantiles(values, n=4, method="inclusive")
    return "%.1f (%.1f–%.1f)" % (statistics.median(values), q1, q3)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--game", type=Path, required=True)
    parser.add_argument("--baseline", type=Path, required=True)
    parser.add_argument("--runs", type=int, default=5, help="start-ups of each page at each rate")
    parser.add_argument("--throttle", type=float, nargs="+", default=[1, 4],
                        help="CPU throttling rates (1: none)")
    args = parser.parse_args()
    main_name, ctors_name = export_names(args.game)
    pages = []
    for name, path, watched in (("game", args.game, "stolica-1"),
                                ("baseline", args.baseline, "box")):
        probe = PROBE % {"watched": json.dumps(watched), "main": json.dumps(main_name),
                         "ctors": json.dumps(ctors_name)}
        pages.append({"name": name, "url": path.resolve().as_uri(), "probe": probe})
    print("exports: main %r, static constructors %r" % (main_name, ctors_name))

    loads = [load_average()]
    results = {}  # (page, rate) -> list of points
    for rate in args.throttle:
        for i in range(args.runs):
            for page in pages if i % 2 == 0 else pages[::-1]:
                found = points(trace_start_up(page, rate), page["url"])
                results.setdefault((page["name"], rate), []).append(found)
                print("  %gx %-8s script at %6.1f, first contentful paint %6.1f, first value "
                      "frame %6.1f ms" % (rate, page["name"], found["script"],
                                          found.get("paint", float("nan")),
                                          found.get("value frame", float("nan"))), flush=True)
        loads.append(load_average())
        print("  load average %.2f" % loads[-1], flush=True)

    columns = [(name, rate) for rate in args.throttle for name in ("game", "baseline")]
    print()
    print("| span | | " + " | ".join("%s %gx" % c for c in columns) + " |")
    print("|---|---|" + "---|" * len(columns))
    for label, kind, source in ROWS:
        cells = [summary([figure(f, source) for f in results[c]]) for c in columns]
        print("| %s | %s | %s |" % (label, kind, " | ".join(cells)))
    print()
    print("`bench/web/trace.py --runs %d --throttle %s`, %s; ms, median (interquartile range) "
          "of %d start-ups of each page at each rate; \"at\": since navigation start, "
          "\"dur\": a duration. Load average %s (at the start and after each rate)."
          % (args.runs, " ".join("%g" % r for r in args.throttle),
             time.strftime("%Y-%m-%d"), args.runs, ", ".join("%.2f" % l for l in loads)))


if __name__ == "__main__":
    main()
