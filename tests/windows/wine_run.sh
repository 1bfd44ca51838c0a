#!/usr/bin/env bash
# Runs a Windows program under Wine in the given prefix; its exit code is
# the program's.
set -euo pipefail
source "$(dirname "$0")/../../scripts/wine-env.sh"
wine_use "$1"
shift
status=0
timeout 120 wine "$@" || status=$?
exit "$status"
