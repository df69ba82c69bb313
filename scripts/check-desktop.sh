#!/usr/bin/env bash
# Runs the installed program on Wayland, in a headless compositor, with a test
# tray host and notification server on a private session bus, as today's
# desktops would: the window shows; each tray icon registers as a
# StatusNotifierItem whose menu is a D-Bus menu with the popup menu's items in
# order, following "Suspend"/"Resume"; the temperature icon comes in five
# sizes; an alarm posts one notification, not one per poll; SIGTERM ends the
# program with status 0 and the settings saved, the stored window position
# kept (a Wayland client cannot place its window).
# Usage: check-desktop.sh [build folder]
set -euo pipefail
source "$(dirname "$0")/catches-sigterm.sh"
cd "$(dirname "$0")/.."
if [ -z "${CALDRIX_PRIVATE_BUS:-}" ]; then
  exec env CALDRIX_PRIVATE_BUS=1 dbus-run-session --config-file=tests/support/session-bus.conf -- bash "$0" "$@"
fi
build_dir=$(realpath "${1:-${CALDRIX_BUILD_DIR:-build}}")
desktop_program=$build_dir/bin/caldrix_test_desktop
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "check-desktop: $*" >&2
  [ -s "$work/stderr" ] && grep -v '^\[' "$work/stderr" | tail -n 20 >&2
  exit 1
}
for tool in weston dbus-run-session; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/setup.sh installs it)"
done

cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
exe=$work/prefix/bin/caldrix
home=$work/home
mkdir -m 700 "$home" "$home/runtime"
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/runtime \
  XDG_CACHE_HOME=$home/cache CALDRIX_DRIVER=sim CALDRIX_SIM_SCENARIO=$work/scenario
reg=$home/config/caldrix/HKEY_CURRENT_USER.reg
cat >"$work/scenario" <<'SCN'
# WB1 passes its alarm mark (50 °C) on the third poll and stays above it
GetLM78Temp    45 46 55 56 57 58 59 60 61 62 63 64 65 66 67 68 69 70
SCN

# wait_for <seconds> <command...>: until the command succeeds.
wait_for() {
  local tries=$(($1 * 10))
  shift
  for _ in $(seq "$tries"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
# end <pid>: SIGTERM, and the program must end by itself with status 0.
end() {
  kill -TERM "$1"
  wait_for 15 bash -c "! kill -0 $1 2>/dev/null" || fail "caldrix did not end within 15 s of SIGTERM"
  local status=0
  wait "$1" || status=$?
  [ "$status" -eq 0 ] || fail "caldrix ended with status $status on SIGTERM"
}

# The first start writes the settings; the window is then to show at start,
# at a stored position, polling every second, and the alarm is to show no
# dialog (nobody is there to answer it).
QT_QPA_PLATFORM=offscreen "$exe" 2>>"$work/stderr" &
pid=$!
started() { catches_sigterm "$pid" && [ -s "$reg" ]; }
wait_for 30 started || fail "caldrix never started"
end "$pid"
[ -s "$reg" ] || fail "the first start saved no settings"
sed -i -e 's/^"Startup Minimized"=dword:.*/"Startup Minimized"=dword:00000000/' \
  -e 's/^"InterVal"=dword:.*/"InterVal"=dword:000003e8/' \
  -e 's/^"Form X"=dword:.*/"Form X"=dword:0000007b/' \
  -e 's/^"Form Y"=dword:.*/"Form Y"=dword:0000004d/' \
  -e 's/^"MB Show Alarm Msg"=dword:.*/"MB Show Alarm Msg"=dword:00000000/' \
  -e 's/^"Tooltip On All"=dword:.*/"Tooltip On All"=dword:00000001/' \
  -e 's/^"Show Log On Pop Up"=dword:.*/"Show Log On Pop Up"=dword:00000001/' "$reg"

# The compositor, headless.
weston --backend=headless-backend.so --socket=caldrix-wayland --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
wait_for 30 test -S "$XDG_RUNTIME_DIR/caldrix-wayland" || { cat "$work/weston.log" >&2; fail "weston did not start"; }

# The desktop's tray host and notification server.
mkfifo "$work/to-desktop" "$work/from-desktop"
"$desktop_program" <"$work/to-desktop" >"$work/from-desktop" 2>"$work/desktop.err" &
pids+=($!)
exec 3>"$work/to-desktop" 4<"$work/from-desktop"
# What the test desktop reports by itself (items registering, notifications)
# is kept in $reports as it is read; the other lines answer commands.
reports=$work/reports
: >"$reports"
read_line() {
  local line
  read -r -t 15 line <&4 || return 1
  case $line in
    ready | item\ * | notify\ * | close\ *) echo "$line" >>"$reports" ;;
    *) echo "$line" ;;
  esac
}
# ask <command>: the test desktop's answer.
ask() {
  echo "$1" >&3
  local answer=""
  while [ -z "$answer" ]; do
    answer=$(read_line) || fail "no answer to '$1'"
  done
  echo "$answer"
}
# expect_report <regex>: the first report that matches, once it has come.
expect_report() {
  local deadline=$((SECONDS + 30)) found
  until found=$(grep -m1 -E "$1" "$reports"); do
    ((SECONDS < deadline)) || fail "the test desktop never reported '$1' (it did: $(tr '\n' ';' <"$reports"))"
    read_line >/dev/null || true
  done
  echo "$found"
}
expect_report '^ready$' >/dev/null

