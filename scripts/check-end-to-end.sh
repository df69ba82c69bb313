#!/usr/bin/env bash
# Runs the installed program offscreen with the simulated driver and a
# scenario, and checks what it shows through the files it writes: the interval
# log entry written at start-up, the up-and-down log written at exit and the
# settings saved on SIGTERM, also when a log write crosses the file-size limit.
# Usage: check-end-to-end.sh [build folder]
set -euo pipefail
source "$(dirname "$0")/catches-sigterm.sh"
cd "$(dirname "$0")/.."
build_dir=$(realpath "${1:-${CALDRIX_BUILD_DIR:-build}}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check-end-to-end: $*" >&2; exit 1; }

cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
prefix=$work/prefix
mkdir -m 700 "$work/home"
cat >"$work/scenario" <<'SCN'
# WB1 climbs by one degree a poll; fan 1 turns at 2500 RPM; +12 V is high
GetLM78Temp    41 42 43 44 45 46 47 48 49
GetLM78Fan1    135
GetLM78Pos12v  12.34
GetLM78Core0   1.65
SCN

run() {
  HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data XDG_RUNTIME_DIR=$work/home \
    QT_QPA_PLATFORM=offscreen CALDRIX_DRIVER=sim CALDRIX_SIM_SCENARIO=$work/scenario \
    "$prefix/bin/caldrix" 2>>"$work/stderr" &
  pid=$!
  # Ready once the settings key exists and the SIGTERM handler is in place.
  for _ in $(seq 300); do
    kill -0 "$pid" 2>/dev/null || { cat "$work/stderr" >&2; fail "caldrix ended by itself"; }
    if catches_sigterm "$pid" && [ -s "$work/home/config/caldrix/HKEY_CURRENT_USER.reg" ]; then
      break
    fi
    sleep 0.1
  done
  sleep "${1:-0}"
  # Started without sound asked for: neither the audio library (Qt Multimedia)
  # nor an image plugin (Qt Svg) is loaded.
  if grep -E 'libcaldrix_audio|Multimedia|imageformats|Qt6Svg' "/proc/$pid/maps" >&2; then
    kill -TERM "$pid"
    fail "caldrix loaded libraries at start that it does not need yet"
  fi
  kill -TERM "$pid"
  wait "$pid" || fail "caldrix ended with status $? on SIGTERM"
}

# First run: no settings yet; they are written at exit.
run 0
reg=$work/home/config/caldrix/HKEY_CURRENT_USER.reg
grep -q '^"Interval"\|^"InterVal"' "$reg" || fail "the settings were not saved at exit"

# Second run: the interval log (CSV too) and the up-and-down log on exit.
sed -i -e 's/^"Log File"=dword:00000000/"Log File"=dword:00000001/' \
  -e 's/^"Log Files CSV"=dword:00000000/"Log Files CSV"=dword:00000001/' \
  -e 's/^"Save Up and Down on Exit"=dword:00000000/"Save Up and Down on Exit"=dword:00000001/' \
  -e 's/^"InterVal"=dword:[0-9a-f]*/"InterVal"=dword:000003e8/' "$reg"
run 3

csv=$prefix/bin/cdxlog.csv
[ "$(wc -l <"$csv")" -eq 2 ] || { cat "$csv" >&2; fail "expected one interval-log entry in cdxlog.csv"; }
entry=$(tail -n 1 "$csv" | tr -d '\r')
IFS=';' read -r -a field <<<"$entry"
[ "${field[4]}" = "41°C" ] || fail "WB1 in the log entry is '${field[4]}', expected 41°C (the first poll)"
[ "${field[7]}" = "1.65" ] || fail "Core in the log entry is '${field[7]}', expected 1.65"
[ "${field[11]}" = "12.34" ] || fail "+12 V in the log entry is '${field[11]}', expected 12.34"
[ "${field[13]}" = "2500" ] || fail "Fan 1 in the log entry is '${field[13]}', expected 2500"

updown=$prefix/bin/updown.txt
grep -q 'Motherboard' "$updown" || fail "updown.txt has no report"
# Polls at one-second intervals for three seconds: WB1 rose from 41.
grep -qE '^[|]Motherboard *[|]41 +[|]4[3-9] ' "$updown" || { cat "$updown" >&2; fail "WB1 did not run from 41 upwards"; }
# Third run under a file-size limit that the next interval-log row crosses (40
# KiB, below the log size limit of 64 KB, above the settings file): the program
# goes on, reports the log's write error and still saves its settings.
truncate -s 40K "$prefix/bin/cdxlog.txt"
inode=$(stat -c %i "$reg")
: >"$work/stderr"
(ulimit -f 40 && run 3)
grep -q 'cdxlog.txt.*File too large' "$work/stderr" || { cat "$work/stderr" >&2; fail "the log that crossed the size limit was not reported"; }
# Every save writes a new file and renames it over the old one.
[ "$(stat -c %i "$reg")" != "$inode" ] && grep -q '^"Log File"=dword:00000001' "$reg" ||
  fail "the settings were not saved under the file-size limit"
echo "end-to-end run passed: $entry"
