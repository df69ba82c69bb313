# Sourced by the script tests that run the installed program on a virtual
# display. Before sourcing, set `check` to the script's name (for messages)
# and `tools` to the commands it needs; after it, the caller has:
#   work       a scratch folder, removed at the end with every process in pids
#   pids       processes to end at exit, last started first
#   fail       prints its words and the tail of every $work/*.log, exits 1
#   until_ok   until_ok <what> <command...>: retries for up to 20 s, else fail
#   start_xvfb starts Xvfb on a display number it picks itself, exports DISPLAY
#   start_openbox  starts openbox with the stock key bindings (Alt+F4 is
#              Close), nothing of the user's, and waits until it runs
#   install_program <build folder> <0|1>: installs the build into $work/prefix
#              and stores the default settings with "Startup Minimized" set
#              as given; sets exe, home and reg (the settings file)
for tool in "${tools[@]}"; do
  command -v "$tool" >/dev/null || { echo "$check: $tool is missing (scripts/setup.sh installs it)" >&2; exit 1; }
done
work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill -TERM "${pids[i]}" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "$check: $*" >&2
  for log in "$work"/*.log; do
    [ -s "$log" ] && { echo "--- $log" >&2; tail -n 20 "$log" >&2; }
  done
  exit 1
}
until_ok() {
  local what=$1
  shift
  for _ in $(seq 200); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  fail "$what"
}
# The server writes the display number it chose once it listens; it does not
# reset when its last client goes (a probe that disconnects would otherwise
# pull the display from under the next client).
start_xvfb() {
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
  pids+=($!)
  exec 3>&-
  until_ok "Xvfb did not start" test -s "$work/display"
  DISPLAY=:$(head -n 1 "$work/display")
  export DISPLAY
}
start_openbox() {
  XDG_CONFIG_HOME=$work/openbox-config openbox >"$work/openbox.log" 2>&1 &
  pids+=($!)
  until_ok "openbox did not take the display" wmctrl -m
}
install_program() {
  local minimized=0000000$2
  cmake --install "$1" --prefix "$work/prefix" >/dev/null
  exe=$work/prefix/bin/caldrix
  home=$work/home
  reg=$(bash bench/default-settings.sh "$exe" "$home")
  sed -i -E "s/^\"Startup Minimized\"=dword:[0-9a-f]+/\"Startup Minimized\"=dword:$minimized/" "$reg"
  grep -q "^\"Startup Minimized\"=dword:$minimized" "$reg" || fail "could not set \"Startup Minimized\" to $2"
}
