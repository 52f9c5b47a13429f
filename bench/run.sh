#!/usr/bin/env bash
# Measures the game beside a bare Qt window under Xvfb, and the game logic alone.
# Run by hand from the repository: bench/run.sh [RUNS [ROUNDS]]
# RUNS start-ups of each program (default 10), ROUNDS minutes of CPU measurement of
# each of the three (default 1; each figure is then the median). About 1 + 3 x ROUNDS
# minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
install_missing_packages
cmake --preset bench >/dev/null
cmake --build --preset bench
build=build/bench
game=$build/app/geografia
baseline=$build/bench/baseline
probe=$build/bench/probe
runs=${1:-10}
rounds=${2:-1}

# An X server of our own, on a display number it picks.
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp -dpi 96 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
read -r -t 15 -u "$fd" number
export DISPLAY=":$number"
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$(mktemp -d) # Qt asks for one; keeps the output quiet

median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

echo "Start-up and peak memory, $runs runs each, alternating"
: >/tmp/bench-game-start
: >/tmp/bench-base-start
for ((i = 0; i < runs; i++)); do
    "$probe" start "$game" >>/tmp/bench-game-start
    "$probe" start "$baseline" >>/tmp/bench-base-start
done
game_ms=$(cut -d' ' -f1 /tmp/bench-game-start | median)
base_ms=$(cut -d' ' -f1 /tmp/bench-base-start | median)
game_kib=$(cut -d' ' -f2 /tmp/bench-game-start | median)
base_kib=$(cut -d' ' -f2 /tmp/bench-base-start | median)

echo "CPU over 60 seconds, $rounds round(s) of the three programs"
: >/tmp/bench-cpu-idle
: >/tmp/bench-cpu-marquee
: >/tmp/bench-cpu-base
for ((i = 0; i < rounds; i++)); do
    "$probe" cpu "$game" 60 >>/tmp/bench-cpu-idle
    "$probe" cpu "$game" 60 68 103 >>/tmp/bench-cpu-marquee # "Нова игра" below the menu bar
    "$probe" cpu "$baseline" 60 >>/tmp/bench-cpu-base
done
game_idle=$(median </tmp/bench-cpu-idle)
game_marquee=$(median </tmp/bench-cpu-marquee)
base_cpu=$(median </tmp/bench-cpu-base)
echo "each round, ms: idle $(paste -sd' ' /tmp/bench-cpu-idle); marquee $(paste -sd' ' /tmp/bench-cpu-marquee); baseline $(paste -sd' ' /tmp/bench-cpu-base)"

printf '\n%-34s %12s %12s %8s\n' "" game baseline ratio
printf '%-34s %12s %12s %8s\n' "start-up to first paint, ms (median)" "$game_ms" "$base_ms" "$(ratio "$game_ms" "$base_ms")"
printf '%-34s %12s %12s %8s\n' "peak resident memory, KiB (median)" "$game_kib" "$base_kib" "$(ratio "$game_kib" "$base_kib")"
printf '%-34s %12s %12s %8s\n' "CPU in 60 s idle shuffle, ms (median)" "$game_idle" "$base_cpu" "$(ratio "$game_idle" "$base_cpu")"
printf '%-34s %12s %12s %8s\n' "CPU in 60 s marquee, ms (median)" "$game_marquee" "$base_cpu" "$(ratio "$game_marquee" "$base_cpu")"
awk -v ms="$game_marquee" 'BEGIN { printf "marquee: %.3f%% of one core\n", ms / 600 }'

echo
echo "The game logic alone:"
"$build/bench/game_bench" --benchmark_min_time=0.5
