#!/usr/bin/env bash
# Measures the game against floors measured in the same run and prints one table of ratios:
# loading and saving a whole game, the day change, the start-up and peak memory against a
# bare Qt Widgets window (on a private Xvfb), and the processor time while the game waits.
# Usage: scripts/bench.sh [--quick] [--preset NAME]
#   --quick    each benchmark once, one start of each program, 1 s of each CPU figure: proves
#              the benchmarks still run (CI); its figures are not measurements
#   --preset   the build to measure, bench (optimised) by default; CI passes its ci build
set -euo pipefail
cd "$(dirname "$0")/.."
quick=false
preset=bench
while [ $# -gt 0 ]; do
    case "$1" in
        --quick) quick=true ;;
        --preset) preset=${2:?}; shift ;;
        *) echo "usage: scripts/bench.sh [--quick] [--preset NAME]" >&2; exit 2 ;;
    esac
    shift
done

scripts/deps.sh bench
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target vlnobrod bench_rules bare_window caption_window \
    startup_probe game_cpu \
    >/dev/null
build=build/$preset

work=$(mktemp -d)
xvfb=""
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A private X server: the window maps are those of the programs measured here alone.
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
export QT_QPA_PLATFORM=xcb
# The player's settings as a new player has them (sounds off), and none of ours touched.
export XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

if $quick; then
    runs=1 seconds=1 rules=(--quick)
else
    runs=9 seconds=10 rules=()
fi
load() { cut -d' ' -f1 /proc/loadavg; }
loadStart=$(load)

row="| %-42s | %-15s | %-15s | %-6s | %-7s | %-4s |\n"
printf "$row" "what" "measured" "floor" "ratio" "target" "met"
printf "|%s|%s|%s|%s|%s|%s|\n" "$(printf -- '-%.0s' {1..44})" "$(printf -- '-%.0s' {1..17})" \
    "$(printf -- '-%.0s' {1..17})" "--------" "---------" "------"
status=0
"$build/bench/bench_rules" "${rules[@]}" || status=1
"$build/bench/startup_probe" --runs "$runs" --idle "$seconds" "$build/app/vlnobrod" \
    "$build/bench/bare_window" "$build/bench/caption_window" 2>"$work/startup.log" ||
    { cat "$work/startup.log" >&2; status=1; }
"$build/bench/game_cpu" --seconds "$seconds" 2>"$work/cpu.log" || { cat "$work/cpu.log" >&2; status=1; }
echo
echo "$(nproc) cores, load average $loadStart at the start, $(load) at the end; build $preset."
echo "Rules: medians of interleaved repetitions, in processor time (saving in wall time: it waits"
echo "for the disk). Start-up: medians of alternating starts, in wall time."
grep -h "start-up\|shots\|voyages begun" "$work/startup.log" "$work/cpu.log" || true
exit $status
