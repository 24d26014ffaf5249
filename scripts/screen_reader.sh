#!/usr/bin/env bash
# The real window read over AT-SPI, as a screen reader reads it: under Xvfb,
# with a session bus and the accessibility bus, the window is started with
# QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 and a reader started after it finds the
# pages, proves, reads the Proof page, its caret and lines, and counts the
# events it is sent; then the same on a proof page of a million lines, timing
# each caret step and line read over the bus.
#   scripts/screen_reader.sh [LINES]     (default 1000000; 0 skips the big page)
# Needs xvfb, at-spi2-core and python3-pyatspi (installed when missing).
set -euo pipefail
source "$(dirname "$0")/setup.sh"
cd "$TOLVERN_ROOT"
ensure_packages xvfb xauth dbus at-spi2-core python3-pyatspi
lines="${1:-1000000}"
BUILD="${TOLVERN_BUILD:-build}"
for program in tolvern-gui tolvern_bench; do
  [ -x "$BUILD/$program" ] || { echo "screen_reader: $BUILD/$program is not built" >&2; exit 1; }
done

folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
printf '[TOLVERN]\nWorking=%s\nMaxNumberBells=16\n' "$folder" >"$folder/TOLVERN.INI"
# A Latin-1 file, a bell above U+FFFF in a UTF-8 one, and every row printed.
printf '6 BELLS\n/ Caf\xe9 \xa3\nTouch = 2 Lead\nLead = &x16x16x16,+12\n' >"$folder/latin1.min"
printf '6 BELLS\n/ \xf0\x9f\x94\x94 rung: \xc3\xa9\nTouch = 2 Lead\nLead = &x16x16x16,+12\n' >"$folder/bell.min"
if [ "$lines" -gt 0 ]; then
  "$BUILD/tolvern_bench" text distinct |
    awk -v passes=$(( (lines + 199999) / 200000 )) \
      'NR == 1 { print; print "Big = " passes " Distinct"; next } { print } END { print "EVERYROW = \"@\"" }' \
      >"$folder/big.16"
fi

cat >"$folder/reader.py" <<'PY'
import os, statistics, subprocess, sys, time
import pyatspi
from gi.repository import GLib

gui, folder = sys.argv[1], sys.argv[2]
events = []

def listen(event):
    arrived = time.time()  # before asking the window anything
    events.append((event.type, event.source.name if event.source else "", event.detail1, event.detail2, arrived))

def pump(seconds, until=None):
    """Runs the event loop for `seconds`, or until `until()` holds."""
    loop = GLib.MainLoop()
    end = time.time() + seconds
    def tick():
        if time.time() > end or (until and until()):
            loop.quit()
            return False
        return True
    GLib.timeout_add(50, tick)
    loop.run()

def find(node, wanted, depth=0):
    if wanted(node):
        return node
    if depth > 12:
        return None
    for child in node:
        if child is not None:
            found = find(child, wanted, depth + 1)
            if found is not None:
                return found
    return None

def start(path):
    log = os.path.join(folder, "gui.log")
    for attempt in range(3):  # Xvfb may not take its first client yet
        process = subprocess.Popen([gui, path], cwd=folder, stderr=open(log, "w"))
        for _ in range(300):
            if process.poll() is not None:
                break
            for app in pyatspi.Registry.getDesktop(0):
                if app is not None and "tolvern" in (app.name or "").lower():
                    return process, app
            time.sleep(0.2)
        stop(process)
        time.sleep(1)
    sys.exit("the window never appeared on the accessibility bus:\n" + open(log).read())

def page(app, name):
    return find(app, lambda n: n.getRoleName() == "text" and n.name == name)

def told(name):
    return [e for e in events if e[0].startswith("object:text-changed") and e[1] == name]

def prove(app, proof, timeout):
    """Seconds from pressing Prove to the reader's being told of the new Proof page."""
    button = find(app, lambda n: n.getRoleName() == "push button" and n.name == "Prove")
    events.clear()
    started = time.time()
    button.queryAction().doAction(0)
    pump(timeout, lambda: any(e[0].endswith("insert") for e in told("Proof")))
    inserted = [e for e in told("Proof") if e[0].endswith("insert")]
    return inserted[0][4] - started if inserted else float("nan")

def stop(process):
    if process.poll() is None:
        process.terminate()
        process.wait(10)

