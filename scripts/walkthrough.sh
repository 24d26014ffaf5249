#!/usr/bin/env bash
# Uses the real window as a ringer would, under Xvfb, and takes a picture at
# each step: an example opened and proved, a mistake typed and proved, line
# numbers on a right click, a touch of billions of changes proved and
# stopped with Esc.
#   scripts/walkthrough.sh [OUT_FOLDER]     (pictures 1-*.png to 7-*.png)
# Needs xvfb, xdotool and ImageMagick (installed when missing).
set -euo pipefail
source "$(dirname "$0")/setup.sh"
cd "$TOLVERN_ROOT"
ensure_packages xvfb xauth xdotool imagemagick
out="$(realpath -m "${1:-walkthrough}")"
mkdir -p "$out"
GUI="${TOLVERN_BUILD:-build}/tolvern-gui"
[ -x "$GUI" ] || { echo "walkthrough: $GUI is not built" >&2; exit 1; }

folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
cat >"$folder/TOLVERN.INI" <<INI
[TOLVERN]
Working=$folder
MaxNumberBells=16
INI
cp examples/spliced-surprise-major.maj "$folder/"

xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  set -e
  cd "$1"
  out="$3"
  "$2" spliced-surprise-major.maj &
  gui=$!
  for i in $(seq 50); do
    window=$(xdotool search --name "^TOLVERN" 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.2
  done
  sleep 1
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  shot() { sleep "$1"; import -window root "$out/$2.png"; }
  prove() { xdotool key --window "$window" alt+f; sleep 0.3; xdotool key --window "$window" v; }
  input_tab() { xdotool mousemove 27 67 click 1; }

  shot 0.5 1-opened
  prove
  shot 1.5 2-proved
  # A mistake: a name that is never defined, typed at the end of the text.
  input_tab
  sleep 0.3
  xdotool mousemove 600 300 click 1
  xdotool key --window "$window" ctrl+End Return
  xdotool type --delay 20 "X = +12, Missing"
  xdotool mousemove 83 67 click 1
  shot 0.5 3-typed-stale
  prove
  shot 1.5 4-mistake-proved
  input_tab
  sleep 0.3
  xdotool mousemove 600 300 click 3
  shot 0.5 5-line-numbers
  xdotool mousemove 600 300 click 3
  # A touch that would ring for hours, then Esc while it runs.
  xdotool key --window "$window" ctrl+a
  # Its lead head has order 140: rounds come every 4480 changes, so the memo
  # fills slowly.
  for line in "16 BELLS" "T = 2147483647 A" "A = 2147483647 L" "L = &x1Dx1Dx1Dx1Dx1Dx1Dx1Dx1D,+78ET" "CONFLICT ="; do
    xdotool type --delay 5 "$line"
    xdotool key --window "$window" Return
  done
  prove
  shot 0.3 6-huge-running
  xdotool key --window "$window" Escape
  shot 1.5 7-stopped
  kill $gui
' _ "$folder" "$(realpath "$GUI")" "$out"
echo "walkthrough: pictures in $out"
