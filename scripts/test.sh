#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite: the warnings-as-errors
# build, then the sanitizer build, then (with CI=true) each benchmark once and a minute of
# fuzzing.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

if [ "${CI:-}" = "true" ]; then
    scripts/deps.sh ci
else
    scripts/deps.sh test
fi

for preset in ci asan; do
    echo "== $preset build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    echo "== $preset tests"
    ctest --preset "$preset" -j "$jobs"
    if [ "$preset" = ci ] && [ "${CI:-}" = "true" ]; then
        # Each benchmark once, on the build just tested, so none of them rots; no figure of
        # this run is a measurement (scripts/bench.sh alone measures).
        echo "== benchmarks, once each"
        scripts/bench.sh --quick --preset ci
    fi
done

# Fuzzing from memory: the profile parser, the game reader, number parsing and a whole save
# and load. CI gives each target a minute; FUZZ_SECONDS=3600 scripts/test.sh fuzzes an hour
# each, FUZZ_TARGETS="gamefile" picks targets and FUZZ_CORPUS=dir keeps what was found for
# the next run. A crash stops the script and leaves its input in build/fuzz/: turn it into a
# test before mending the fault.
if [ "${CI:-}" = "true" ] || [ -n "${FUZZ_SECONDS:-}" ]; then
    if ! command -v clang++ >/dev/null; then
        echo "clang++ is missing: no fuzzing" >&2
        exit 1
    fi
    seconds=${FUZZ_SECONDS:-60}
    echo "== fuzz build"
    cmake --preset fuzz >/dev/null
    cmake --build --preset fuzz --target fuzz -j "$jobs"
    maps=$(mktemp -d)
    cp data/*.mlo "$maps"/ 2>/dev/null || true
    summary=""
    for target in ${FUZZ_TARGETS:-profile gamefile numbers saveload}; do
        seeds="fuzz/corpus/$target"
        [ "$target" = saveload ] && seeds=fuzz/corpus/gamefile
        # The shipped maps seed the game targets, cut to 2 kB: a city or two make a game, and
        # small inputs keep the runs fast.
        extra="" limit=4096
        case $target in gamefile | saveload) extra=$maps limit=2048 ;; esac
        if [ -n "${FUZZ_CORPUS:-}" ]; then
            work="$FUZZ_CORPUS/$target"
            mkdir -p "$work"
        else
            # New inputs are written as they are found: in memory where the system allows.
            work=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
        fi
        echo "== fuzzing $target for ${seconds}s"
        build/fuzz/fuzz/fuzz_$target -max_total_time="$seconds" -max_len=$limit -dict=fuzz/ini.dict \
            -print_final_stats=1 -artifact_prefix="build/fuzz/$target-" \
            "$work" "$seeds" $extra 2>&1 | tee "build/fuzz/$target.log" | grep -E "DONE|ERROR|SUMMARY|runtime error|property" || true
        # Any sanitizer's summary is a fault, the undefined-behaviour one too, which names no
        # ERROR; libFuzzer writes the input of every fault it stops at.
        if grep -qE "ERROR|SUMMARY: |runtime error|property broken|Test unit written" "build/fuzz/$target.log"; then
            echo "fuzz_$target found a fault; its input is in build/fuzz/" >&2
            exit 1
        fi
        rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "build/fuzz/$target.log")
        summary="$summary $target: ${rate:-?}/s"
        [ -n "${FUZZ_CORPUS:-}" ] || rm -rf "$work"
    done
    rm -rf "$maps"
    echo "== fuzz executions a second:$summary"
fi
echo "All tests passed."
