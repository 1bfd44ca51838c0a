#!/usr/bin/env bash
# Builds the program and opens it on this display (X11 or Wayland): on Linux
# the native program (GTK 3), with --windows rgbhsv.exe under Wine (which
# needs X11, or XWayland). Without such a display it opens the program in a
# virtual one, saves a screenshot as soon as the dialog is drawn, says
# where, and closes it. With --web it builds the web page, serves build/web/site
# on a local port (RGBHSV_PORT, 8642 unless set), says the address and opens
# the browser there; without a display it takes a screenshot of the page in
# headless Chromium to build/rgbhsv-web-screenshot.png. Installs what is
# missing first.
#
#   scripts/run.sh [--windows]                     run it (or screenshot it, headless)
#   scripts/run.sh [--windows] --screenshot FILE   screenshot it to FILE in any case
#   scripts/run.sh --web                           serve the page and open it
set -euo pipefail
source "$(dirname "$0")/script-start.sh"
web="" windows="" shot=""
while [ $# -gt 0 ]; do
  case "$1" in
    --web) web=1 ;;
    --windows) windows=1 ;;
    --screenshot) [ $# -ge 2 ] || bad_usage; shot=$(realpath -m "$2"); shift ;;  # the caller's folder, before ours
    *) bad_usage "unknown argument: $1" ;;
  esac
  shift
done
[ -z "$web" ] || [ -z "$windows$shot" ] || bad_usage "--web goes alone"
cd "$(dirname "$0")/.."

if [ -n "$web" ]; then
  port=${RGBHSV_PORT:-8642}
  if ! [[ $port =~ ^[0-9]{1,5}$ ]] || [ "$port" -lt 1 ] || [ "$port" -gt 65535 ]; then
    echo "run.sh: RGBHSV_PORT must be a port number, not \"$port\"" >&2
    exit 2
  fi
  source scripts/packages.sh
  scripts/ensure-packages.sh "${WEB_PACKAGES[@]}" "${CHROMIUM_PACKAGES[@]}"
  cmake --preset web "${PROGRAM_ONLY[@]}" >/dev/null
  cmake --build --preset web --target rgbhsv_web
  /usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web/site >/dev/null 2>&1 &
  server=$!
  trap 'kill $server 2>/dev/null' EXIT
  url="http://127.0.0.1:$port/"
  up() { /usr/bin/python3 -c 'import sys, urllib.request; urllib.request.urlopen(sys.argv[1])' "$url" 2>/dev/null; }
  source scripts/x-session.sh  # wait_for
  wait_for 10 up || { echo "the local web server did not start on port $port" >&2; exit 1; }
  echo "The page is served at $url"
  if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    xdg-open "$url" >/dev/null 2>&1 || chromium "$url" >/dev/null 2>&1 &
    echo "Press Enter to stop serving it."
    read -r _
  else
    scripts/web-screenshot.py "$url" build/rgbhsv-web-screenshot.png
    echo "No display: saved a screenshot of the page to build/rgbhsv-web-screenshot.png"
  fi
  exit 0
fi

# GTK opens on X11 or Wayland; Wine on X11 only.
if [ -z "$shot" ]; then
  if [ -n "$windows" ] && [ -z "${DISPLAY:-}" ]; then
    shot=$PWD/build/rgbhsv-screenshot.png
  elif [ -z "$windows" ] && [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    shot=$PWD/build/rgbhsv-screenshot.png
  fi
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
packages=("${WINDOWS_PACKAGES[@]}" "${WINE_PACKAGES[@]}")
[ -n "$shot" ] && packages+=("${TEST_BUILD_PACKAGES[@]}" imagemagick)  # the end-to-end driver poses it
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
