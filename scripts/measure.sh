#!/usr/bin/env bash
# Measures the figures in docs/measurements.md, each against a minimal
# program of the same kind built and run the same way, in the same run:
#  - sizes of the executables;
#  - rgbhsv.exe under Wine with a prefix already made: start of the process
#    to the dialog showing white, and one keystroke to the other group
#    updated (measured inside Wine, against bench/baseline_dialog.cpp);
#  - the native program: start to showing white, resident memory then, and
#    one keystroke to the other group updated (measured from outside on the
#    X display with openbox, against bench/minimal_gtk_window.cpp), and the
#    start of the program as built at eb7dadc, before the Linux user's work;
#  - the first start of rgbhsv.exe under Wine on a new prefix, as a user's
#    first start is (against the minimal dialog's, each on a new prefix).
#  - with --web, only the web page, in headless Chromium, against a minimal
#    Emscripten page with one field (bench/minimal_web_page.cpp) built the
#    same way: bytes transferred (gzip -9) of the page, the script and the
#    module; loads to the dialog showing white, on a first visit (nothing
#    cached) and on a repeat visit; one keystroke to the other group written.
#
#   scripts/measure.sh         the native and Windows figures
#   scripts/measure.sh --web   the web page's
set -euo pipefail
source "$(dirname "$0")/script-start.sh"
case "$*" in
  ""|--web) ;;
  *) bad_usage "unknown arguments: $*" ;;
esac
cd "$(dirname "$0")/.."

if [ "${1:-}" = "--web" ]; then
  source scripts/packages.sh
  scripts/ensure-packages.sh "${WEB_PACKAGES[@]}" "${CHROMIUM_PACKAGES[@]}"
  # The minimal page is a benchmark; the tests are not needed.
  cmake --preset web -DRGBHSV_TESTS=OFF >/dev/null
  cmake --build --preset web --target rgbhsv_web minimal_web_page >/dev/null
  gz() { cat "$@" | gzip -9 | wc -c; }
  loads=${LOADS:-15} keys=${KEYSTROKES:-40}
  read -r _ page_load _ page_repeat _ page_key <<<"$(/usr/bin/python3 bench/web_latency.py build/web/site \
    "Array.from(document.querySelectorAll('.client input')).map((f) => f.value).join(',') === '255,255,255,0,0,255' && !document.querySelector('.window').hidden" \
    "input[data-id='1003']" "$loads" "$keys")"
  read -r _ minimal_load _ minimal_repeat _ minimal_key <<<"$(/usr/bin/python3 bench/web_latency.py build/web/minimal-site \
    "document.querySelectorAll('#desktop input').length === 2" "#desktop input" "$loads" "$keys")"
  if [ -z "$page_load" ] || [ -z "$minimal_load" ]; then
    echo "measure.sh: no web figures (see above)" >&2
    exit 1
  fi
  echo "web page, bytes transferred (gzip): page $(gz build/web/site/{index.html,style.css,favicon.ico,manifest.webmanifest,sw.js})," \
       "script $(gz build/web/site/rgbhsv.js), module $(gz build/web/site/rgbhsv.wasm); minimal page" \
       "$(gz build/web/minimal-site/index.html), $(gz build/web/minimal-site/minimal_web_page.js), $(gz build/web/minimal-site/minimal_web_page.wasm)"
  awk -v a="$page_load" -v b="$minimal_load" 'BEGIN { printf "web, load to dialog showing white: %s ms, minimal page %s ms, ratio %.2f\n", a, b, a / b }'
  awk -v a="$page_repeat" -v b="$minimal_repeat" 'BEGIN { printf "web, repeat visit, load to dialog showing white: %s ms, minimal page %s ms, ratio %.2f\n", a, b, a / b }'
  awk -v a="$page_key" -v b="$minimal_key" 'BEGIN { printf "web, keystroke to other group written: %s ms, minimal page %s ms, ratio %.2f\n", a, b, a / b }'
  echo "(medians of $loads loads and $keys keystrokes; $(chromium --version 2>/dev/null))"
  exit 0
fi

source scripts/wine-env.sh
source scripts/native-env.sh
scripts/ensure-packages.sh "${WINDOWS_PACKAGES[@]}" "${WINE_PACKAGES[@]}" "${NATIVE_PACKAGES[@]}" \
  "${SHOT_PACKAGES[@]}" "${TEST_BUILD_PACKAGES[@]}"
cmake --preset windows >/dev/null
cmake --build --preset windows --target rgbhsv baseline_dialog wine_latency >/dev/null
cmake --preset native >/dev/null
cmake --build --preset native --target rgbhsv_native x11_latency minimal_gtk_window >/dev/null

# The native program as it was before the Linux user's work (accessibility,
# the display's resolution, the clipboard), built the same way, for the
# start's history.
earlier_commit=eb7dadc
earlier_source=build/measure-$earlier_commit
if [ ! -x "$earlier_source/build/native/rgbhsv" ]; then
  rm -rf "$earlier_source"
  mkdir -p "$earlier_source"
  git archive "$earlier_commit" | tar -x -C "$earlier_source"
  (cd "$earlier_source" && cmake --preset native >/dev/null && cmake --build --preset native --target rgbhsv_native >/dev/null)
fi
earlier=$earlier_source/build/native/rgbhsv

program=build/windows/rgbhsv.exe
baseline=build/windows/bench/baseline_dialog.exe
latency=build/windows/bench/wine_latency.exe
native=build/native/rgbhsv
minimal=build/native/bench/minimal_gtk_window
starts=${STARTS:-10}
keys=${KEYSTROKES:-40}
firsts=${FIRST_STARTS:-3}

