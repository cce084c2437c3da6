#!/usr/bin/env bash
# Installs what is missing, builds the game (optimised, without the tests) and starts it.
# Usage: scripts/play.sh [--no-start]    --no-start: install and build only
set -euo pipefail
cd "$(dirname "$0")/.."
start=true
case "${1:-}" in
    "") ;;
    --no-start) start=false ;;
    *) echo "usage: scripts/play.sh [--no-start]" >&2; exit 2 ;;
esac
scripts/deps.sh play
cmake --preset play >/dev/null
cmake --build --preset play --target vlnobrod
if ! $start; then
    echo "Built build/play/app/vlnobrod; scripts/play.sh starts it."
    exit 0
fi
exec build/play/app/vlnobrod
