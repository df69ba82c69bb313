#!/usr/bin/env bash
# Starts the installed Caldrix on a virtual display (Xvfb) under a real window
# manager (openbox) with its settings saved by an earlier start, and closes its
# window the way a user does: the window manager must offer the close (and no
# maximise), Alt+F4 must bring up the exit question with its "Minimize"
# answer focused, and that answer must hide the window and keep the program
# running. "--show" from a second start must bring it back, "wmctrl -c" (the
# window menu's Close) must ask again, and "--show-expanded" must expand it.
# Usage: check-close-box.sh [build folder]
# Needs: xvfb openbox xdotool wmctrl x11-utils (scripts/setup.sh installs them).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath "${1:-${CALDRIX_BUILD_DIR:-build}}")
check=check-close-box
tools=(Xvfb openbox xdotool wmctrl xprop)
source scripts/x-check.sh

# The window shows at start (a saved start in the tray would hide it).
install_program "$build_dir" 0

start_xvfb
start_openbox

HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home \
  CALDRIX_DRIVER=sim QT_QPA_PLATFORM=xcb "$exe" >"$work/caldrix.log" 2>&1 &
caldrix=$!
pids+=("$caldrix")
# The window openbox manages (it lists it once it has framed it).
managed() { wmctrl -l | awk -v t="$1" '{ id = $1; $1 = $2 = $3 = ""; sub(/^ +/, ""); if ($0 == t) { print id; exit } }' | grep .; }
# A shown window may still be made anew as it takes its mode: it counts as
# there once the window manager has made it the active window.
active() { local w; w=$(managed Caldrix) && timeout 5 xdotool windowactivate --sync "$w" >/dev/null 2>&1; }
until_ok "the window \"Caldrix\" never came under the window manager" managed Caldrix
# What the window tells the window manager it may do with it (the Motif
# functions, which KWin and Mutter obey: without "close" they show no close
# box and refuse Alt+F4), read once Qt has set them for the window's mode.
functions() {
  local hints flags funcs
  local w
  w=$(managed Caldrix) || return 1
  hints=$(xprop -id "$w" _MOTIF_WM_HINTS | sed -n 's/^.* = //p')
  IFS=', ' read -r flags funcs _ <<<"$hints"
  [ -n "$funcs" ] || return 1
  # Without the functions flag every function is allowed.
  if ((flags & 1)); then echo $((funcs)); else echo 1; fi
}
may_close() { local f; f=$(functions) && (((f & 1) || (f & 0x20))); }
until_ok "the window tells the window manager it may not be closed" may_close
f=$(functions)
(((f & 1) || (f & 0x08))) || fail "the window may not be minimised (Motif functions $f)"
(((f & 1) == 0 && (f & 0x10) == 0)) || fail "the window may be maximised (Motif functions $f)"
# And what openbox makes of it.
window=$(managed Caldrix) || fail "the window went"
actions=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS)
grep -q "_NET_WM_ACTION_CLOSE" <<<"$actions" || fail "the window manager may not close the window: $actions"
grep -q "_NET_WM_ACTION_MAXIMIZE" <<<"$actions" && fail "the window manager may maximise the window: $actions"

# Alt+F4 on the focused window, as a user presses it.
until_ok "the window could not be activated" active
xdotool key --clearmodifiers alt+F4
until_ok "Alt+F4 brought no exit question" managed Confirm
question=$(managed Confirm)
kill -0 "$caldrix" 2>/dev/null || fail "caldrix ended without asking"
# The question asked from the frame offers "Minimize" and focuses it.
timeout 10 xdotool windowactivate --sync "$question" >/dev/null 2>&1 || true
xdotool key Return
gone() { ! managed "$1"; }
until_ok "the exit question stayed after its answer" gone Confirm
until_ok "\"Minimize\" did not hide the window" gone Caldrix
kill -0 "$caldrix" 2>/dev/null || fail "\"Minimize\" ended the program"

# Shown again from a second start's request, the window manager's Close
# (the window menu's item) asks again; "No" (Escape) keeps everything.
HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home \
  CALDRIX_DRIVER=sim QT_QPA_PLATFORM=xcb timeout 20 "$exe" --show >"$work/show.log" 2>&1 || true
until_ok "\"--show\" did not bring the window back" active
wmctrl -i -c "$(managed Caldrix)"
until_ok "the window menu's Close brought no exit question" managed Confirm
timeout 10 xdotool windowactivate --sync "$(managed Confirm)" >/dev/null 2>&1 || true
xdotool key Escape
until_ok "the exit question stayed after Escape" gone Confirm
managed Caldrix >/dev/null || fail "\"No\" hid the window"
kill -0 "$caldrix" 2>/dev/null || fail "\"No\" ended the program"

# "--show-expanded" from another start opens the settings pages: the window
# grows to its expanded width.
width() {
  local w
  w=$(managed Caldrix) || return 1
  xwininfo -id "$w" | awk '/^ *Width:/ { print $2 }' | grep .
}
compact() { local x; x=$(width) && [ "$x" -lt 300 ]; }
until_ok "the window was not compact before \"--show-expanded\"" compact
HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home \
  CALDRIX_DRIVER=sim QT_QPA_PLATFORM=xcb timeout 20 "$exe" --show-expanded >"$work/show-expanded.log" 2>&1 || true
expanded() { local x; x=$(width) && [ "$x" -ge 500 ]; }
until_ok "\"--show-expanded\" did not expand the window" expanded

kill -TERM "$caldrix"
status=0
wait "$caldrix" || status=$?
[ "$status" -eq 0 ] || fail "caldrix ended with status $status on SIGTERM"
echo "the window closes from its frame under a window manager and asks the three-answer question"