# The reader starts after the window: the window was built with nobody listening.
process, app = start(os.path.join(folder, "latin1.min"))
time.sleep(1)
pyatspi.Registry.registerEventListener(listen, "object:text-changed", "object:text-caret-moved",
                                       "object:text-selection-changed")
unread = []
for name in ("Input", "Proof", "SIRIL", "TOLVERN", "Progress"):
    node = page(app, name)
    try:
        text = node.queryText()
        print(f"{name:8} Text interface, {text.characterCount} characters: {text.getText(0, 40)!r}")
    except Exception as error:
        print(f"{name:8} NO Text interface ({error})")
        unread.append(name)
proof = page(app, "Proof")
seconds = prove(app, proof, 20)
pump(1)
text = proof.queryText()
print(f"proved in {seconds:.2f} s; Proof page: {text.getText(0, -1).splitlines()[-3:]}")
print(f"Proof page events while proving: {[(e[0].split(':')[-1], e[2], e[3]) for e in told('Proof')]}")
text.setCaretOffset(text.characterCount - 3)
pump(1)
line = text.getTextAtOffset(text.caretOffset, pyatspi.TEXT_BOUNDARY_LINE_START)
moved = [e for e in events if e[0] == "object:text-caret-moved" and e[1] == "Proof"]
print(f"caret {text.caretOffset}, line there {line}, last caret event {moved[-1][2] if moved else None}")
text.setSelection(0, 0, 5) if text.getNSelections() else text.addSelection(0, 5)
pump(0.5)
print(f"selection {text.getSelection(0)}, {text.getText(*text.getSelection(0))!r}")
stop(process)

# Now the reader was listening before the window started.
process, app = start(os.path.join(folder, "bell.min"))
time.sleep(1)
text = page(app, "Input").queryText()
whole = text.getText(0, -1)
bell = whole.index("\U0001F514")
print(f"bell file: {text.characterCount} offsets for {len(whole.encode('utf-16-le')) // 2} UTF-16 units; "
      f"after the bell {text.getTextAtOffset(bell + 2, pyatspi.TEXT_BOUNDARY_CHAR)}, "
      f"its line {text.getTextAtOffset(bell + 2, pyatspi.TEXT_BOUNDARY_LINE_START)}")
stop(process)

big = os.path.join(folder, "big.16")
if os.path.exists(big):
    process, app = start(big)
    time.sleep(1)
    proof = page(app, "Proof")
    # The proof runs off the window's thread, which answers the reader
    # throughout but while it shows the result: the longest silence once the
    # page has come is what showing it cost, events to the bus included.
    text = proof.queryText()
    button = find(app, lambda n: n.getRoleName() == "push button" and n.name == "Prove")
    events.clear()
    button.queryAction().doAction(0)
    answered, count, silence = time.time(), 0, 0.0
    while count < 1000000:
        count = text.characterCount
        silence, answered = time.time() - answered, time.time()
        time.sleep(0.005)
    pump(2)
    changes = told("Proof")
    print(f"big page: {count} characters, shown within {silence:.2f} s of the proof's end "
          f"(the window's silence), text events: {[(e[0].split(':')[-1], e[2], e[3]) for e in changes]}")
    # Each step: the caret set a line up, then the caret and its line asked for.
    offset = text.characterCount
    times = []
    for _ in range(50):
        started = time.perf_counter()
        start_of_line = text.getTextAtOffset(max(offset - 1, 0), pyatspi.TEXT_BOUNDARY_LINE_START)[1]
        offset = max(start_of_line - 1, 0)
        text.setCaretOffset(offset)
        caret = text.caretOffset
        line = text.getTextAtOffset(caret, pyatspi.TEXT_BOUNDARY_LINE_START)
        times.append((time.perf_counter() - started) * 1000)
    times.sort()
    print(f"big page, 50 caret steps up from the end over the bus: {statistics.median(times):.1f} ms median, "
          f"{times[-1]:.1f} ms slowest; last line read {line}")
    stop(process)
sys.exit(f"no text for {unread}" if unread else 0)
PY

dbus-run-session -- xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  sleep 1
  QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 /usr/bin/python3 "$2/reader.py" "$1" "$2"
  status=$?
  kill $launcher 2>/dev/null || true
  exit $status
' screen_reader "$(realpath "$BUILD/tolvern-gui")" "$folder"
