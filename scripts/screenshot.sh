#!/usr/bin/env bash
# Makes the README's screenshot from the real executable: rgbhsv.exe under
# Wine, with a color entered from the keyboard.
#
#   scripts/screenshot.sh [FILE]      default docs/screenshot.png
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
scripts/ensure-packages.sh "${WINE_PACKAGES[@]}" imagemagick
wine_screenshot pose "${1:-docs/screenshot.png}"
