#!/usr/bin/env bash
# Makes this test run's own Wine prefix, anew, with a virtual desktop of the
# size of the virtual X display.
set -euo pipefail
source "$(dirname "$0")/../../scripts/wine-env.sh"
wine_prefix "$1" --fresh --desktop 1024x768
