#!/usr/bin/env bash
# Judges the website folder the way outside tools do: Lighthouse (performance,
# accessibility, best practices, SEO), the Nu Html Checker and axe-core (WCAG 2 A/AA).
# Run by hand from anywhere: bench/web/judges.sh [SITE]   (default build/web/site)
# Exits non-zero when Lighthouse's best-practices or SEO score is below 0.95, when the
# Nu checker reports an error or when axe-core reports a WCAG 2.0 or 2.1 A/AA violation.
# Needs node, npm, java, Debian's chromium, chromedriver and python3-selenium; the npm
# packages are installed once into build/tools-judges/ (JUDGES_TOOLS sets another place).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
site=$(realpath "${1:-$root/build/web/site}")
tools=$(realpath -m "${JUDGES_TOOLS:-$root/build/tools-judges}")
chrome=/usr/lib/chromium/chromium
flags="--headless=new --no-sandbox --disable-gpu --no-first-run --disable-background-networking --disable-component-update --disable-sync"
[ -f "$site/index.html" ] || { echo "no index.html in $site" >&2; exit 2; }

# Lighthouse 13 wants Node 22; 12.8 runs on Node 18 and 20. vnu-jar's install script
# would fetch a Java of its own: the machine's java is used instead.
if [ ! -x "$tools/node_modules/.bin/lighthouse" ]; then
    npm install --prefix "$tools" --no-audit --no-fund --ignore-scripts \
        lighthouse@12.8.2 vnu-jar@26.10.12 axe-core@4.11.4
fi

work=$(mktemp -d)
server=
cleanup() {
    [ -z "$server" ] || kill "$server" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A real web host compresses text (gzip or brotli) and http.server does not, so
# Lighthouse's text-compression audit here says more about the server than the site.
python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$site" >"$work/server.log" 2>&1 &
server=$!
for _ in $(seq 50); do
    port=$(sed -n 's/.* port \([0-9]*\) .*/\1/p' "$work/server.log")
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "$port" ] || { echo "the server did not start:" >&2; cat "$work/server.log" >&2; exit 2; }
url="http://127.0.0.1:$port/"
status=0

echo "== Lighthouse $("$tools/node_modules/.bin/lighthouse" --version) on $url"
CHROME_PATH=$chrome "$tools/node_modules/.bin/lighthouse" "$url" --quiet \
    --only-categories=performance,accessibility,best-practices,seo \
    --chrome-flags="$flags" --output=json --output-path="$work/lighthouse.json" || status=1
# Lighthouse's report shows an audit as passed from a score of 0.9 on.
node - "$work/lighthouse.json" <<'EOF' || status=1
const report = require(process.argv[2]);
let low = false;
for (const warning of report.runWarnings) console.log(`warning: ${warning}`);
for (const [id, category] of Object.entries(report.categories)) {
    console.log(`${id}: ${category.score}`);
    if ((id === 'best-practices' || id === 'seo') && !(category.score >= 0.95)) low = true;
    for (const { id: auditId } of category.auditRefs) {
        const audit = report.audits[auditId];
        if (audit.score === null || audit.score >= 0.9) continue;
        const value = audit.displayValue ? ` (${audit.displayValue})` : '';
        console.log(`  failed ${auditId}: ${audit.title}${value}`);
        if (audit.explanation) console.log(`    ${audit.explanation}`);
        const items = audit.details?.items;
        for (const item of Array.isArray(items) ? items.slice(0, 3) : []) {
            const what = item.description ?? item.node?.snippet ?? item.source?.url ?? item.url;
            if (what) console.log(`    - ${String(what).slice(0, 200)}`);
        }
    }
}
process.exit(low ? 1 : 0);
EOF

# The checker exits non-zero on errors only; warnings are printed as well.
echo "== Nu Html Checker $(java -jar "$tools/node_modules/vnu-jar/build/dist/vnu.jar" --version)"
java -jar "$tools/node_modules/vnu-jar/build/dist/vnu.jar" --format gnu --skip-non-html \
    "$site" 2>&1 && echo "no errors" || status=1

echo "== axe-core $(node -p "require('$tools/node_modules/axe-core/package.json').version")"
# Debian's python3-selenium belongs to the system interpreter.
/usr/bin/python3 - "$url" "$tools/node_modules/axe-core/axe.min.js" "$chrome" "$flags" <<'EOF' || status=1
import sys, time
from pathlib import Path
from selenium import webdriver
from selenium.webdriver.chrome.service import Service

url, axe, chrome, flags = sys.argv[1:]
# Lighthouse's phone and desktop screens: the window scales with the screen, and so do
# its targets' sizes.
screens = {"phone": (412, 823, 1.75, True), "desktop": (1350, 940, 1, False)}
# WCAG 2.0 and 2.1 A/AA are the gate. WCAG 2.2's target size is reported too: on a phone
# held upright the window is scaled to two thirds, and its lowest fields fall just under
# 24 px.
gate = {"wcag2a", "wcag2aa", "wcag21a", "wcag21aa"}
tags = sorted(gate) + ["wcag22aa"]
options = webdriver.ChromeOptions()
options.binary_location = chrome
for flag in flags.split():
    options.add_argument(flag)
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
violations = 0
try:
    for screen, (width, height, scale, mobile) in screens.items():
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": scale, "mobile": mobile})
        driver.get(url)
        time.sleep(2)  # the game builds its window after the load event
        driver.execute_script(Path(axe).read_text())
        result = driver.execute_async_script("""
            const done = arguments[arguments.length - 1];
            axe.run(document, {runOnly: {type: 'tag', values: arguments[0]}})
                .then(done, error => done({error: String(error)}));""", tags)
        if "error" in result:
            sys.exit(f"axe failed: {result['error']}")
        for violation in result["violations"]:
            gated = bool(gate & set(violation["tags"]))
            violations += gated
            print(f"{screen}: {'violation' if gated else 'reported (WCAG 2.2)'} "
                  f"{violation['id']} ({violation['impact']}): {violation['help']}")
            for node in violation["nodes"][:5]:
                print(f"  {' '.join(node['target'])}: "
                      f"{node['failureSummary'].splitlines()[1].strip()}")
        review = ", ".join(rule["id"] for rule in result["incomplete"]) or "none"
        print(f"{screen} {width}x{height}: {len(result['violations'])} rules failed, "
              f"{len(result['passes'])} rules passed; to review by hand: {review}")
finally:
    driver.quit()
sys.exit(1 if violations else 0)
EOF

exit "$status"
