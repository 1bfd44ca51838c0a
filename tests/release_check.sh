#!/usr/bin/env bash
# Each download of a release used as its user would use it: the zip
# unpacked and its rgbhsv.exe started under Wine until it shows white; each
# Debian package installed, used and removed (arm64's under qemu-aarch64,
# with the tests' arm64 build's helpers); the web archive unpacked,
# served, and opened in headless Chromium until it shows white.
#
#   release_check.sh DIST
set -euo pipefail
if [ $# -ne 1 ] || [ ! -f "$1/SHA256SUMS" ]; then
  echo "usage: tests/release_check.sh DIST   (DIST: a folder with a release's downloads and SHA256SUMS)" >&2
  exit 2
fi
dist=$(realpath "$1")  # the caller's folder, before ours
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "release: FAILED: $*" >&2; exit 1; }
(cd "$dist" && sha256sum --quiet -c SHA256SUMS) || fail "the downloads do not match SHA256SUMS"

unzip -q "$dist"/rgbhsv-*-windows-x64.zip -d "$work/windows"
if [ ! -f "$work/windows/LICENSE" ] || [ ! -f "$work/windows/README.txt" ]; then
  fail "the zip lacks LICENSE or README.txt"
fi
xvfb-run -a -s "-screen 0 1024x768x24" tests/windows/wine_run.sh "$PWD/build/windows/wine-prefix" \
  build/windows/tests/windows/e2e_driver.exe "$work/windows/rgbhsv.exe" startup || fail "rgbhsv.exe from the zip"

tests/native/package_check.sh "$dist"/rgbhsv_*_amd64.deb tests/native build/native/tests/bell_watch \
  build/native/tests/clipboard_keeper || fail "the Debian package"
# The arm64 package on this machine's multiarch, its program and the test's
# X helpers (from the arm64 build) run under qemu-aarch64.
RGBHSV_EMULATOR=qemu-aarch64 tests/native/package_check.sh "$dist"/rgbhsv_*_arm64.deb tests/native \
  build/arm64/tests/bell_watch build/arm64/tests/clipboard_keeper || fail "the arm64 Debian package"

tar -xzf "$dist"/rgbhsv-*-web.tar.gz -C "$work"
site=$(echo "$work"/rgbhsv-*-web)
[ -f "$site/LICENSE" ] || fail "the web archive lacks LICENSE"
/usr/bin/python3 scripts/web-screenshot.py "$site" "$work/web.png" || fail "the web page from the archive"
echo "release: the zip, the package and the web page each work as downloaded"
