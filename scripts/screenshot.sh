#!/usr/bin/env bash
# Takes a picture of the real window under Xvfb after proving an example:
#   scripts/screenshot.sh [OUT.png] [COMPOSITION]
# Needs xvfb, xdotool and ImageMagick (installed when missing).
set -euo pipefail
source "$(dirname "$0")/setup.sh"
cd "$TOLVERN_ROOT"
ensure_packages xvfb xauth xdotool imagemagick
out="$(realpath -m "${1:-tolvern-window.png}")"
composition="$(realpath "${2:-examples/plain-bob-minor.min}")"
GUI="${TOLVERN_BUILD:-build}/tolvern-gui"
[ -x "$GUI" ] || { echo "screenshot: $GUI is not built" >&2; exit 1; }

folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
cat >"$folder/TOLVERN.INI" <<INI
[TOLVERN]
Working=$folder
INI

xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  set -e
  cd "$1"
  "$2" "$3" &
  gui=$!
  for i in $(seq 50); do
    window=$(xdotool search --name "^TOLVERN" 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.2
  done
  sleep 1
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  # File > Prove, by its accelerator keys.
  xdotool key --window "$window" alt+f
  sleep 0.3
  xdotool key --window "$window" v
  sleep 1.5
  import -window root "$4"
  kill $gui
' _ "$folder" "$(realpath "$GUI")" "$composition" "$out"
echo "screenshot: $out"
