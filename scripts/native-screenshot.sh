#!/usr/bin/env bash
# Photographs the native program in a virtual X display with a small window
# manager (openbox), as soon as it is drawn, then closes it. Fails, saying
# why, if it cannot.
#
#   scripts/native-screenshot.sh show FILE   as it opens
#   scripts/native-screenshot.sh pose FILE   with a color entered
set -euo pipefail
source "$(dirname "$0")/script-start.sh"
case "${1:-}" in show|pose) ;; *) bad_usage "show or pose?" ;; esac
if [ -z "${2:-}" ] || [ $# -gt 3 ]; then bad_usage "one file name"; fi
cd "$(dirname "$0")/.."
scenario=$1 out=$2

if [ "${3:-}" != --inside ]; then
  source scripts/native-env.sh
  scripts/ensure-packages.sh "${NATIVE_PACKAGES[@]}" "${SHOT_PACKAGES[@]}"
  build_native >/dev/null
  mkdir -p "$(dirname "$out")"
  out="$(cd "$(dirname "$out")" && pwd)/$(basename "$out")"
  exec xvfb-run -a -s "-screen 0 640x400x24" bash "$0" "$scenario" "$out" --inside
fi

fail() { echo "native screenshot: $*" >&2; exit 1; }
source scripts/x-session.sh
start_openbox || fail "openbox did not start"
build/native/rgbhsv &
program=$!
trap 'kill $program $wm_pid 2>/dev/null || true' EXIT
find_dialog || fail "no window appeared"
wait_for 20 swatch_is '#FFFFFF' || fail "the dialog was not drawn"
if [ "$scenario" = pose ]; then
  for value in 40 150 220; do
    xdotool key Tab BackSpace
    xdotool type --delay 30 "$value"
  done
  wait_for 20 swatch_is '#2896DC' || fail "the color was not entered"
fi
# The frame too: the window manager's extents around the client area.
read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS | tr -d ',' | awk '{print $3, $4, $5, $6}')
width=$(xwininfo -id "$window" | awk '/Width:/ {print $2}')
height=$(xwininfo -id "$window" | awk '/Height:/ {print $2}')
import -silent -window root -crop "$((width + left + right))x$((height + top + bottom))+$((client_x - left))+$((client_y - top))" +repage "$out"
xdotool key Escape
wait "$program" || fail "the program did not end with exit code 0"
echo "Screenshot of the native program saved to $out"
