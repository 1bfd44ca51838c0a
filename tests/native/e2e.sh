#!/usr/bin/env bash
# End-to-end tests of the native program, as a user would use it: in a
# virtual X display with a small window manager (openbox), keys and clicks
# from xdotool, the fields read by tabbing into each and copying its text to
# the clipboard (xclip), the swatch read off the screen (ImageMagick), the
# bell heard by bell_watch. Run inside xvfb-run:
#
#   e2e.sh PROGRAM BELL_WATCH SCENARIO [CLIPBOARD_KEEPER]
#
# Every wait is for a condition, with a time limit that fails the test. In
# a cross build the programs run under the build's emulator, named in
# RGBHSV_EMULATOR (qemu-aarch64 for arm64).
set -euo pipefail
program=$1 bell_watch=$2 scenario=$3 clipboard_keeper=${4:-}
read -ra emulator <<<"${RGBHSV_EMULATOR:-}"
# How long a copy may take to reach the clipboard. An empty field copies
# nothing, so a read of one always waits this long; an emulated program
# answers several times slower.
copy_wait=1
[ ${#emulator[@]} -eq 0 ] || copy_wait=5

# A screen reader reaches the program over the accessibility bus, which a
# session bus starts.
if [ "$scenario" = labels ] && [ -z "${RGBHSV_SESSION_BUS:-}" ]; then
  exec env RGBHSV_SESSION_BUS=1 dbus-run-session -- "$0" "$@"
fi

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

# Without an X display.
case "$scenario" in
  wayland)
    # Only a Wayland display: the window opens there, on GTK's Wayland
    # backend, with the program's application ID.
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    weston --backend=headless-backend.so --socket=wayland-rgbhsv --idle-time=0 >"$work/weston.log" 2>&1 &
    pids+=($!)
    wait_for 20 test -S "$XDG_RUNTIME_DIR/wayland-rgbhsv" || fail "weston did not start"
    env -u DISPLAY WAYLAND_DISPLAY=wayland-rgbhsv WAYLAND_DEBUG=client HOME="$home" "${emulator[@]}" "$program" 2>"$work/client.log" &
    pids+=($!)
    shown() { grep -q 'xdg_toplevel@[0-9]*\.set_title("RGB <-> HSV")' "$work/client.log" &&
              grep -q 'wl_surface@[0-9]*\.attach(wl_buffer' "$work/client.log"; }
    wait_for 20 shown || fail "no window drawn on Wayland: $(tail -3 "$work/client.log")"
    grep -q "xdg_toplevel@[0-9]*\.set_app_id(\"$RGBHSV_APP_ID\")" "$work/client.log" ||
      fail "not the application ID $RGBHSV_APP_ID"
    echo "$scenario: passed"
    exit 0
    ;;
  nodisplay)
    # No display at all: it says what it needs and fails.
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$work" "${emulator[@]}" "$program" 2>"$work/error" || status=$?
    [ "$status" != 0 ] || fail "exit code 0 without a display"
    grep -q "needs a graphical display" "$work/error" || fail "said: $(cat "$work/error")"
    echo "$scenario: passed"
    exit 0
    ;;
esac

start_openbox || fail "openbox did not start"
pids+=("$wm_pid")

"${emulator[@]}" "$bell_watch" >"$work/bells" &
pids+=($!)
wait_for 10 grep -q listening "$work/bells" || fail "bell_watch did not start"
bells() { grep -c '^bell' "$work/bells" || true; }

# What the user has set before the program starts.
case "$scenario" in
  handover)  # a desktop's clipboard manager
    "${emulator[@]}" "$clipboard_keeper" >"$work/keeper" &
    pids+=($!)
    wait_for 10 grep -q listening "$work/keeper" || fail "the clipboard manager did not start"
    ;;
  dpi) echo 'Xft.dpi: 144' | xrdb -nocpp -merge ;;  # large text, as desktops set it
  dpiscale) export GDK_DPI_SCALE=1.5 ;;
  scale) export GDK_SCALE=2 ;;
esac

