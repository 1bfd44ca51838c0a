#!/usr/bin/env bash
# End-to-end tests of the native program, as a user would use it: in a
# virtual X display with a small window manager (openbox), keys and clicks
# from xdotool, the fields read by tabbing into each and copying its text to
# the clipboard (xclip), the swatch read off the screen (ImageMagick), the
# bell heard by bell_watch. Run inside xvfb-run:
#
#   e2e.sh PROGRAM BELL_WATCH SCENARIO
#
# Every wait is for a condition, with a time limit that fails the test.
set -euo pipefail
program=$1 bell_watch=$2 scenario=$3

work=$(mktemp -d)
home=$work/home
mkdir "$home"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "$scenario: FAILED: $*" >&2
  exit 1
}

source "$(dirname "$0")/../../scripts/x-session.sh"

start_openbox
pids+=("$wm_pid")
wait_for 20 wm_running || fail "openbox did not start"

"$bell_watch" >"$work/bells" &
pids+=($!)
wait_for 10 grep -q listening "$work/bells" || fail "bell_watch did not start"
bells() { grep -c '^bell' "$work/bells" || true; }

# The program sees a home folder of its own, which must stay empty.
env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME -u XDG_STATE_HOME \
  HOME="$home" "$program" &
program_pid=$!
pids+=("$program_pid")

find_dialog || fail "no window \"RGB <-> HSV\" appeared"
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ]; }
wait_for 10 has_focus || fail "the window never got the keyboard focus"

key() { xdotool key --clearmodifiers "$@"; }
type_text() { xdotool type --delay 30 "$1"; }

expect_swatch() { wait_for 5 swatch_is "$1" || fail "swatch $(swatch), expected $1"; }

# The focused field's text, copied as a user would. An empty field copies
# nothing, which leaves the clipboard as empty as it was made first.
clipboard() { xclip -o -selection clipboard 2>/dev/null || true; }
copied() { [ -n "$(clipboard)" ]; }
focused_text() {
  printf '' | xclip -i -selection clipboard >/dev/null 2>&1
  key ctrl+c
  wait_for 1 copied || true
  clipboard
}

# With the focus on "Select...": Tab visits the six fields in order, each
# all selected, and comes back to "Select...".
read_fields() {
  local texts=() i
  for i in 1 2 3 4 5 6; do
    key Tab
    texts+=("$(focused_text)")
  done
  key Tab
  (IFS=,; echo "${texts[*]}")
}
expect_fields() {
  local shown
  shown=$(read_fields)
  [ "$shown" = "$1" ] || fail "fields $shown, expected $1"
}

# With the focus on "Select...": into field N (1 red .. 6 value), all of it
# selected, and back.
into_field() { key $(printf 'Tab %.0s' $(seq "$1")); }
back_from_field() { key $(printf 'Tab %.0s' $(seq $((7 - $1)))); }

program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }

finish() {
  wait_for 10 program_ended || fail "the program did not end"
  local status=0
  wait "$program_pid" || status=$?
  [ "$status" = 0 ] || fail "exit code $status"
  local written
  written=$(find "$home" -mindepth 1 | head -5)
  [ -z "$written" ] || fail "wrote under \$HOME: $written"
  echo "$scenario: passed"
}

chooser=""
find_chooser() { chooser=$(xdotool search --onlyvisible --name '^Color$' 2>/dev/null | head -1); [ -n "$chooser" ]; }
chooser_gone() { ! xdotool search --onlyvisible --name '^Color$' >/dev/null 2>&1; }

case "$scenario" in
  startup)
    expect_swatch '#FFFFFF'
    expect_fields "255,255,255,0,0,255"
    # Centered on the screen, 320 by 127 pixels, with the color wheel icon.
    width=$(xwininfo -id "$window" | awk '/Width:/ {print $2}')
    height=$(xwininfo -id "$window" | awk '/Height:/ {print $2}')
    [ "$width x $height" = "320 x 127" ] || fail "client area $width x $height, expected 320 x 127"
    dx=$((2 * client_x + width - 1024)) dy=$((2 * client_y + height - 768))
    [ "${dx#-}" -le 4 ] && [ "${dy#-}" -le 60 ] || fail "not centered: client at $client_x,$client_y"
    xprop -id "$window" _NET_WM_ICON | grep -q 'Icon (32 x 32)' || fail "no 32 x 32 icon"
    [ "$(bells)" = 0 ] || fail "bell at start-up"
    key Escape
    finish
    ;;
  typing)
    into_field 1
    key BackSpace
    type_text 30
    back_from_field 1
    expect_fields "30,255,255,128,225,255"
    expect_swatch '#1EFFFF'
    into_field 1
    type_text 300  # over the selection: 3, 30, 300, which becomes 255
    back_from_field 1
    expect_fields "255,255,255,0,0,255"
    [ "$(bells)" = 1 ] || fail "$(bells) bells after 300, expected 1"
    into_field 5
    type_text 999
    back_from_field 5
    into_field 4
    type_text 170
    key a  # refused: digits only
    back_from_field 4
    expect_fields "0,3,255,170,255,255"
    expect_swatch '#0003FF'
    [ "$(bells)" = 2 ] || fail "$(bells) bells after 999, expected 2"
    key Escape
    finish
    ;;
  emptying)
    into_field 2
    key BackSpace
    key Return  # Enter in a field changes nothing and closes nothing
    back_from_field 2
    expect_fields "255,,255,213,255,255"
    expect_swatch '#FF00FF'
    key Escape
    finish
    ;;
  chooser)
    into_field 3
    type_text 18
    back_from_field 3
    expect_fields "255,255,18,42,237,255"
    key space  # presses the focused "Select..."
    wait_for 10 find_chooser || fail "no chooser opened"
    key Escape
    wait_for 10 chooser_gone || fail "the chooser stayed open after Escape"
    expect_fields "255,255,18,42,237,255"
    key Return  # presses "Select..." again
    wait_for 10 find_chooser || fail "no chooser opened the second time"
    # Tab to the chooser's color name, the field that reads "#...".
    for _ in $(seq 20); do
      key Tab
      [[ "$(key ctrl+a; focused_text)" == '#'* ]] && break
    done
    type_text '#C86432'
    key Return  # takes the name
    key alt+s   # the chooser's "Select" button
    wait_for 10 chooser_gone || fail "the chooser stayed open after Select"
    expect_swatch '#C86432'
    expect_fields "200,100,50,15,192,200"
    key Escape
    finish
    ;;
  closebox)
    # The close box, at the right end of the window manager's title bar.
    xdotool mousemove "$((client_x + 320 - 10))" "$((client_y - 10))" click 1
    finish
    ;;
  *)
    fail "no such scenario"
    ;;
esac
