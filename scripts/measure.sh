#!/usr/bin/env bash
# Measures the figures in docs/measurements.md, each program against a floor
# (the same controls made directly, no conversion: bench/same_template_dialog.cpp
# under Wine, bench/same_widgets_gtk.cpp natively) and a minimal program of
# its kind (one field), built and run the same way, in the same run:
#  - sizes of the executables;
#  - rgbhsv.exe under Wine with a prefix already made: start of the process
#    to the dialog showing white (and to its window made, and shown), and
#    one keystroke to the other group updated (timed inside Wine);
#  - the native program: start to showing white, resident memory then, and
#    one keystroke to the other group updated (timed from outside on the X
#    display with openbox), the start of the program as built at eb7dadc,
#    before the Linux user's work, and the instructions each start executes
#    to showing white (valgrind's callgrind), which the machine's load does
#    not move;
#  - the first start of rgbhsv.exe under Wine on a new prefix, as a user's
#    first start is (against the minimal dialog's, each on a new prefix).
#  Starts and keystrokes are taken in rounds, one start of each program a
#  round; each figure is the median of the rounds, with the lowest and the
#  highest (ROUNDS=10, KEYSTROKES=20 a round, FIRST_STARTS=3).
#  - with --web, only the web page, in headless Chromium, against a minimal
#    Emscripten page with one field (bench/minimal_web_page.cpp) built the
#    same way: bytes transferred (each file gzip -9); loads to the dialog
#    showing white (drawn), and to a 6 typed into the first field as soon
#    as it exists shown converted (interactive), on a first visit (nothing
#    cached) and on a repeat visit, the two pages in turns (LOADS=15 of
#    each), and each load's phases (the
#    HTML, the script and the module in, the module instantiated, the dialog
#    showing white); one keystroke to the other group written
#    (KEYSTROKES=40); and both under Lighthouse's
#    mobile throttling (first and largest contentful paint, total blocking
#    time; LIGHTHOUSE_RUNS=3).
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
  # The two pages in turns, one load of each a round.
  web=$(/usr/bin/python3 bench/web_latency.py "$loads" "$keys" \
    build/web/site "Array.from(document.querySelectorAll('.client input')).map((f) => f.value).join(',') === '255,255,255,0,0,255' && !document.querySelector('.window').hidden" \
    "input[data-id='1003']" \
    "Array.from(document.querySelectorAll('.client input')).map((f) => f.value).join(',') === '6,255,255,128,249,255'" \
    build/web/minimal-site "document.querySelectorAll('#desktop input').length === 2" "#desktop input" \
    "document.querySelectorAll('#desktop input')[1].value === '6'")
  # One figure of both pages, "median lowest highest": web_figure FIELD
  web_figure() {
    awk -v field="$1" '$2 == "load_ms" { for (i = 2; i < NF; i++) if ($i == field) print $1, $(i + 1), $(i + 2), $(i + 3) }' <<<"$web"
  }
  web_compare() {  # WHAT FIELD UNIT
    web_figure "$2" | awk -v what="$1" -v unit="$3" '$1 == "site" { a = $2; al = $3; ah = $4 }
      $1 == "minimal-site" { b = $2; bl = $3; bh = $4 }
      END { if (a == "" || b == "") exit 1
            printf "%s: %s %s (%s to %s), minimal page %s %s (%s to %s), ratio %.2f\n", what, a, unit, al, ah, b, unit, bl, bh, a / b }'
  }
  if ! web_compare "web, load to dialog showing white" load_ms ms >/dev/null; then
    echo "measure.sh: no web figures (see above)" >&2
    exit 1
  fi
  # What a first visit fetches, each file compressed on its own as a server
  # sends it: the page's goal is 40,960 bytes in all.
  each() {
    local total=0 file size
    for file in "$@"; do
      size=$(gz "$file")
      total=$((total + size))
      printf '%s %s, ' "$(basename "$file")" "$size"
    done
    echo "total $total"
  }
  echo "web page, bytes transferred (each gzip -9): $(each build/web/site/{index.html,rgbhsv.js,rgbhsv.wasm,manifest.webmanifest,sw.js,favicon.ico})"
  echo "minimal page, bytes transferred (each gzip -9): $(each build/web/minimal-site/{index.html,minimal_web_page.js,minimal_web_page.wasm})"
  web_compare "web, load to dialog showing white (drawn)" load_ms ms
  web_compare "web, repeat visit, load to dialog showing white (drawn)" repeat_load_ms ms
  web_compare "web, load to a 6 typed at once shown converted (interactive)" interactive_ms ms
  web_compare "web, repeat visit, load to a 6 typed at once shown converted (interactive)" repeat_interactive_ms ms
  web_compare "web, keystroke to other group written" keystroke_ms ms
  # Where a load's time goes: each phase's end, in ms from the navigation's
  # start (the HTML, the script and the module in, the module instantiated,
  # the dialog showing white).
  awk '$2 == "first" || $2 == "repeat" { who = ($1 == "site" ? "page" : "minimal page")
    printf "web, %s visit, phases, %s:", $2, who; for (i = 3; i < NF; i += 2) printf " %s %s", $i, $(i + 1); print "" }' <<<"$web"
  echo "(medians, lowest and highest of $loads loads of each in turns and $keys keystrokes; $(chromium --version 2>/dev/null))"
  # Under Lighthouse's mobile throttling, the two pages side by side.
  scripts/ensure-npm-packages.sh
  runs=${LIGHTHOUSE_RUNS:-3}
  /usr/bin/python3 bench/lighthouse_compare.py build/web/site build/web/minimal-site "$runs" |
    while read -r metric page minimal; do
      awk -v m="$metric" -v a="$page" -v b="$minimal" 'BEGIN { printf "web, Lighthouse mobile, %s: %s, minimal page %s, ratio %s\n", m, a, b, (b > 0 ? sprintf("%.2f", a / b) : "-") }'
    done
  echo "(medians of $runs Lighthouse runs of each, in turns)"
  exit 0
