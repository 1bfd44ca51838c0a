#!/usr/bin/env bash
# Runs a link of the page's program, and fails it where a name in the
# Asyncify list (platform/web/waiting_functions.txt) matches no function of
# the module: Binaryen only warns, and a function missing from the list
# shows only when the program waits with it on the stack (the chooser).
set -uo pipefail
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
status=0
"$@" 2>"$log" || status=$?
cat "$log" >&2
unmatched="$(grep -oE 'list contained a non-(matching pattern|existing function name): .*' "$log")"
if [ "$status" -eq 0 ] && [ -n "$unmatched" ]; then
  echo "asyncify_link.sh: a name in platform/web/waiting_functions.txt names no function of the program:" >&2
  printf '  %s\n' "${unmatched#*: }" >&2
  exit 1
fi
exit "$status"
