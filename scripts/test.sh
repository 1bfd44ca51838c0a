#!/usr/bin/env bash
# Builds and runs every test: installs what is missing first, so that it
# passes on a fresh Debian or Ubuntu machine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh cmake make g++ libgtest-dev libbenchmark-dev

cmake --preset native
cmake --build --preset native
ctest --preset native
