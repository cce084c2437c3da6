#!/usr/bin/env bash
# What a screen reader is told during a voyage with an event and a battle, as the
# accessibility bus carries it, compared with what the news ticker showed: the keyboard journey
# runs on a virtual X display with the accessibility bus up while scripts/atspi-listen.py
# listens. Every ticker item must have been told exactly once, in order, and the battle's
# landings and outcome told too. Skipped (77) where Xvfb, D-Bus or pyatspi is missing
# (scripts/deps.sh installs them for the tests).
# Usage: atspi-voyage.sh JOURNEY-PROGRAM LISTENER-SCRIPT
set -uo pipefail
journey=$1
listener=$2
if ! command -v xvfb-run >/dev/null || ! command -v dbus-run-session >/dev/null ||
    ! /usr/bin/python3 -c "import pyatspi" 2>/dev/null; then
    echo "Xvfb, dbus-run-session or python3-pyatspi missing: skipped"
    exit 77
fi
# One run of the journey with the listener. The bus is a real one: on a machine busy with other
# tests two announcements a few milliseconds apart can reach the listener as the later one
# (Qt 6.4 sends the object, and the listener reads its name when the event arrives), so a run
# that misses one is tried once more before the test fails.
attempt() {
    local work rc
    work=$(mktemp -d)
    xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- bash -c '
    listener=$1 work=$2 journey=$3
    /usr/bin/python3 "$listener" "$work/record.txt" 170 &
    listening=$!
    for _ in $(seq 100); do grep -q listening "$work/record.txt" 2>/dev/null && break; sleep 0.1; done
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 VLNOBROD_TICKER="$work/ticker.txt" \
        "$journey" > "$work/journey.txt" 2>&1
    rc=$?
    sleep 1
    kill "$listening"
    wait "$listening"
    exit $rc
' _ "$listener" "$work" "$journey" 2>/dev/null
    rc=$?
    if [ $rc -ne 0 ]; then
        grep -v QWARN "$work/journey.txt" | tail -20
    else
        /usr/bin/python3 "$listener" --compare "$work/record.txt" "$work/ticker.txt" \
            "Koule obchodní lodi dopadla" "Koule pirátské lodi" "Vyhrála obchodní loď!" \
            "Přístup do města. Chcete koupit přístup za 1 500 zlatých?"
        rc=$?
    fi
    rm -rf "$work"
    return $rc
}
attempt && exit 0
echo "== the listener missed something; once more"
attempt
