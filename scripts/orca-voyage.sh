#!/usr/bin/env bash
# What Orca itself says while the game is played by keys: the built game (scripts/play.sh
# --no-start) runs on a virtual display with Orca, keys are typed as a player would (a new
# game, a city chosen with the arrows, a voyage), and Orca's own log of what it spoke is
# printed. A check by hand, beside the AtspiVoyage test (which listens on the bus in CI).
# Usage: scripts/orca-voyage.sh [GAME-FOLDER]   (default: build/play/app)
set -euo pipefail
cd "$(dirname "$0")/.."
game=$(realpath "${1:-build/play/app}")
[ -x "$game/vlnobrod" ] || { echo "no game in $game: run scripts/play.sh --no-start" >&2; exit 2; }
scripts/deps.sh orca
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$game" "$work/game"
xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- bash -c '
    work=$1
    export HOME=$work/home
    mkdir -p "$HOME"
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    sleep 1
    orca --debug-file="$work/orca.log" -u "$work/prefs" >/dev/null 2>&1 &
    sleep 5
    (cd "$work/game" && QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 ./vlnobrod >/dev/null 2>&1) &
    sleep 5
    # A new game on the first map, the goal answered, the third city east chosen and sailed to.
    for key in ctrl+n Return Return Return Right Right p; do xdotool key "$key"; sleep 2; done
    sleep 30
    pkill -f "$work/game/vlnobrod" || true
    sleep 1
    pkill orca || true
' _ "$work" 2>/dev/null
# ORCA_LOG=file keeps Orca's whole log.
if [ -n "${ORCA_LOG:-}" ]; then cp "$work/orca.log" "$ORCA_LOG"; fi
grep -o "SPEECH OUTPUT: .*" "$work/orca.log" | sed "s/{'established'.*//"