ratio() { awk -v a="$2" -v b="$3" -v what="$1" -v unit="$4" -v base="$5" \
  'BEGIN { printf "%s: %s %s, %s %s %s, ratio %.2f\n", what, a, unit, base, b, unit, a / b }'; }

# The first starts' new prefixes are made in a folder of the run's own;
# interrupted or not, their Wine servers are stopped and the folder removed.
scratch=$(mktemp -d)
cleanup() {
  local prefix
  for prefix in "$scratch"/*/prefix "$PWD/build/wine-measure"; do
    [ -d "$prefix" ] && { WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; }
  done
  rm -rf "$scratch"
}
trap cleanup EXIT

# Under Wine, with a prefix made once.
wine_prefix "$PWD/build/wine-measure" --fresh --desktop 1024x768 >/dev/null
measure_wine() {  # exe title ready-text -> "start_ms N keystroke_ms N"
  xvfb-run -a -s "-screen 0 1024x768x24" wine "$latency" "$PWD/$1" "$2" "$3" "$starts" "$keys" 2>/dev/null | tr -d '\r'
}
read -r _ wine_start _ wine_key <<<"$(measure_wine "$program" "RGB <-> HSV" 0)"
read -r _ base_start _ base_key <<<"$(measure_wine "$baseline" "Baseline" 255)"

# Natively, and Wine's first starts, from outside on one X display. The
# ready point is inside the red field (the minimal programs have a field
# there too); the keystroke's effect is watched on the HSV fields (on the
# minimal GTK window, on its one field).
# shellcheck disable=SC2016  # expanded by the inner shell
outside=$(xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  source scripts/x-session.sh
  start_openbox
  wait_for 20 wm_running || { echo "openbox did not start" >&2; exit 1; }
  x11=build/native/bench/x11_latency
  # The starts taken in turns, one of each program a round, so that what
  # else the machine does at a moment weighs on all three alike; then the
  # memory and the keystrokes, on one start of each.
  native() { $x11 "RGB <-> HSV" "$1" "$2" 124 34 83 76 142 23 -- "$3"; }
  minimal() { $x11 "Baseline" "$1" "$2" 124 34 83 23 47 23 -- "$3"; }
  for _ in $(seq "$1"); do
    echo start native $(native 1 0 "$3")
    echo start minimal $(minimal 1 0 "$4")
    echo start earlier $(native 1 0 "$9")
  done
  echo native $(native 1 "$2" "$3")
  echo minimal $(minimal 1 "$2" "$4")
  first() {  # title exe -> the median of first starts, each on a new prefix
    for i in $(seq "$5"); do
      prefix=$(mktemp -d -p "$8")/prefix
      $x11 "$1" 1 0 124 34 0 0 0 0 -- env WINEPREFIX="$prefix" WINEDEBUG=-all \
        WINEDLLOVERRIDES="mscoree,mshtml=" wine "$2" 2>/dev/null | awk "{print \$2}"
      WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
      rm -rf "$(dirname "$prefix")"
    done | sort -n | awk "{ v[NR] = \$1 } END { print v[int((NR + 1) / 2)] }"
  }
  echo first $(first "RGB <-> HSV" "$PWD/$5" "" "" "$7") $(first "Baseline" "$PWD/$6" "" "" "$7")
' _ "$starts" "$keys" "$native" "$minimal" "$program" "$baseline" "$firsts" "$scratch" "$earlier")
median_start() {
  awk -v who="$1" '$1 == "start" && $2 == who { print $4 }' <<<"$outside" | sort -n |
    awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)] }'
}
native_start=$(median_start native)
minimal_start=$(median_start minimal)
earlier_start=$(median_start earlier)
read -r _ _ _ _ native_rss _ native_key <<<"$(grep '^native' <<<"$outside")"
read -r _ _ _ _ minimal_rss _ minimal_key <<<"$(grep '^minimal' <<<"$outside")"
read -r _ first_program first_baseline <<<"$(grep '^first' <<<"$outside")"
for figure in wine_start base_start native_start minimal_start earlier_start first_program first_baseline; do
  [ -n "${!figure}" ] || { echo "measure.sh: no figure for $figure (see the message above)" >&2; exit 1; }
done

echo "rgbhsv.exe: $(stat -c %s "$program") bytes (minimal dialog program: $(stat -c %s "$baseline") bytes)"
echo "native rgbhsv: $(stat -c %s "$native") bytes (minimal GTK window: $(stat -c %s "$minimal") bytes)"
ratio "Wine, start to dialog showing white" "$wine_start" "$base_start" ms "minimal dialog"
ratio "Wine, keystroke to other group updated" "$wine_key" "$base_key" ms "minimal dialog"
ratio "Wine on a new prefix, first start to dialog showing white" "$first_program" "$first_baseline" ms "minimal dialog"
ratio "native, start to dialog showing white" "$native_start" "$minimal_start" ms "minimal GTK window"
ratio "native at $earlier_commit, start to dialog showing white" "$earlier_start" "$minimal_start" ms "minimal GTK window"
ratio "native, resident memory" "$native_rss" "$minimal_rss" kB "minimal GTK window"
ratio "native, keystroke to other group updated" "$native_key" "$minimal_key" ms "minimal GTK window"
echo "(medians of $starts starts, $keys keystrokes and $firsts first starts; $(wine --version 2>/dev/null | tr -d '\r'), GTK $(pkg-config --modversion gtk+-3.0))"
