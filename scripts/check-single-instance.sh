#!/usr/bin/env bash
# Starts Caldrix offscreen, then starts it a second time for the same user:
# the second start must say "Caldrix is already running." and end by itself
# without touching the first one's settings or logs, while the first keeps
# running; a second start without the chip shows the chip's notice first.
# Then the first is killed as a crash would end it, and the next
# start must run although the crashed one left its socket behind.
# Usage: check-single-instance.sh [build folder]
set -euo pipefail
source "$(dirname "$0")/catches-sigterm.sh"
cd "$(dirname "$0")/.."
build_dir=$(realpath "${1:-${CALDRIX_BUILD_DIR:-build}}")
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill -KILL "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "check-single-instance: $*" >&2; exit 1; }

cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
mkdir -m 700 "$work/home" "$work/runtime"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/config XDG_DATA_HOME=$work/home/data \
  XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen CALDRIX_DRIVER=sim
exe=$work/prefix/bin/caldrix
reg=$work/home/config/caldrix/HKEY_CURRENT_USER.reg

# Starts caldrix in the background; its id lands in $started.
start() {
  "$exe" 2>>"$work/$1.stderr" &
  started=$!
  pids+=("$started")
}

# Waits until the program at $1 has its SIGTERM handler and settings key.
wait_ready() {
  for _ in $(seq 300); do
    kill -0 "$1" 2>/dev/null || { cat "$work"/*.stderr >&2; fail "caldrix ended by itself"; }
    if catches_sigterm "$1" && [ -s "$reg" ]; then
      return 0
    fi
    sleep 0.1
  done
  fail "caldrix did not get ready"
}

# Everything the program writes: its settings and its logs. The temporaries
# of its saves (a settings file's name.XXXXXX, name.new, name.tmp) come and go
# while it runs and are no part of it; nor is a file that goes between being
# listed and being read.
snapshot() {
  find "$work/home" "$work/prefix/bin" -type f ! -name '*.lock' ! -name '*.reg.??????' ! -name '*.new' \
    ! -name '*.tmp' -print0 |
    while IFS= read -r -d '' file; do
      { sum=$(sha256sum <"$file"); } 2>/dev/null && echo "${sum%% *}  $file"
    done | sort
}

start first
first=$started
wait_ready "$first"
# The first instance finishes its own start (log files, first poll) before
# the second is compared against it.
before=$(snapshot)
for _ in $(seq 50); do
  sleep 0.2
  now=$(snapshot)
  [ "$now" = "$before" ] && break
  before=$now
done

status=0
timeout 20 "$exe" 2>"$work/second.stderr" || status=$?
[ "$status" -eq 0 ] || { cat "$work/second.stderr" >&2; fail "the second start ended with status $status"; }
grep -q "Caldrix is already running." "$work/second.stderr" || fail "the second start did not say so"
kill -0 "$first" 2>/dev/null || fail "the first instance ended"
[ "$(snapshot)" = "$before" ] || fail "the second start changed the settings or the logs"

# A second start on a machine without the chip: the chip is asked first, so
# its notice comes before the instance's.
printf 'CheckLM78 0\n' >"$work/no-chip"
status=0
CALDRIX_SIM_SCENARIO=$work/no-chip timeout 20 "$exe" 2>"$work/no-chip.stderr" || status=$?
[ "$status" -eq 0 ] || { cat "$work/no-chip.stderr" >&2; fail "the second start without a chip ended with status $status"; }
notice=$(grep -nF "No LM78 Detected. There will be no Motherboard Temperature, Voltage or Fan readouts" \
  "$work/no-chip.stderr" | head -n 1 | cut -d: -f1)
running=$(grep -nF "Caldrix is already running." "$work/no-chip.stderr" | head -n 1 | cut -d: -f1)
[ -n "$notice" ] && [ -n "$running" ] && [ "$notice" -lt "$running" ] ||
  { cat "$work/no-chip.stderr" >&2; fail "expected the no-chip notice, then \"Caldrix is already running.\""; }
kill -0 "$first" 2>/dev/null || fail "the first instance ended"
[ "$(snapshot)" = "$before" ] || fail "the second start without a chip changed the settings or the logs"

# A crash leaves the socket behind; the next start must not be blocked by it.
kill -KILL "$first"
wait "$first" 2>/dev/null || true
[ -S "$work/runtime/caldrix/Caldrix" ] || fail "expected the crashed instance's socket to remain"
start third
third=$started
wait_ready "$third"
sleep 0.5
kill -0 "$third" 2>/dev/null || fail "the start after a crash did not keep running"
grep -q "already running" "$work/third.stderr" && fail "the start after a crash was taken for a second instance"
kill -TERM "$third"
wait "$third" || fail "caldrix ended with status $? on SIGTERM"
[ ! -e "$work/runtime/caldrix/Caldrix" ] || fail "a clean end left its socket behind"
# A runtime folder that is not this user's own closed folder, or a lock file
# that is a link, is never used: the start says why and ends, rather than
# run unseen beside another instance.
refused() {
  status=0
  timeout 20 "$exe" 2>"$work/refused.stderr" || status=$?
  [ "$status" -ne 124 ] || fail "a start with $1 did not end"
  grep -q "$2" "$work/refused.stderr" && grep -q "does not start" "$work/refused.stderr" \
    || { cat "$work/refused.stderr" >&2; fail "a start with $1 did not say why it ends"; }
}
before=$(snapshot)
chmod 777 "$work/runtime/caldrix"
refused "an open runtime folder" "has the mode 0777"
chmod 700 "$work/runtime/caldrix"
if [ "$(id -u)" -eq 0 ]; then
  chown 65534 "$work/runtime/caldrix"
  refused "another user's runtime folder" "belongs to another user"
  chown 0 "$work/runtime/caldrix"
else
  echo "check-single-instance: another user's folder needs root to be made; that case is skipped"
fi
rm -f "$work/runtime/caldrix/Caldrix.lock"
ln -s "$work/elsewhere" "$work/runtime/caldrix/Caldrix.lock"
refused "a linked lock file" "Caldrix.lock"
[ ! -e "$work/elsewhere" ] || fail "the lock file's link was followed"
[ "$(snapshot)" = "$before" ] || fail "a refused start changed the settings or the logs"
echo "one Caldrix per user; a crashed one does not block the next; an untrusted folder is refused"
