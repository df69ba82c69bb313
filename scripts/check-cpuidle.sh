#!/usr/bin/env bash
# The CPU Idle program with Caldrix, both installed and run as a user would:
#  1. the frequency limit on a fabricated cpufreq tree mounted over the real
#     folder inside a user and mount namespace: lowered while it runs, put
#     back on SIGTERM, repaired after kill -9 by the next start, and left alone
#     where the files cannot be written (skipped where namespaces are refused);
#  2. a scripted temperature crossing the launch value starts it once through
#     its registration, crossing down to the close value closes it, both are
#     logged; "caldrix --show" reaches the running Caldrix instead of starting
#     a second one; a malformed datagram to Caldrix is dropped and logged.
# Usage: check-cpuidle.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath "${1:-${CALDRIX_BUILD_DIR:-build}}")
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill -KILL "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "check-cpuidle: $*" >&2; exit 1; }
# Waits up to 60 s for a condition given as a command.
await() { for _ in $(seq 600); do if eval "$1"; then return 0; fi; sleep 0.1; done; return 1; }

cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
prefix=$work/prefix
companion=$prefix/bin/caldrix-cpuidle
[ -x "$companion" ] || fail "caldrix-cpuidle was not installed"

# --- 1. The frequency limit inside a namespace -------------------------------
cpufreq=/sys/devices/system/cpu/cpufreq
if [ -d "$cpufreq" ] && unshare -rm true 2>/dev/null; then
  mkdir -m 700 "$work/ns"
  WORK=$work/ns COMPANION=$companion CPUFREQ=$cpufreq unshare -rm bash -euo pipefail -c '
    fail() { echo "check-cpuidle (namespace): $*" >&2; exit 1; }
    await() { for _ in $(seq 600); do if eval "$1"; then return 0; fi; sleep 0.1; done; return 1; }
    mount -t tmpfs -o size=1m cpufreq "$CPUFREQ"
    for p in 0 1; do
      mkdir "$CPUFREQ/policy$p"
      echo 3400000 >"$CPUFREQ/policy$p/scaling_max_freq"
      echo $((400000 * (p + 1))) >"$CPUFREQ/policy$p/cpuinfo_min_freq"
      echo 3400000 >"$CPUFREQ/policy$p/cpuinfo_max_freq"
    done
    limits() { cat "$CPUFREQ/policy0/scaling_max_freq" "$CPUFREQ/policy1/scaling_max_freq" | tr "\n" " "; }
    run() {
      : >"$WORK/stderr"
      HOME=$WORK XDG_RUNTIME_DIR=$WORK QT_QPA_PLATFORM=offscreen "$COMPANION" >/dev/null 2>>"$WORK/stderr" &
      pid=$!
    }
    run
    await "[ \"\$(limits)\" = \"400000 800000 \" ]" || fail "the limits were not lowered: $(limits)"
    kill -TERM "$pid"; wait "$pid" || fail "the program ended with status $? on SIGTERM"
    [ "$(limits)" = "3400000 3400000 " ] || fail "SIGTERM left the limits at $(limits)"

    run
    await "[ \"\$(limits)\" = \"400000 800000 \" ]" || fail "the limits were not lowered again"
    kill -KILL "$pid"; { wait "$pid"; } 2>/dev/null || true
    [ "$(limits)" = "400000 800000 " ] || fail "kill -9 cannot have put anything back"
    run
    await "grep -q \"limited to\" \"$WORK/stderr\"" || fail "the next start did not lower the limits"
    kill -TERM "$pid"; wait "$pid" || true
    [ "$(limits)" = "3400000 3400000 " ] || fail "the run after kill -9 left the limits at $(limits)"

    mount -o remount,ro "$CPUFREQ"
    run
    await "grep -q \"Nothing was changed\" \"$WORK/stderr\"" || { cat "$WORK/stderr" >&2; fail "a read-only tree was not reported"; }
    kill -TERM "$pid"; wait "$pid" || true
    [ "$(limits)" = "3400000 3400000 " ] || fail "a read-only tree changed"
  ' || fail "the frequency limit checks failed"
  echo "frequency limit: lowered, restored on SIGTERM, repaired after kill -9, read-only left alone"
else
  echo "frequency limit: skipped (no cpufreq folder or no namespaces here)"
fi

