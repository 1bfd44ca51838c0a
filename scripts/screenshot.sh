#!/usr/bin/env bash
# Makes the README's screenshots, each with a color entered from the
# keyboard: rgbhsv.exe under Wine, and the native Linux program.
#
#   scripts/screenshot.sh [WINDOWS-FILE [LINUX-FILE]]
#       default docs/screenshot.png and docs/screenshot-linux.png
set -euo pipefail
source "$(dirname "$0")/script-start.sh"
[ $# -le 2 ] || bad_usage
for file in "$@"; do
  case "$file" in -*) bad_usage "unknown argument: $file" ;; esac
done
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
scripts/ensure-packages.sh "${WINDOWS_PACKAGES[@]}" "${WINE_PACKAGES[@]}" "${TEST_BUILD_PACKAGES[@]}" imagemagick
wine_screenshot pose "${1:-docs/screenshot.png}"
scripts/native-screenshot.sh pose "${2:-docs/screenshot-linux.png}"
