#!/usr/bin/env bash
# Takes a picture of the rows window under Xvfb, showing a composition:
#   scripts/rows_screenshot.sh [OUT.png] [COMPOSITION] [X,Y ...]
# Each X,Y (window coordinates) is clicked before the picture is taken: a
# bell's symbol toggles its line, a red row marks where it falls.
# Needs xvfb, xdotool and ImageMagick (installed when missing).
set -euo pipefail
source "$(dirname "$0")/setup.sh"
cd "$TOLVERN_ROOT"
ensure_packages xvfb xauth xdotool imagemagick
out="$(realpath -m "${1:-tolvern-rows.png}")"
composition="$(realpath "${2:-examples/false-plain-bob-minor.min}")"
shift $(( $# < 2 ? $# : 2 ))
DRAW="${TOLVERN_BUILD:-build}/tolvern-draw"
[ -x "$DRAW" ] || { echo "rows_screenshot: $DRAW is not built" >&2; exit 1; }

xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  set -e
  draw="$1" composition="$2" out="$3"
  shift 3
  "$draw" "$composition" --view &
  viewer=$!
  for i in $(seq 50); do
    window=$(xdotool search --name "^TOLVERN - Rows" 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.2
  done
  sleep 1
  for point in "$@"; do
    xdotool mousemove --window "$window" "${point%,*}" "${point#*,}" click 1
    sleep 0.3
  done
  import -window root "$out"
  kill $viewer
' _ "$(realpath "$DRAW")" "$composition" "$out" "$@"
echo "rows_screenshot: $out"
