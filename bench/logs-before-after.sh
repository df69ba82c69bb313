#!/usr/bin/env bash
# Runs two builds of Caldrix with one scenario of the simulated driver and
# every log switched on, and compares the seven log files they write byte for
# byte, dates and times masked. For a change that must not alter what the
# logs say.
# Usage: bench/logs-before-after.sh <build folder before> <build folder after>
set -euo pipefail
source "$(dirname "$0")/../scripts/catches-sigterm.sh"
before=$(realpath "${1:?usage: logs-before-after.sh <build before> <build after>}")
after=$(realpath "${2:?usage: logs-before-after.sh <build before> <build after>}")
work=$(mktemp -d)
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
fail() { echo "logs-before-after: $*" >&2; exit 1; }

cat >"$work/scenario" <<'SCN'
# Steady readings: every poll writes the same values. The motherboard is
# above its alarm mark of 50 degrees, so its alarm writes a warning.
GetLM78Temp    55
GetLM78Fan1    135
GetLM78Pos12v  12.34
GetLM78Core0   1.65
SCN

# run <prefix> <home> <condition>: starts the program and ends it with
# SIGTERM once it catches that signal and the condition holds.
run() {
  local prefix=$1 home=$2 condition=$3 pid
  HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_STATE_HOME=$home/state \
    XDG_RUNTIME_DIR=$home CALDRIX_START_TRACE=$(date +%s%N) QT_QPA_PLATFORM=offscreen CALDRIX_DRIVER=sim CALDRIX_SIM_SCENARIO=$work/scenario \
    "$prefix/bin/caldrix" 2>>"$home/stderr" &
  pid=$!
  for _ in $(seq 600); do
    kill -0 "$pid" 2>/dev/null || fail "caldrix ended by itself: $(cat "$home/stderr")"
    if catches_sigterm "$pid" && eval "$condition"; then
      kill -TERM "$pid"
      wait "$pid" || fail "caldrix ended with status $? on SIGTERM"
      return 0
    fi
    sleep 0.05
  done
  kill -KILL "$pid"
  fail "caldrix did not get ready"
}

logs() {
  local name=$1 build=$2 prefix=$work/$1/prefix home=$work/$1/home
  cmake --install "$build" --prefix "$prefix" >/dev/null
  mkdir -p -m 700 "$home"
  # The first start stores its settings at its end, once it has finished
  # starting (an end asked for during the start stores nothing).
  run "$prefix" "$home" "grep -q 'start: first poll' '$home/stderr'"
  local reg=$home/config/caldrix/HKEY_CURRENT_USER.reg
  sed -i -e 's/^"Log File"=dword:00000000/"Log File"=dword:00000001/' \
    -e 's/^"Write Errors"=dword:00000000/"Write Errors"=dword:00000001/' \
    -e 's/^"Log Files CSV"=dword:00000000/"Log Files CSV"=dword:00000001/' \
    -e 's/^"Save Up and Down on Exit"=dword:00000000/"Save Up and Down on Exit"=dword:00000001/' \
    -e 's/^"InterVal"=dword:[0-9a-f]*/"InterVal"=dword:000003e8/' "$reg"
  # The interval log's entry of the start, and the motherboard alarm's warning.
  : >"$home/stderr"
  run "$prefix" "$home" "[ \"\$(wc -l <'$prefix/bin/cdxlog.csv' 2>/dev/null || echo 0)\" -ge 2 ] && grep -q WARNING '$prefix/bin/cdxwarnlog.txt' 2>/dev/null"
  mkdir "$work/$name/logs"
  for f in cdxlog.txt cdxlog.htm cdxlog.csv cdxwarnlog.txt cdxwarnlog.htm updown.txt updown.htm; do
    [ -e "$prefix/bin/$f" ] || fail "$name wrote no $f"
    sed -E -e 's#[0-9]{2}/[0-9]{2}/[0-9]{2}#DD/MM/YY#g' -e 's#[0-9]{2}:[0-9]{2}:[0-9]{2}#HH:MM:SS#g' \
      "$prefix/bin/$f" >"$work/$name/logs/$f"
  done
}

logs before "$before"
logs after "$after"
same=0
for f in "$work"/before/logs/*; do
  name=${f##*/}
  if cmp -s "$f" "$work/after/logs/$name"; then
    echo "same: $name ($(wc -c <"$f") bytes)"
    same=$((same + 1))
  else
    echo "DIFFERS: $name"
    diff "$f" "$work/after/logs/$name" | head -20
  fi
done
echo "$same of 7 log files byte-identical (dates and times masked)"
[ "$same" -eq 7 ]