fi

source scripts/wine-env.sh
source scripts/native-env.sh
scripts/ensure-packages.sh "${WINDOWS_PACKAGES[@]}" "${WINE_PACKAGES[@]}" "${NATIVE_PACKAGES[@]}" \
  "${SHOT_PACKAGES[@]}" "${TEST_BUILD_PACKAGES[@]}" valgrind
cmake --preset windows >/dev/null
cmake --build --preset windows --target rgbhsv same_template_dialog baseline_dialog wine_latency >/dev/null
cmake --preset native >/dev/null
cmake --build --preset native --target rgbhsv_native x11_latency same_widgets_gtk minimal_gtk_window >/dev/null

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
floor_exe=build/windows/bench/same_template_dialog.exe
baseline=build/windows/bench/baseline_dialog.exe
latency=build/windows/bench/wine_latency.exe
native=build/native/rgbhsv
floor=build/native/bench/same_widgets_gtk
minimal=build/native/bench/minimal_gtk_window
rounds=${ROUNDS:-10}
keys=${KEYSTROKES:-20}
firsts=${FIRST_STARTS:-3}

# The median of the numbers read, and the lowest and the highest.
spread() { sort -n | awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)], v[1], v[NR] }'; }
# One figure of a program against its floor and its minimal program, each
# "median lowest highest": compare WHAT UNIT PROGRAM FLOOR MINIMAL FLOOR_NAME MINIMAL_NAME
compare() {
  awk -v what="$1" -v unit="$2" -v a="$3" -v b="$4" -v c="$5" -v bn="$6" -v cn="$7" 'BEGIN {
    split(a, x, " "); split(b, y, " "); split(c, z, " ")
    printf "%s: %s %s (%s to %s); %s %s (%s to %s), ratio %.2f; %s %s (%s to %s), ratio %.2f\n",
      what, x[1], unit, x[2], x[3], bn, y[1], y[2], y[3], x[1] / y[1], cn, z[1], z[2], z[3], x[1] / z[1] }'
}

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

