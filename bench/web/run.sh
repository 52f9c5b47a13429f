#!/usr/bin/env bash
# Measures the browser edition beside a bare page in headless Chromium.
# Run by hand from the repository: bench/web/run.sh [RUNS [ROUNDS [SECONDS]]]
# RUNS start-ups of each page in each of 3 rounds (default 7; BENCH_START_ROUNDS sets
# the rounds), ROUNDS CPU windows of SECONDS seconds (default 3 of 60) of each of the
# three: the game idle, the game's marquee, the baseline. About 1 + 3 x RUNS x 0.3 +
# ROUNDS x 3.3 minutes (17 by default).
#   bench/web/run.sh smoke     3 runs in 1 round, 1 CPU round of 10 s, for trying it out
#                              (1.5 minutes); the figures are printed, bench/README.md is
#                              left alone.
# It first waits (up to BENCH_WAIT minutes, default 10) for a load average below
# BENCH_MAX_LOAD (default 1.5), then measures at whatever load there is.
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/setup.sh
install_missing_packages web test
readme=(--readme bench/README.md)
start_rounds=${BENCH_START_ROUNDS:-3}
if [ "${1:-}" = smoke ]; then
    set -- 3 1 10
    start_rounds=1
    readme=()
fi
cmake --preset web >/dev/null
cmake --build --preset web --target geografia_page geografia_baseline_page

max_load=${BENCH_MAX_LOAD:-1.5}
for ((i = 0; i < ${BENCH_WAIT:-10} * 4; i++)); do
    load=$(cut -d' ' -f1 /proc/loadavg)
    awk -v l="$load" -v m="$max_load" 'BEGIN { exit !(l < m) }' && break
    echo "load average $load, waiting for less than $max_load"
    sleep 15
done

# Debian's python3-selenium belongs to the system interpreter.
/usr/bin/python3 bench/web/measure.py --game build/web/geografia.html \
    --baseline build/web/baseline.html --runs "${1:-7}" --start-rounds "$start_rounds" \
    --rounds "${2:-3}" \
    --seconds "${3:-60}" "${readme[@]}"
