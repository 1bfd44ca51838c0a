#!/usr/bin/env bash
# Builds and runs every test: installs what is missing first, so that it
# passes on a fresh Debian or Ubuntu machine.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
source scripts/native-env.sh

scripts/ensure-packages.sh clang libclang-rt-dev llvm googletest libx11-dev desktop-file-utils xclip \
  "${NATIVE_PACKAGES[@]}" "${SHOT_PACKAGES[@]}" "${WINE_PACKAGES[@]}"

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

# Windows: rgbhsv.exe cross-built from the same sources against the real
# Win32 headers, its image checked, and the end-to-end tests under Wine in a
# virtual X display; then a second build from a clean copy elsewhere, which
# must be the same file.
cmake --preset windows
cmake --build --preset windows
xvfb-run -a -s "-screen 0 1024x768x24" ctest --preset windows
scripts/check-reproducible.sh
