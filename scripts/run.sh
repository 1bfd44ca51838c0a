#!/usr/bin/env bash
# Builds rgbhsv.exe and runs it under Wine on this display. Without a
# display it opens the program in a virtual one, saves a screenshot, says
# where, and closes it. Installs what is missing first.
#
#   scripts/run.sh                     run it (or screenshot it, headless)
#   scripts/run.sh --screenshot FILE   screenshot it to FILE in any case
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh

shot=""
if [ "${1:-}" = "--screenshot" ]; then
  shot="${2:?--screenshot needs a file name}"
elif [ -z "${DISPLAY:-}" ]; then
  shot="build/rgbhsv-screenshot.png"
fi

packages=("${WINE_PACKAGES[@]}")
[ -n "$shot" ] && packages+=(imagemagick)
scripts/ensure-packages.sh "${packages[@]}"
build_program
exe="$PWD/build/windows/rgbhsv.exe"

if [ -z "$shot" ]; then
  boot_prefix "$PWD/build/wine-run"
  status=0
  wine "$exe" || status=$?
  echo "rgbhsv.exe exited with code $status"
  exit "$status"
fi

# Headless: Wine's own virtual desktop draws the caption, icon and frame;
# the program is shown there, photographed and closed.
mkdir -p "$(dirname "$shot")"
shot="$(cd "$(dirname "$shot")" && pwd)/$(basename "$shot")"
boot_prefix "$PWD/build/wine-shot"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wine explorer /desktop=rgbhsv,340x150 "$1" &
  sleep 6
  import -window root -crop 340x150+0+0 +repage "$2"
  wineserver -k
' _ "$exe" "$shot" >/dev/null 2>&1 || true
if [ -s "$shot" ]; then
  echo "Screenshot of rgbhsv.exe saved to $shot"
else
  echo "No screenshot was taken" >&2
  exit 1
fi
