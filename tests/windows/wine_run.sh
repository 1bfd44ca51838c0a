#!/usr/bin/env bash
# Runs a Windows program under Wine in the given prefix; its exit code is
# the program's. Wine's own error messages are kept aside and shown, with
# the exit status, only when the run fails, so that a failure says why.
set -euo pipefail
source "$(dirname "$0")/../../scripts/wine-env.sh"
wine_use "$1"
shift
export WINEDEBUG=-all,err+all
# Each test has a server of its own: one still shutting down after the
# previous test can fail a program that starts against it, or end the
# next test's programs with it.
wineserver -w
errors="$(mktemp)"
trap 'rm -f "$errors"' EXIT
status=0
timeout 120 wine "$@" 2>"$errors" || status=$?
wineserver -w
wine_line='^[0-9a-f]{4}:(err|fixme|warn|trace):'
if [ "$status" -eq 0 ]; then
  grep -Ev "$wine_line" "$errors" >&2 || true
else
  cat "$errors" >&2
  echo "wine_run: $(basename "$1") exited with status $status$([ "$status" -eq 124 ] && echo ' (timed out)')" >&2
fi
exit "$status"