# Under Wine, with a prefix made once, timed inside Wine: in rounds, one
# start of each program a round (with its keystrokes), so that what else
# the machine does at a moment weighs on all three alike.
wine_prefix "$PWD/build/wine-measure" --fresh --desktop 1024x768 >/dev/null
# shellcheck disable=SC2016  # expanded by the inner shell
inside=$(xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  # A first round not counted: what the first start of any program pays
  # once (the libraries into memory) is not one program'"'"'s.
  for round in $(seq 0 "$1"); do
    [ "$round" -gt 0 ] || exec 3>/dev/null
    [ "$round" -eq 0 ] || exec 3>&1
    echo >&3 program $(wine "$2" "$PWD/$3" "RGB <-> HSV" 0 1 "$6" 2>/dev/null | tr -d "\r")
    echo >&3 floor $(wine "$2" "$PWD/$4" "RGB <-> HSV" 0 1 "$6" 2>/dev/null | tr -d "\r")
    echo >&3 minimal $(wine "$2" "$PWD/$5" "Baseline" 255 1 "$6" 2>/dev/null | tr -d "\r")
  done' _ "$rounds" "$latency" "$program" "$floor_exe" "$baseline" "$keys")
# One program's figure over the rounds, "median lowest highest", from lines
# "WHO name value name value ...".
figure_in() {  # lines who field
  awk -v who="$2" -v field="$3" '$1 == who { for (i = 2; i < NF; i++) if ($i == field) print $(i + 1) }' \
    <<<"$1" | spread
}
wine_figure() { figure_in "$inside" "$@"; }

# Natively, and Wine's first starts, from outside on one X display. The
# ready point is inside the red field (the floor and the minimal program
# have a field there too); the keystroke's effect is watched on the HSV
# fields (on the minimal GTK window, on its one field). Then each start
# once more under callgrind, for the instructions it executes, which the
# machine's load does not move.
# shellcheck disable=SC2016  # expanded by the inner shell
outside=$(xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  rounds=$1 keys=$2 native=$3 floor=$4 minimal=$5 program=$6 firsts=$7 scratch=$8 earlier=$9 baseline=${10}
  source scripts/x-session.sh
  start_openbox || { echo "openbox did not start" >&2; exit 1; }
  x11=build/native/bench/x11_latency
  timed() { $x11 "$1" 1 "$2" 124 34 $3 -- "${@:4}"; }
  # Not counted: the first GTK program on a display pays for GDK'"'"'s check
  # of the GL visuals, which it then keeps on the display for the others.
  timed "Baseline" 0 "0 0 0 0" "$minimal" >/dev/null
  for _ in $(seq "$rounds"); do
    echo native $(timed "RGB <-> HSV" "$keys" "83 76 142 23" "$native")
    echo floor $(timed "Floor" "$keys" "83 76 142 23" "$floor")
    echo minimal $(timed "Baseline" "$keys" "83 23 47 23" "$minimal")
    echo earlier $(timed "RGB <-> HSV" 0 "0 0 0 0" "$earlier")
  done
  counted() {  # who title program -> instructions executed to showing white
    $x11 "$2" 1 0 124 34 0 0 0 0 -- valgrind --tool=callgrind --callgrind-out-file="$scratch/callgrind.$1" "$3" \
      >/dev/null 2>&1 || return 0
    echo instructions "$1" $(awk "/^(summary|totals):/ { print \$2; exit }" "$scratch/callgrind.$1")
  }
  counted native "RGB <-> HSV" "$native"
  counted floor Floor "$floor"
  counted minimal Baseline "$minimal"
  first() {  # title exe -> the median of first starts, each on a new prefix
    for _ in $(seq "$firsts"); do
      prefix=$(mktemp -d -p "$scratch")/prefix
      $x11 "$1" 1 0 124 34 0 0 0 0 -- env WINEPREFIX="$prefix" WINEDEBUG=-all \
        WINEDLLOVERRIDES="mscoree,mshtml=" wine "$2" 2>/dev/null | awk "{print \$2}"
      WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
      rm -rf "$(dirname "$prefix")"
    done | sort -n | awk "{ v[NR] = \$1 } END { print v[int((NR + 1) / 2)] }"
  }
  echo first $(first "RGB <-> HSV" "$PWD/$program") $(first "Baseline" "$PWD/$baseline")
' _ "$rounds" "$keys" "$native" "$floor" "$minimal" "$program" "$firsts" "$scratch" "$earlier" "$baseline")
native_figure() { figure_in "$outside" "$@"; }
instructions() { awk -v who="$1" '$1 == "instructions" && $2 == who { print $3 }' <<<"$outside"; }
read -r _ first_program first_baseline <<<"$(grep '^first' <<<"$outside")"
for figure in first_program first_baseline; do
  [ -n "${!figure}" ] || { echo "measure.sh: no figure for $figure (see the message above)" >&2; exit 1; }
done
for who in program floor minimal; do
  [ -n "$(wine_figure "$who" start_ms)" ] || { echo "measure.sh: no Wine figures for the $who" >&2; exit 1; }
done
for who in native floor minimal earlier; do
  [ -n "$(native_figure "$who" start_ms)" ] || { echo "measure.sh: no native figures for the $who" >&2; exit 1; }
done

echo "rgbhsv.exe: $(stat -c %s "$program") bytes (same-template floor: $(stat -c %s "$floor_exe") bytes," \
     "minimal dialog program: $(stat -c %s "$baseline") bytes)"
echo "native rgbhsv: $(stat -c %s "$native") bytes (same-widgets floor: $(stat -c %s "$floor") bytes," \
     "minimal GTK window: $(stat -c %s "$minimal") bytes)"
compare "Wine, start to dialog showing white" ms "$(wine_figure program start_ms)" \
  "$(wine_figure floor start_ms)" "$(wine_figure minimal start_ms)" "same-template floor" "minimal dialog"
compare "Wine, keystroke to other group updated" ms "$(wine_figure program keystroke_ms)" \
  "$(wine_figure floor keystroke_ms)" "$(wine_figure minimal keystroke_ms)" "same-template floor" "minimal dialog"
# Where a Wine start goes: the dialog's window made (the process started,
# its DLLs loaded, the dialog's window created), then shown (its controls
# made, its initialisation done), then showing white.
compare "Wine, start to the dialog's window made" ms "$(wine_figure program made_ms)" \
  "$(wine_figure floor made_ms)" "$(wine_figure minimal made_ms)" "same-template floor" "minimal dialog"
compare "Wine, start to the dialog shown" ms "$(wine_figure program shown_ms)" \
  "$(wine_figure floor shown_ms)" "$(wine_figure minimal shown_ms)" "same-template floor" "minimal dialog"
awk -v a="$first_program" -v b="$first_baseline" \
  'BEGIN { printf "Wine on a new prefix, first start to dialog showing white: %s ms, minimal dialog %s ms, ratio %.2f\n", a, b, a / b }'
compare "native, start to dialog showing white" ms "$(native_figure native start_ms)" \
  "$(native_figure floor start_ms)" "$(native_figure minimal start_ms)" "same-widgets floor" "minimal GTK window"
compare "native at $earlier_commit, start to dialog showing white" ms "$(native_figure earlier start_ms)" \
  "$(native_figure floor start_ms)" "$(native_figure minimal start_ms)" "same-widgets floor" "minimal GTK window"
compare "native, resident memory" kB "$(native_figure native rss_kb)" \
  "$(native_figure floor rss_kb)" "$(native_figure minimal rss_kb)" "same-widgets floor" "minimal GTK window"
compare "native, keystroke to other group updated" ms "$(native_figure native keystroke_ms)" \
  "$(native_figure floor keystroke_ms)" "$(native_figure minimal keystroke_ms)" "same-widgets floor" "minimal GTK window"
if [ -n "$(instructions native)" ] && [ -n "$(instructions floor)" ] && [ -n "$(instructions minimal)" ]; then
  awk -v a="$(instructions native)" -v b="$(instructions floor)" -v c="$(instructions minimal)" 'BEGIN {
    printf "native, instructions to dialog showing white (callgrind): %d; same-widgets floor %d, ratio %.3f; minimal GTK window %d, ratio %.3f\n", a, b, a / b, c, a / c }'
else
  echo "native, instructions to dialog showing white: not counted (callgrind failed)"
fi
echo "(medians of $rounds rounds, with the lowest and highest, one start of each program a round and $keys" \
     "keystrokes; $firsts first starts; $(wine --version 2>/dev/null | tr -d '\r'), GTK $(pkg-config --modversion gtk+-3.0))"
