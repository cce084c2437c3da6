#!/usr/bin/python3
"""Records what a screen reader would be told by Vlnobrod, from the accessibility bus.

Usage: atspi-listen.py RECORD [SECONDS]
Writes one line a event into RECORD until stopped (SIGTERM) or SECONDS have passed:
  told<TAB>text             a notification that appeared: an announcement
  focus<TAB>role<TAB>name<TAB>description   the keys' focus moved to a control
  window<TAB>title          a window came to the front

atspi-listen.py --compare RECORD TICKER [EXPECTED...]
Checks a record against what the game's news ticker showed (TICKER, one item a line): every
ticker item was told exactly once and in the ticker's order, and each EXPECTED text was told
too. Prints what is missing and exits 1 when anything is.
"""
import signal
import sys


def listen(record, seconds):
    import pyatspi
    from gi.repository import GLib

    out = open(record, "w", encoding="utf-8")

    def write(*fields):
        out.write("\t".join(f.replace("\t", " ").replace("\n", " ") for f in fields) + "\n")
        out.flush()

    def on_event(e):
        try:
            source = e.source
            role = source.getRoleName()
            if e.type.startswith("object:state-changed:showing"):
                # A notification appearing is what Orca speaks unasked: its name, read at once
                # as Orca does.
                if role == "notification" and e.detail1 == 1:
                    write("told", source.name or "")
            elif e.type.startswith("object:state-changed:focused"):
                if e.detail1 == 1:
                    write("focus", role, source.name or "", source.description or "")
            elif e.type.startswith("window:activate"):
                write("window", source.name or "")
        except Exception as err:  # an object gone before it was read
            write("gone", str(err))

    pyatspi.Registry.registerEventListener(
        on_event,
        "object:state-changed:showing",
        "object:state-changed:focused",
        "window:activate",
    )
    write("listening")
    signal.signal(signal.SIGTERM, lambda *_: pyatspi.Registry.stop())
    GLib.timeout_add_seconds(seconds, lambda: pyatspi.Registry.stop() or False)
    pyatspi.Registry.start()
    out.close()


def compare(record, ticker, expected):
    told = []
    with open(record, encoding="utf-8") as f:
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if fields[0] == "told":
                told.append(fields[1] if len(fields) > 1 else "")
    with open(ticker, encoding="utf-8") as f:
        items = [line.rstrip("\n") for line in f if line.strip()]
    problems = []
    at = 0
    for item in items:
        found = [i for i, t in enumerate(told) if t == " ".join(item.split())]
        if len(found) != 1:
            problems.append("told %d times, not once: %s" % (len(found), item))
        elif found[0] < at:
            problems.append("told out of the ticker's order: %s" % item)
        else:
            at = found[0]
    for text in expected:
        if not any(text in t for t in told):
            problems.append("never told: %s" % text)
    print("%d announcements, %d ticker items" % (len(told), len(items)))
    for t in told:
        print("  told: " + t)
    for p in problems:
        print("PROBLEM: " + p)
    return 1 if problems or not items else 0


if __name__ == "__main__":
    if len(sys.argv) >= 4 and sys.argv[1] == "--compare":
        sys.exit(compare(sys.argv[2], sys.argv[3], sys.argv[4:]))
    if len(sys.argv) < 2:
        print(__doc__)
        sys.exit(2)
    listen(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 120)
