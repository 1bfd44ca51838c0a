#!/usr/bin/env bash
# Runs a command on the current X display as on a desktop: with a session
# bus (AT-SPI, which a screen reader and the random user read the GTK
# program through) and a window manager (openbox); its exit code is the
# command's.
#
#   desktop.sh COMMAND...
set -euo pipefail
if [ -z "${RGBHSV_SESSION_BUS:-}" ]; then
  exec env RGBHSV_SESSION_BUS=1 dbus-run-session -- "$0" "$@"
fi
source "$(dirname "$0")/../../scripts/x-session.sh"
start_openbox || { echo "openbox did not start" >&2; exit 1; }
trap 'kill "$wm_pid" 2>/dev/null || true' EXIT
status=0
"$@" || status=$?
exit "$status"
