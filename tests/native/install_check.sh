#!/usr/bin/env bash
# Installs the native build into a new prefix, as a packager would, and
# checks what the desktop needs: the program, a valid desktop entry naming
# it and its icon, and the icon as PNG files of the hicolor theme.
#
#   install_check.sh BUILD_DIR APP_ID
set -euo pipefail
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

cmake --install "$1" --prefix "$prefix" >/dev/null
[ -x "$prefix/bin/rgbhsv" ] || fail "no bin/rgbhsv"
id=$2
entry=$prefix/share/applications/$id.desktop
[ -f "$entry" ] || fail "no desktop entry"
desktop-file-validate "$entry" || fail "the desktop entry is not valid"
grep -qx 'Exec=rgbhsv' "$entry" || fail "the desktop entry does not start rgbhsv"
grep -qx "Icon=$id" "$entry" || fail "the desktop entry does not name the icon"
for size in 16 32; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  identify -format '%m %wx%h' "$png" 2>/dev/null | grep -qx "PNG ${size}x${size}" ||
    fail "no ${size}x${size} PNG icon"
done
echo "installed and complete"