: >"$work/stderr"
WAYLAND_DISPLAY=caldrix-wayland QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$exe" 2>>"$work/stderr" &
pid=$!
pids+=("$pid")

# The temperature icon registers first, then the alarm's notification comes.
item=$(expect_report '^item 0 ')
menu=$(ask "menu 0")
[ "$menu" != "menu: /NO_DBUSMENU" ] && [[ $menu == "menu: /"* ]] || fail "the tray item has no D-Bus menu: $menu"

# The window shows: a toplevel titled Caldrix gets a picture.
shows() { grep -q 'xdg_toplevel@[0-9]*\.set_title("Caldrix")' "$work/stderr" && grep -q 'wl_surface@[0-9]*\.attach' "$work/stderr"; }
wait_for 30 shows || fail "the window never showed"

layout=$(ask "layout 0")
expected='layout: Un-Install|-|Start Interval Log|~Stop Interval Log|View Log|Erase Log|-|Help|-|Quick Check|History|~Show & Expand|~Show|Hide|-|Suspend|-|Exit'
[ "$layout" = "$expected" ] || fail "the menu reads '$layout', expected '$expected'"
# Hidden, the window can be shown again from the menu, which says so.
[ "$(ask "click 0 Hide")" = "clicked: Hide" ] || fail "Hide could not be clicked"
layout=$(ask "layout 0")
[[ $layout == *"|Show & Expand|Show|~Hide|"* ]] || fail "with the window hidden the menu reads '$layout'"
[ "$(ask "click 0 Show & Expand")" = "clicked: Show & Expand" ] || fail "Show & Expand could not be clicked"
layout=$(ask "layout 0")
[[ $layout == *"|~Show & Expand|~Show|Hide|"* ]] || fail "with the window shown again the menu reads '$layout'"

# Suspended, the temperature icon leaves the tray and the program icon
# comes, with the same menu; resumed, the other way round.
[ "$(ask "click 0 Suspend")" = "clicked: Suspend" ] || fail "Suspend could not be clicked"
expect_report '^item 1 ' >/dev/null
layout=$(ask "layout 1")
[[ $layout == *"|Resume|"* ]] || fail "after Suspend the menu reads '$layout'"
[ "$(ask "click 1 Resume")" = "clicked: Resume" ] || fail "Resume could not be clicked"
expect_report '^item 2 ' >/dev/null
layout=$(ask "layout 2")
[[ $layout == *"|Suspend|"* ]] || fail "after Resume the menu reads '$layout'"

sizes=$(ask "sizes 2")
[ "$sizes" = "sizes: 16x16 22x22 24x24 32x32 48x48" ] || fail "the temperature icon comes as '$sizes'"

notice=$(expect_report '^notify ')
[[ $notice == *"urgency=2"* && $notice == *"actions=open,Open"* && \
  $notice == *"body=WARNING: Motherboard has reached: 50°C / 122°F" ]] || fail "the alarm's notification: $notice"
# Latched: polls go on above the mark (the tooltip follows them) without
# another notification.
three_more_polls() { [[ $(ask "tooltip 2") =~ Motherboard:\ (59|6[0-9]|70)°C ]]; }
wait_for 30 three_more_polls || fail "the polls stopped: $(ask "tooltip 2")"
[ "$(grep -c '^notify ' "$reports")" -eq 1 ] || fail "the latched alarm notified again: $(grep '^notify ' "$reports")"
end "$pid"
pids=("${pids[@]/$pid/}")

grep -q '^"Form X"=dword:0000007b' "$reg" && grep -q '^"Form Y"=dword:0000004d' "$reg" ||
  fail "the stored window position was not kept: $(grep '^"Form [XY]"' "$reg" | tr '\n' ' ')"
grep -q '^"MB Alarm"=dword:00000000' "$reg" || fail "the settings were not saved at the end"
echo "desktop run passed: $item; $sizes"
