#!/usr/bin/env bash
# Makes the Debian package of the native program from the native build, and
# says where it is: build/native/rgbhsv_VERSION_ARCH.deb.
#
#   scripts/package.sh
set -euo pipefail
source "$(dirname "$0")/script-start.sh"
[ $# -eq 0 ] || bad_usage "unknown argument: $1"
cd "$(dirname "$0")/.."
source scripts/native-env.sh
scripts/ensure-packages.sh "${NATIVE_PACKAGES[@]}" "${RELEASE_PACKAGES[@]}"
build_native >/dev/null
cd build/native
rm -f rgbhsv_*.deb
cpack -G DEB >/dev/null
echo "build/native/$(ls rgbhsv_*.deb)"
