# shellcheck shell=bash
# Sourced by the scripts that build, show and measure the native Linux
# program: how it is built.
source "$(dirname "${BASH_SOURCE[0]}")/packages.sh"

# The program alone, with the files `cmake --install` installs beside it
# (its icons, manual page and package documents).
build_native() {
  cmake --preset native "${PROGRAM_ONLY[@]}" >/dev/null
  cmake --build --preset native --target rgbhsv_native icon_theme debian_docs
}
