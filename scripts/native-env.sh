# shellcheck shell=bash
# Sourced by the scripts that build, show and measure the native Linux
# program: the packages it takes, and how it is built.
# shellcheck disable=SC2034  # the sourcing scripts read them
NATIVE_PACKAGES=(cmake make g++ pkg-config libgtk-3-dev fonts-liberation binutils-mingw-w64-x86-64
                 libgtest-dev libbenchmark-dev)
# To photograph or test it in a virtual display.
SHOT_PACKAGES=(xvfb xauth openbox xdotool x11-utils imagemagick)

build_native() {
  cmake --preset native >/dev/null
  cmake --build --preset native --target rgbhsv_native
}
