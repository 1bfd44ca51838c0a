#!/usr/bin/env bash
# Builds the program and opens it on this display: on Linux the native
# program (GTK 3), with --windows rgbhsv.exe under Wine. Without a display
# it opens the program in a virtual one, saves a screenshot as soon as the
# dialog is drawn, says where, and closes it. Installs what is missing first.
#
#   scripts/run.sh [--windows]                     run it (or screenshot it, headless)
#   scripts/run.sh [--windows] --screenshot FILE   screenshot it to FILE in any case
set -euo pipefail
cd "$(dirname "$0")/.."

windows=""
if [ "${1:-}" = "--windows" ]; then
  windows=1
  shift
fi
shot=""
if [ "${1:-}" = "--screenshot" ]; then
  shot="${2:?--screenshot needs a file name}"
elif [ -z "${DISPLAY:-}" ]; then
  shot="build/rgbhsv-screenshot.png"
fi

if [ -z "$windows" ]; then
  source scripts/native-env.sh
  if [ -n "$shot" ]; then
    exec scripts/native-screenshot.sh show "$shot"
  fi
  scripts/ensure-packages.sh "${NATIVE_PACKAGES[@]}"
  build_native
  status=0
  build/native/rgbhsv || status=$?
  echo "rgbhsv exited with code $status"
  exit "$status"
fi

source scripts/wine-env.sh
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
