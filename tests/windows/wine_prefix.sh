#!/usr/bin/env bash
# Makes this test run's own Wine prefix, anew: booted once, with a virtual
# desktop so that Wine draws window frames itself (there is no window
# manager in the virtual X display), and without the Mono and Gecko installs.
set -euo pipefail
prefix="$1"
rm -rf "$prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot -i
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null
wineserver -w
