#!/usr/bin/env bash
# Builds and runs every test: installs what is missing first, so that it
# passes on a fresh Debian or Ubuntu machine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh cmake make g++ libgtest-dev libbenchmark-dev \
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64

# Native: the conversion, the dialog over the stand-in, and their tests.
cmake --preset native
cmake --build --preset native
ctest --preset native

# Windows: the same dialog and conversion sources against the real Win32
# headers, warnings as errors.
cmake --preset windows
cmake --build --preset windows
