#!/usr/bin/env bash
# Runs a Windows program under Wine in the given prefix; its exit code is
# the program's.
set -euo pipefail
prefix="$1"
shift
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
status=0
timeout 120 wine "$@" || status=$?
exit "$status"
