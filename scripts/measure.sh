#!/usr/bin/env bash
# Measures the figures in the README: the executable's size, and under Wine
# the time from starting the process to the dialog showing white and from
# one keystroke to the other group updated, each against a minimal dialog
# program built and run the same way, in the same run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-env.sh
scripts/ensure-packages.sh "${WINE_PACKAGES[@]}"
cmake --preset windows >/dev/null
cmake --build --preset windows >/dev/null

wine_prefix "$PWD/build/wine-measure" --fresh --desktop 1024x768 >/dev/null
program=build/windows/rgbhsv.exe
baseline=build/windows/bench/baseline_dialog.exe
latency=build/windows/bench/wine_latency.exe
starts=${STARTS:-10}
keys=${KEYSTROKES:-40}

measure() {  # exe title ready-text -> "start_ms N keystroke_ms N"
  xvfb-run -a -s "-screen 0 1024x768x24" wine "$latency" "$PWD/$1" "$2" "$3" "$starts" "$keys" 2>/dev/null | tr -d '\r'
}
ours=$(measure "$program" "RGB <-> HSV" 0)
base=$(measure "$baseline" "Baseline" 255)
read -r _ ours_start _ ours_key <<<"$ours"
read -r _ base_start _ base_key <<<"$base"

echo "rgbhsv.exe: $(stat -c %s "$program") bytes (minimal dialog program: $(stat -c %s "$baseline") bytes)"
awk -v a="$ours_start" -v b="$base_start" \
  'BEGIN { printf "start to dialog showing white: %s ms, minimal dialog %s ms, ratio %.2f\n", a, b, a / b }'
awk -v a="$ours_key" -v b="$base_key" \
  'BEGIN { printf "keystroke to other group updated: %s ms, minimal dialog %s ms, ratio %.2f\n", a, b, a / b }'
echo "(medians of $starts starts and $keys keystrokes, Wine $(wine --version 2>/dev/null | tr -d '\r'))"
