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

if [ "${CI:-}" = "true" ] || [ -n "${FUZZ_SECONDS:-}" ]; then
    if command -v clang++ >/dev/null; then
        echo "== fuzzing the profile reader and the game loader"
        cmake --preset fuzz >/dev/null
        cmake --build --preset fuzz --target fuzz_gamefile
        corpus=$(mktemp -d)
        seeds=$(mktemp -d)
        cp data/*.mlo "$seeds"/ 2>/dev/null || true
        build/fuzz/fuzz/fuzz_gamefile -max_total_time="${FUZZ_SECONDS:-60}" -max_len=65536 \
            -print_final_stats=1 "$corpus" "$seeds"
        rm -rf "$corpus" "$seeds"
    else
        echo "clang++ is missing: no fuzzing" >&2
        exit 1
    fi
fi
echo "All tests passed."
