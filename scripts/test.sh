#!/usr/bin/env bash
# Builds and runs every test: installs what is missing first, so that it
# passes on a fresh Debian or Ubuntu machine. It changes the machine: it
# installs some 60 packages (three browsers and Wine among them), npm's
# packages into tests/web/node_modules, and the Debian package for a moment
# system-wide; it briefly edits LICENSE and the Windows README (restored
# after); it makes Debian roots under build/fresh. Use a container or a
# virtual machine you do not mind changing.
#
#   scripts/test.sh           every test but the arm64 build's
#   scripts/test.sh --arm64   the arm64 build's tests: the Linux program and
#                             its tests cross-built for 64-bit ARM, run under
#                             qemu-aarch64 (the conversion's, the dialog's,
#                             the platform's, both contract suites, and the
#                             GTK program end to end)
#   scripts/test.sh --quick   the tests that need no display, browser or Wine
#                             (conversion, dialog, platform, program, and the
#                             stand-in's contract), in the native preset
set -euo pipefail
source "$(dirname "$0")/script-start.sh"
quick="" arm64=""
case "$*" in
  "") ;;
  --quick) quick=1 ;;
  --arm64) arm64=1 ;;
  *) bad_usage "unknown arguments: $*" ;;
esac
cd "$(dirname "$0")/.."
source scripts/arm64-env.sh

if [ -n "$quick" ]; then
  scripts/ensure-packages.sh "${NATIVE_PACKAGES[@]}" "${TEST_BUILD_PACKAGES[@]}"
  cmake --preset native >/dev/null
  cmake --build --preset native --target conversion_tests conversion_fma_tests conversion_fast_math_tests \
    standin_contract dialog_tests platform_tests program_tests
  exec ctest --preset quick -j "$CMAKE_BUILD_PARALLEL_LEVEL"
fi

# The native program's end-to-end tests take: an X display with a window
# manager, keys (xdotool) and the clipboard (xclip), xrdb
# (x11-xserver-utils) for a user's text size, a session bus (dbus-daemon)
# and AT-SPI's Python bindings for what a screen reader hears, weston for a
# Wayland display; its random user XTest (python3-xlib); its install check
# desktop-file-validate.
E2E_PACKAGES=(xclip x11-xserver-utils dbus-daemon at-spi2-core python3-pyatspi weston python3-xlib
              desktop-file-utils "${SHOT_PACKAGES[@]}")
if [ -n "$arm64" ]; then
  scripts/ensure-packages.sh "${NATIVE_PACKAGES[@]}" "${TEST_BUILD_PACKAGES[@]}" "${E2E_PACKAGES[@]}"
  ensure_arm64
  cmake --preset arm64
  cmake --build --preset arm64
  exec ctest --preset arm64
fi

# Beyond every program's packages, the tests' builds and the end-to-end
# tests': the native program's package dpkg-dev (dpkg-shlibdeps), lintian
# and appstream (appstreamcli); the random user Firefox and WebKit's
# WebDriver; the fresh-machine check mmdebstrap; the arm64 package its
# cross build.
scripts/ensure-packages.sh clang libclang-rt-dev llvm libx11-dev lintian appstream \
  python3-pil unzip shellcheck gnupg diffoscope-minimal firefox-esr webkit2gtk-driver mmdebstrap \
  "${NATIVE_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" "${WINE_PACKAGES[@]}" "${WEB_PACKAGES[@]}" \
  "${CHROMIUM_PACKAGES[@]}" "${E2E_PACKAGES[@]}" "${TEST_BUILD_PACKAGES[@]}" "${RELEASE_PACKAGES[@]}"
ensure_arm64

# The scripts, every one clean by shellcheck (.shellcheckrc says how).
git ls-files -z '*.sh' | xargs -0 shellcheck

# The README's first command on a new machine: scripts/run.sh in a fresh
# Debian root with only the commit in it, which must save its screenshot.
scripts/check-fresh.sh

# Native: the conversion, the dialog and the whole program over the
# in-memory stand-in of the Windows dialog services, the native Linux
# program over GTK 3 with its end-to-end tests, and the contract suite of
# the dialog services on both; then all of it again built with Clang (with
# the resource reader's fuzzing), and again with the sanitizers.
for preset in native native-clang asan; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

# The web page: the same dialog and conversion built with Emscripten into
# build/web/site, the contract suite of the dialog services run on it in
# headless Chromium (the preset gives Emscripten's Node what it needs), the
# page end to end, and Lighthouse's audits of it (npm's packages first).
scripts/ensure-npm-packages.sh
cmake --preset web
cmake --build --preset web
ctest --preset web

# Windows: rgbhsv.exe cross-built from the same sources against the real
# Win32 headers, its image checked, and the end-to-end tests under Wine in a
# virtual X display.
cmake --preset windows
cmake --build --preset windows
xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset windows

# The Linux program for 64-bit ARM, cross-built, for its package below,
# with the end-to-end test's X helpers that its check runs beside it under
# qemu-aarch64 (its tests: scripts/test.sh --arm64).
cmake --preset arm64
cmake --build --preset arm64 --target rgbhsv_native icon_theme debian_docs bell_watch clipboard_keeper

# The release: made from a clean copy of the commit elsewhere, and again
# from the builds above, which must give the same bytes, signed with a key
# made for the run, and with uncommitted changes refused or left out; then
# each download used as its user would use it (the zip's program under
# Wine, the Debian package installed, used and removed, the web archive
# served in Chromium; the arm64 package under qemu-aarch64).
scripts/check-reproducible.sh
tests/release_check.sh build/release
