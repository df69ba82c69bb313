#!/usr/bin/env bash
# Starts the installed Caldrix on a virtual display (Xvfb) under a window
# manager (openbox), with an accessibility bus on a private session bus, opens
# its window expanded and reads it over AT-SPI as a screen reader does
# (scripts/read-accessible-window.py): the Tab key moves the focus through the
# compact window's controls and back around; on the expanded window every
# control shown has an accessible name, on each settings page as its tab's
# accessible action opens it; and Tab goes round the expanded window too.
# SIGTERM then ends the program with status 0.
# Usage: check-accessibility.sh [build folder]
# Needs: xvfb openbox xdotool wmctrl x11-utils dbus at-spi2-core python3-pyatspi
# (scripts/setup.sh installs them).
set -euo pipefail
source "$(dirname "$0")/catches-sigterm.sh"
cd "$(dirname "$0")/.."
if [ -z "${CALDRIX_PRIVATE_BUS:-}" ]; then
  command -v dbus-run-session >/dev/null || { echo "check-accessibility: dbus-run-session is missing (scripts/setup.sh installs it)" >&2; exit 1; }
  exec env CALDRIX_PRIVATE_BUS=1 dbus-run-session --config-file=tests/support/session-bus.conf -- bash "$0" "$@"
fi
build_dir=$(realpath "${1:-${CALDRIX_BUILD_DIR:-build}}")
bus_launcher=/usr/libexec/at-spi-bus-launcher
# The system's own interpreter, which the Debian bindings are built for.
python=/usr/bin/python3
check=check-accessibility
tools=(Xvfb openbox xdotool wmctrl xwininfo dbus-send "$bus_launcher" "$python")
source scripts/x-check.sh
"$python" -c 'import pyatspi' 2>/dev/null ||
  fail "$python cannot import pyatspi (scripts/setup.sh installs python3-pyatspi)"

# The window shows at start (a saved start in the tray would hide it).
install_program "$build_dir" 0

start_xvfb
start_openbox

# The accessibility bus, found through the session bus as desktops find it;
# no settings store is asked whether it is wanted.
GSETTINGS_BACKEND=memory "$bus_launcher" --launch-immediately >"$work/at-spi-bus.log" 2>&1 &
pids+=($!)
a11y_bus() { dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress | grep -q 'unix:'; }
until_ok "the accessibility bus did not start" a11y_bus

caldrix_env=(env HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home"
  CALDRIX_DRIVER=sim QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1)
"${caldrix_env[@]}" "$exe" >"$work/caldrix.log" 2>&1 &
caldrix=$!
pids+=("$caldrix")
until_ok "caldrix never started" catches_sigterm "$caldrix"
managed() { wmctrl -l | awk -v t="$1" '{ id = $1; $1 = $2 = $3 = ""; sub(/^ +/, ""); if ($0 == t) { print id; exit } }' | grep .; }
until_ok "the window \"Caldrix\" never came under the window manager" managed Caldrix
# Keyboard reach, on the compact window once the program has started (and
# listens for requests from other starts).
until_ok "caldrix never listened for requests" test -S "$home/caldrix/Caldrix"
# Activated by the window manager, the window reads as the active one to a
# screen reader too (the program may still make it anew as it starts).
active() {
  local w
  w=$(managed Caldrix) && timeout 5 xdotool windowactivate --sync "$w" && "$python" scripts/read-accessible-window.py active
}
until_ok "the window could not be activated" active
timeout 120 "$python" scripts/read-accessible-window.py tab 1 || fail "Tab on the window, read as a screen reader reads it: see above"

# The settings pages open as "--show-expanded" from another start opens them:
# the window grows to its expanded width. Every control shown then must have a
# name, on each page.
timeout 20 "${caldrix_env[@]}" "$exe" --show-expanded >"$work/show-expanded.log" 2>&1 || true
width() {
  local w
  w=$(managed Caldrix) || return 1
  xwininfo -id "$w" | awk '/^ *Width:/ { print $2 }' | grep .
}
expanded() { local x; x=$(width) && [ "$x" -ge 500 ]; }
until_ok "\"--show-expanded\" did not expand the window" expanded
timeout 120 "$python" scripts/read-accessible-window.py names \
  Temperatures Voltages "Fan's" Compensation Visual Log Up/Down CPUIdle General || fail "the window as a screen reader reads it: see above"
# The window made anew for its expanded mode takes the keyboard again once the
# window manager activates it, and Tab goes round the settings pages' controls.
until_ok "the expanded window could not be activated" active
timeout 120 "$python" scripts/read-accessible-window.py tab 15 || fail "Tab on the expanded window, read as a screen reader reads it: see above"
kill -0 "$caldrix" 2>/dev/null || fail "caldrix ended while it was read"

kill -TERM "$caldrix"
status=0
wait "$caldrix" || status=$?
[ "$status" -eq 0 ] || fail "caldrix ended with status $status on SIGTERM"
echo "every shown control has an accessible name and Tab reaches them in turn"
