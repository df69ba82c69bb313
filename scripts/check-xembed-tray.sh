#!/usr/bin/env bash
# Runs the installed Caldrix on a virtual display (Xvfb) under openbox with a
# classic X11 system tray (trayer, an XEmbed host) and no StatusNotifierItem
# host, started in the tray as a user who chose "Startup Minimized" would: the
# motherboard temperature icon must be embedded in the tray (its window a
# child of the tray's), the right button on it must open the popup menu and
# Escape close it, a double click must show the window, and SIGTERM must end
# the program with status 0.
# Usage: check-xembed-tray.sh [build folder]
# Needs: xvfb openbox trayer xdotool wmctrl x11-utils (scripts/setup.sh installs them).
set -euo pipefail
source "$(dirname "$0")/catches-sigterm.sh"
cd "$(dirname "$0")/.."
build_dir=$(realpath "${1:-${CALDRIX_BUILD_DIR:-build}}")
check=check-xembed-tray
tools=(Xvfb openbox trayer xdotool wmctrl xprop xwininfo)
source scripts/x-check.sh

# The program starts in the tray, its window hidden.
install_program "$build_dir" 1

# No session bus: Qt finds no StatusNotifierWatcher and embeds its icons in
# the X11 tray. (An address that leads nowhere, so that nothing is launched
# to serve the bus either.)
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-session-bus NO_AT_BRIDGE=1
unset DBUS_SYSTEM_BUS_ADDRESS

start_xvfb
# The tray first, shown with no window manager yet, then openbox, which takes
# the shown panel on as it starts. (Started the other way round, a panel
# mapped while openbox still set itself up once stayed unmapped.)
trayer --edge top --align right --height 24 --widthtype request >"$work/trayer.log" 2>&1 &
trayer=$!
pids+=("$trayer")
# The tray's panel: trayer's mapped dock window.
tray_window() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$trayer" 2>/dev/null); do
    xprop -id "$w" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DOCK && { echo "$w"; return 0; }
  done
  return 1
}
until_ok "trayer never showed its tray" tray_window
tray=$(tray_window)
start_openbox
# Openbox manages the panel, and it shows again.
managed_tray() { xprop -root _NET_CLIENT_LIST | grep -q -i -E "[ ,]$(printf '0x%x' "$tray")(,|$)" && tray_window; }
until_ok "openbox never took the tray on" managed_tray

HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home \
  CALDRIX_DRIVER=sim QT_QPA_PLATFORM=xcb "$exe" >"$work/caldrix.log" 2>&1 &
caldrix=$!
pids+=("$caldrix")
until_ok "caldrix never started" catches_sigterm "$caldrix"

# The program's windows inside the tray (xwininfo lists the tray's whole
# tree, each window with its WM_CLASS): the embedded icons.
embedded_icons() {
  xwininfo -id "$tray" -tree | awk '/\("caldrix" / { print $1 }'
}
one_icon() { [ "$(embedded_icons | wc -l)" -eq 1 ]; }
until_ok "the tray never held exactly one icon of the program" one_icon
icon=$(embedded_icons)
# The icon shows in the tray, so the pointer can reach it.
viewable() { xwininfo -id "$1" | grep -q 'Map State: IsViewable'; }
until_ok "the embedded icon never showed" viewable "$icon"
# Nothing of the program shows outside the tray (it started in the tray).
managed() { wmctrl -l | awk -v t="$1" '{ id = $1; $1 = $2 = $3 = ""; sub(/^ +/, ""); if ($0 == t) { print id; exit } }' | grep .; }
! managed Caldrix >/dev/null || fail "the window showed although the program was to start in the tray"

# The program's mapped popup menus: its shown windows outside the tray that
# the window manager leaves alone (Qt makes its menus override-redirect, and
# marks some of them as menus), or that are marked as menus.
popup_menus() {
  local w
  for w in $(xdotool search --onlyvisible --classname '^caldrix$' 2>/dev/null); do
    [ "$w" = "$((icon))" ] && continue
    if xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q -E '_NET_WM_WINDOW_TYPE_(POPUP|DROPDOWN)_MENU' ||
      xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes'; then
      echo "$w"
    fi
  done
  return 0
}
menu_open() { [ -n "$(popup_menus)" ]; }
menu_closed() { [ -z "$(popup_menus)" ]; }
menu_closed || fail "a popup menu was open before any click"

# The right button on the icon opens the popup menu; Escape closes it.
xdotool mousemove --window "$icon" 4 4
xdotool click 3
until_ok "the right button on the tray icon opened no popup menu" menu_open
menu=$(popup_menus | head -n 1)
xwininfo -id "$menu" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { exit !(w > 50 && h > 50) }' ||
  fail "the popup menu is too small to hold its items: $(xwininfo -id "$menu" | grep -E 'Width|Height' | tr -s ' \n' ' ')"
xdotool key Escape
until_ok "Escape did not close the popup menu" menu_closed
managed Caldrix >/dev/null && fail "the popup menu showed the window"
kill -0 "$caldrix" 2>/dev/null || fail "caldrix ended while its popup menu was open"

# A double click on the icon shows the window.
xdotool mousemove --window "$icon" 4 4
xdotool click --repeat 2 --delay 40 1
until_ok "a double click on the tray icon did not show the window" managed Caldrix
menu_closed || fail "a double click on the tray icon opened the popup menu"

# Still one icon, the same: no second one came in while the clicks were
# handled, and the first was not made anew.
[ "$(embedded_icons)" = "$icon" ] || fail "the tray now holds the program's icons $(embedded_icons | tr '\n' ' ')instead of $icon"

kill -TERM "$caldrix"
ended() { ! kill -0 "$caldrix" 2>/dev/null; }
until_ok "caldrix did not end within 20 s of SIGTERM" ended
status=0
wait "$caldrix" || status=$?
[ "$status" -eq 0 ] || fail "caldrix ended with status $status on SIGTERM"
echo "the tray icon is embedded in an XEmbed tray, opens the popup menu and shows the window"
