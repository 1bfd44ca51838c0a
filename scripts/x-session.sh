# shellcheck shell=bash
# Sourced by the scripts and tests that drive the native program in a virtual
# X display: waiting for conditions, the window manager, the program's window
# and the screen's color at a point of it.

# wait_for SECONDS COMMAND...: polls until COMMAND succeeds; fails after SECONDS.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

# Starts openbox, for a close box and the window's frame, sets wm_pid, and
# waits until it manages the display. Openbox is the desktop around what is
# tested, not what is tested: one that ends as it starts is started once
# more. Fails, saying what openbox said, when it ends twice or does not
# manage the display within 60 s, and leaves no openbox running then.
start_openbox() {
  local log tries=0
  log=$(mktemp)
  while :; do
    openbox --sm-disable >"$log" 2>&1 &
    # shellcheck disable=SC2034  # the sourcing script stops it
    wm_pid=$!
    wait_for 60 wm_running_or_ended || true
    if wm_running; then
      rm -f "$log"
      return 0
    fi
    if kill -0 "$wm_pid" 2>/dev/null; then
      echo "openbox has not managed the display in 60 s; it said: $(cat "$log")" >&2
      kill "$wm_pid" 2>/dev/null
      break
    fi
    echo "openbox ended as it started; it said: $(cat "$log")" >&2
    tries=$((tries + 1))
    [ "$tries" -lt 2 ] || break
  done
  rm -f "$log"
  return 1
}
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wm_running_or_ended() { wm_running || ! kill -0 "$wm_pid" 2>/dev/null; }

# Sets window to the program's dialog once it is shown, and client_x and
# client_y to the top left corner of its client area on the screen.
find_dialog() {
  find_window() { window=$(xdotool search --onlyvisible --name '^RGB <-> HSV$' 2>/dev/null | head -1); [ -n "$window" ]; }
  window=""
  wait_for 20 find_window || return 1
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
  client_x=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print $4}')
  client_y=$(xwininfo -id "$window" | awk '/Absolute upper-left Y/ {print $4}')
}

# The screen's color at a point of the dialog's client area, as #RRGGBB.
pixel() {
  import -silent -window root -crop "1x1+$((client_x + $1))+$((client_y + $2))" -depth 8 txt:- 2>/dev/null |
    grep -o '#[0-9A-F]\{6\}' | head -1
}
swatch() { pixel 38 50; }
swatch_is() { [ "$(swatch)" = "$1" ]; }