# The program sees a home folder of its own, which must stay empty.
env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME -u XDG_STATE_HOME \
  HOME="$home" "${emulator[@]}" "$program" 2> >(tee "$work/stderr" >&2) &
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
  wait_for "$copy_wait" copied || true
  clipboard
}

# Another program that owns the clipboard or the primary selection and
# answers a request for it only after a while, as a busy or remote one does.
slow_owner() {  # SELECTION TEXT MILLISECONDS
  "${emulator[@]}" "$clipboard_keeper" --slow "$1" "$2" "$3" >"$work/owner-$1" &
  pids+=($!)
  wait_for 10 grep -q owning "$work/owner-$1" || fail "the slow owner of $1 did not start"
}
answered() { grep -q answered "$work/owner-$1"; }

# With the focus on "Select...": Tab visits the six fields in order, each
# all selected, and comes back to "Select...".
read_fields() {
  local texts=() _
  for _ in 1 2 3 4 5 6; do
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
tabs() { local n=$1 keys=(); while [ "$n" -gt 0 ]; do keys+=(Tab); n=$((n - 1)); done; key "${keys[@]}"; }
into_field() { tabs "$1"; }
back_from_field() { tabs $((7 - $1)); }

program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }

# The program's end, checked; then CHECK, if given, and the verdict.
finish() {
  wait_for 10 program_ended || fail "the program did not end"
  local status=0
  wait "$program_pid" || status=$?
  [ "$status" = 0 ] || fail "exit code $status"
  local written
  # The accessibility bus, a service of its own, notes its address there.
  written=$(find "$home" -mindepth 1 -not -path "$home/.cache" -not -path "$home/.cache/at-spi*" | head -5)
  [ -z "$written" ] || fail "wrote under \$HOME: $written"
  [ $# = 0 ] || "$@"
  echo "$scenario: passed"
}

chooser=""
find_chooser() { chooser=$(xdotool search --onlyvisible --name '^Color$' 2>/dev/null | head -1); [ -n "$chooser" ]; }
chooser_gone() { ! xdotool search --onlyvisible --name '^Color$' >/dev/null 2>&1; }

client_size() {
  echo "$(xwininfo -id "$window" | awk '/Width:/ {print $2}') x $(xwininfo -id "$window" | awk '/Height:/ {print $2}')"
}

case "$scenario" in
  startup)
    expect_swatch '#FFFFFF'
    expect_fields "255,255,255,0,0,255"
    # Centered on the screen, 320 by 127 pixels, with the color wheel icon.
    [ "$(client_size)" = "320 x 127" ] || fail "client area $(client_size), expected 320 x 127"
    width=320 height=127
    dx=$((2 * client_x + width - 1024)) dy=$((2 * client_y + height - 768))
    if [ "${dx#-}" -gt 4 ] || [ "${dy#-}" -gt 60 ]; then fail "not centered: client at $client_x,$client_y"; fi
    # GTK may set the icon's property a moment after the window shows.
    has_icon() { xprop -id "$window" _NET_WM_ICON 2>/dev/null | grep -q 'Icon (32 x 32)'; }
    wait_for 5 has_icon || fail "no 32 x 32 icon"
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
  routes)
    # A character beyond ASCII pasted is one character: the field keeps
    # editing, and holds it whole.
    printf '\360\237\230\200' | xclip -i -selection clipboard  # U+1F600
    into_field 1
    key ctrl+v
    type_text 5
    back_from_field 1
    # The middle button's paste goes through the same rules: "é" and a byte
    # that is not UTF-8 (U+FFFD) into the emptied green field, then a 5
    # typed after them; "x12345678" into the emptied blue field, cut to
    # three characters.
    into_field 2
    key BackSpace
    printf '\303\251\377' | xclip -i -selection primary -t UTF8_STRING
    xdotool mousemove "$((client_x + 154))" "$((client_y + 34))" click 2
    type_text 5
    key Tab BackSpace
    printf 'x12345678' | xclip -i -selection primary
    xdotool mousemove "$((client_x + 202))" "$((client_y + 34))" click 2
    key Tab Tab Tab Tab  # to "Select..."
    expect_fields "$(printf '\360\237\230\2005,\303\251\357\277\2755,x12,0,0,0')"
    expect_swatch '#000000'
    # Shift+Delete cuts: the selection is on the clipboard, and gone.
    into_field 3
    printf '' | xclip -i -selection clipboard
    key shift+Delete
    cut_done() { [ "$(clipboard)" = x12 ]; }
    wait_for 5 cut_done || fail "Shift+Delete put \"$(clipboard)\" on the clipboard"
    back_from_field 3
    expect_fields "$(printf '\360\237\230\2005,\303\251\357\277\2755,,0,0,0')"
    # A paste from an owner that answers late (a busy or remote program):
    # what the user does meanwhile waits for it, caret keys and all. 255
    # into the empty blue field with the middle button, then Tab and 5 at
    # once: the hue of pure blue replaced by 5.
    slow_owner PRIMARY 255 500
    xdotool mousemove "$((client_x + 202))" "$((client_y + 34))" click 2
    key Tab
    type_text 5
    wait_for 10 answered PRIMARY || fail "no paste was asked for"
    back_from_field 4
    expect_fields "255,30,0,5,255,255"
    # Red 1, 2 pasted after it, then Home and 3 at once: 312, beyond 255.
    slow_owner CLIPBOARD 2 500
    into_field 1
    type_text 1
    key ctrl+v Home
    type_text 3
    wait_for 10 answered CLIPBOARD || fail "no paste was asked for"
    back_from_field 1
    expect_fields "255,30,0,5,255,255"
    [ "$(bells)" = 1 ] || fail "$(bells) bells after 312, expected 1"
    key Escape
    # GDK's own conversion warns of bytes that are not UTF-8; the program's
    # paste takes them as they are.
    quiet() { [ ! -s "$work/stderr" ] || fail "printed: $(head -3 "$work/stderr")"; }
    finish quiet
    ;;
  dpi | dpiscale)
    # The user's text size: at 144 dpi the dialog grows by half, every text
    # with it.
    size=$(client_size)
    [ "$size" = "479 x 185" ] || fail "client area $size at 144 dpi, expected 479 x 185"
    expect_fields "255,255,255,0,0,255"
    key Escape
    finish
    ;;
  scale)
    # GDK's whole scale: twice the pixels, the same layout.
    [ "$(client_size)" = "640 x 254" ] || fail "client area $(client_size) at scale 2, expected 640 x 254"
    key Escape
    finish
    ;;
  labels)
    # What a screen reader reads out: each field by its group's label and
    # the number it holds.
    spoken=$(/usr/bin/python3 "$(dirname "$0")/atspi_labels.py" 20) || fail "no dialog over AT-SPI"
    expected=$(printf '%s\n' "push button: Select..." "text: RGB color: red" "text: RGB color: green" \
      "text: RGB color: blue" "text: HSV color: hue" "text: HSV color: saturation" "text: HSV color: value")
    [ "$spoken" = "$expected" ] || fail "read out as: $spoken"
    # While a paste waits for its text the dialog is busy, to a reader that
    # asks as well as to one that listens; then it is not.
    dialog_state() { /usr/bin/python3 "$(dirname "$0")/atspi_labels.py" 5 --busy; }
    slow_owner CLIPBOARD 7 2000
    into_field 1
    key ctrl+v
    busy() { [ "$(dialog_state)" = busy ]; }
    wait_for 2 busy || fail "the dialog was not busy while its paste waited"
    wait_for 10 answered CLIPBOARD || fail "no paste was asked for"
    idle() { [ "$(dialog_state)" = idle ]; }
    wait_for 5 idle || fail "the dialog stayed busy after its paste"
    key Escape
    finish
    ;;
  handover)
    # A number copied outlives the program: at its end the program hands
    # the clipboard to the desktop's clipboard manager.
    into_field 1
    key ctrl+c
    copied_255() { [ "$(clipboard)" = 255 ]; }
    wait_for 5 copied_255 || fail "the copy did not reach the clipboard"
    key Escape
    kept() {
      grep -q saved "$work/keeper" || fail "the clipboard was not handed over"
      [ "$(clipboard)" = 255 ] || fail "the clipboard holds \"$(clipboard)\" after the program ended"
    }
    finish kept
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
