# shellcheck shell=bash
# Every package the scripts install, one list per purpose, in one place:
# each script hands the lists of what it does to scripts/ensure-packages.sh.
# shellcheck disable=SC2034  # the sourcing scripts read them

# CMake's presets, with Make.
BUILD_PACKAGES=(cmake make)
# windres compiles the dialog template that every program carries (the
# native program and the page read it as data). It preprocesses the script
# with the MinGW-w64 C compiler, whose headers define the template's names:
# without that compiler it falls back to the host's gcc, which does not
# search those headers.
RESOURCE_PACKAGES=(binutils-mingw-w64-x86-64 gcc-mingw-w64-x86-64-posix)
# The native Linux program over GTK 3 (zlib for the icon's generator), and
# the font its dialog is laid out in.
NATIVE_PACKAGES=("${BUILD_PACKAGES[@]}" "${RESOURCE_PACKAGES[@]}" g++ pkg-config libgtk-3-dev zlib1g-dev
                 fonts-liberation)
# rgbhsv.exe, cross-built.
WINDOWS_PACKAGES=("${BUILD_PACKAGES[@]}" g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)
# Running it under Wine, in a virtual X display when there is none.
WINE_PACKAGES=(wine64 wine xvfb xauth)
# The web page, built with Emscripten.
WEB_PACKAGES=("${BUILD_PACKAGES[@]}" "${RESOURCE_PACKAGES[@]}" emscripten)
# The page in headless Chromium, driven by Selenium.
CHROMIUM_PACKAGES=(chromium chromium-driver python3-selenium)
# Photographing or driving the native program in a virtual X display.
SHOT_PACKAGES=(xvfb xauth openbox xdotool x11-utils imagemagick)
# What a preset's tests and benchmarks take to configure and build: the
# native GoogleTest, its sources (cross-built for Windows and the web),
# Google Benchmark, XTest for the native timings, and a host compiler for
# the random user's oracle. The Windows preset's tests also need Wine.
TEST_BUILD_PACKAGES=(libgtest-dev googletest libbenchmark-dev libxtst-dev g++)
# The Linux program for 64-bit ARM, cross-built: the cross compiler, GTK
# and the tests' libraries for arm64 beside the machine's own (dpkg's
# multiarch), and qemu-aarch64 to run what is built.
ARM64_PACKAGES=(crossbuild-essential-arm64 qemu-user libgtk-3-dev:arm64 libgtest-dev:arm64 zlib1g-dev:arm64)
# Making the Debian package and the release: CPack finds the program's
# libraries with file and dpkg-shlibdeps (dpkg-dev); then the zip.
RELEASE_PACKAGES=(dpkg-dev file zip)

# A build of a program alone configures its preset without the tests and
# benchmarks, so that it needs none of their packages. The presets set both
# on again, so the next `cmake --preset` configures the folder in full.
PROGRAM_ONLY=(-DRGBHSV_TESTS=OFF -DRGBHSV_BENCHMARKS=OFF)
