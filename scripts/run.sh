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
if [ -n "$shot" ]; then
  wine_screenshot show "$shot"
  exit
fi
build_program
wine_prefix "$PWD/build/wine-run"
status=0
wine "$PWD/build/windows/rgbhsv.exe" || status=$?
echo "rgbhsv.exe exited with code $status"
exit "$status"