# --- 2. Launched and closed by Caldrix ---------------------------------------
home=$work/home
mkdir -m 700 "$home"
mkdir -p "$work/cpufreq/policy0"
echo 3400000 >"$work/cpufreq/policy0/scaling_max_freq"
echo 800000 >"$work/cpufreq/policy0/cpuinfo_min_freq"
echo 3400000 >"$work/cpufreq/policy0/cpuinfo_max_freq"
cat >"$work/scenario" <<'SCN'
# WB1 rises through the launch value (45), stays, then falls to the close value (42)
GetLM78Temp 41 43 46 47 47 47 47 47 47 47 47 47 47 47 47 47 47 47 47 47 44 42 40
SCN
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home \
  QT_QPA_PLATFORM=offscreen CALDRIX_DRIVER=sim CALDRIX_SIM_SCENARIO=$work/scenario \
  CALDRIX_CPUFREQ_ROOT=$work/cpufreq

"$companion" --register >/dev/null || fail "--register failed"
grep -q "^\"Path\"=\"$companion\"" "$home/config/caldrix/HKEY_LOCAL_MACHINE.reg" ||
  fail "--register did not write the path"

reg=$home/config/caldrix/HKEY_CURRENT_USER.reg
start_caldrix() {
  "$prefix/bin/caldrix" >>"$work/stdout" 2>>"$work/stderr" &
  caldrix=$!
  pids+=("$caldrix")
  await "[ -S \"$home/caldrix/Caldrix\" ]" || { cat "$work/stderr" >&2; fail "caldrix did not open its endpoint"; }
}
# First run: the settings are written at exit.
start_caldrix
kill -TERM "$caldrix"; wait "$caldrix" || fail "caldrix ended with status $? on SIGTERM"
set_value() { sed -i -e "s/^\"$1\"=dword:[0-9a-f]*/\"$1\"=dword:$2/" "$reg"; grep -q "^\"$1\"=dword:$2" "$reg" || fail "no \"$1\" in the settings"; }
set_value "Use CPUIdle" 00000001
set_value "Close CPUIdle" 00000001
set_value "CPUIdle Alarm Value" 0000002d
set_value "CPUIdle Close Value" 0000002a
set_value "Write Errors" 00000001
set_value "InterVal" 000003e8

start_caldrix
companion_running() { pgrep -f -x "$companion" >/dev/null; }
await companion_running || { cat "$work/stderr" >&2; fail "the temperature crossing did not start CPU Idle"; }
await "[ \"\$(cat \"$work/cpufreq/policy0/scaling_max_freq\")\" = 800000 ]" || fail "CPU Idle did not lower the limit"

# Another program asks the running Caldrix to show itself: no second instance.
timeout 20 "$prefix/bin/caldrix" --show || fail "caldrix --show did not return at once"
[ "$(pgrep -c -f -x "$prefix/bin/caldrix")" = 1 ] || fail "caldrix --show started a second instance"
# A malformed datagram from some program is dropped and noted.
if command -v python3 >/dev/null; then
  python3 -c 'import socket,sys; s=socket.socket(socket.AF_UNIX, socket.SOCK_DGRAM); s.sendto(b"junk", sys.argv[1])' \
    "$home/caldrix/Caldrix"
  await "grep -q 'was dropped' \"$work/stderr\"" || fail "a malformed message to caldrix was not noted"
fi

await "! companion_running" || fail "the fall to the close value did not close CPU Idle"
[ "$(cat "$work/cpufreq/policy0/scaling_max_freq")" = 3400000 ] || fail "closing CPU Idle did not restore the limit"
sleep 3 # no second launch follows
companion_running && fail "CPU Idle was started again"
kill -TERM "$caldrix"; wait "$caldrix" || fail "caldrix ended with status $? on SIGTERM"

log=$prefix/bin/cdxwarnlog.txt
[ -f "$log" ] || log=$home/data/caldrix/cdxwarnlog.txt
[ "$(grep -c 'CPU Idle was launched by CDX.' "$log")" = 1 ] || { cat "$log" >&2; fail "expected one launch in the warning log"; }
[ "$(grep -c 'CPU Idle was closed by CDX.' "$log")" = 1 ] || { cat "$log" >&2; fail "expected one close in the warning log"; }
grep -q 'WB1: 4[0-9] °C' "$work/stdout" 2>/dev/null || true
echo "launched and closed by the scripted temperature; --show reached the running instance"
