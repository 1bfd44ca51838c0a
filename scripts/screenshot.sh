#!/usr/bin/env bash
# Makes the README's screenshot from the real executable: rgbhsv.exe under
# Wine in its own virtual desktop (which draws the caption and the icon),
# with a color entered from the keyboard.
#
#   scripts/screenshot.sh [FILE]      default docs/screenshot.png
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
out="${1:-docs/screenshot.png}"
scripts/ensure-packages.sh "${WINE_PACKAGES[@]}" imagemagick
cmake --preset windows >/dev/null
cmake --build --preset windows --target rgbhsv e2e_driver

prefix="$PWD/build/wine-screenshot"
rm -rf "$prefix"
boot_prefix "$prefix"
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 340x150 /f >/dev/null 2>&1
wineserver -w
mkdir -p "$(dirname "$out")"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wine build/windows/tests/windows/e2e_driver.exe "$PWD/build/windows/rgbhsv.exe" pose &
  sleep 4
  import -window root -crop 340x150+0+0 +repage "$1"
  wait
' _ "$out"
echo "Screenshot saved to $out"
