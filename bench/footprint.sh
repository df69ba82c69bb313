#!/usr/bin/env bash
# Footprint of the installed Caldrix beside the floor program (a Qt Widgets
# program with a label, a tray icon and a 1 s timer: bench/floor), both idle and
# side by side under one Xvfb session with openbox and a tray host. Caldrix runs
# with its default settings but a 1 s poll, on the simulated driver. After a
# settling time it measures resident memory (RSS), proportional memory (PSS)
# and CPU over a fixed time, and prints both with the differences.
# Usage: bench/footprint.sh [caldrix executable] [floor executable] [seconds]
#   defaults: ./build installed into a scratch prefix, build/bin/caldrix_floor, 30 s
# Needs: xvfb, openbox, and trayer or stalonetray. Not part of the test run.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${CALDRIX_BUILD_DIR:-build}
work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

caldrix=${1:-}
floor=${2:-$build_dir/bin/caldrix_floor}
seconds=${3:-30}
settle=5
if [ -z "$caldrix" ]; then
  cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null
  caldrix=$work/prefix/bin/caldrix
fi
for tool in Xvfb openbox; do
  command -v "$tool" >/dev/null || { echo "footprint: $tool is missing (apt-get install xvfb openbox)" >&2; exit 1; }
done

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done
openbox >/dev/null 2>&1 &
pids+=($!)
if command -v trayer >/dev/null; then
  trayer --edge top --align right --widthtype request >/dev/null 2>&1 &
elif command -v stalonetray >/dev/null; then
  stalonetray >/dev/null 2>&1 &
else
  echo "footprint: no tray host (apt-get install trayer)" >&2
  exit 1
fi
pids+=($!)
sleep 1

# Caldrix's settings: the defaults, as a first run saves them, with a 1 s poll.
reg=$(bash bench/default-settings.sh "$caldrix" "$work/home-caldrix")
sed -i -E 's/^"Inter[Vv]al"=dword:[0-9a-f]+/"InterVal"=dword:000003e8/' "$reg"
grep -q '^"InterVal"=dword:000003e8' "$reg" || { echo "footprint: could not set a 1 s poll" >&2; exit 1; }

start() { # name, command...
  local name=$1 home=$work/home-$1
  shift
  mkdir -p -m 700 "$home"
  HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home \
    CALDRIX_DRIVER=sim QT_QPA_PLATFORM=xcb "$@" >"$work/$name.out" 2>&1 &
  pids+=($!)
  started=$!
}
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
kb() { awk -v key="$2:" '$1 == key {print $2}' "/proc/$1/${3:-status}"; }

start caldrix "$caldrix"
caldrix_pid=$started
start floor "$floor"
floor_pid=$started
sleep "$settle"
for p in "$caldrix_pid" "$floor_pid"; do
  kill -0 "$p" 2>/dev/null || { cat "$work"/*.out >&2; echo "footprint: a program ended early" >&2; exit 1; }
done
c0=$(ticks "$caldrix_pid")
f0=$(ticks "$floor_pid")
sleep "$seconds"
c1=$(ticks "$caldrix_pid")
f1=$(ticks "$floor_pid")
hz=$(getconf CLK_TCK)

report() { # name, pid, ticks before, ticks after
  local rss pss cpu
  rss=$(kb "$2" VmRSS)
  pss=$(kb "$2" Pss smaps_rollup)
  cpu=$(awk -v t=$(($4 - $3)) -v hz="$hz" -v s="$seconds" 'BEGIN {printf "%.3f", 100 * t / hz / s}')
  awk -v n="$1" -v r="$rss" -v p="$pss" -v c="$cpu" \
    'BEGIN {printf "%-8s RSS %7.1f MB   PSS %7.1f MB   CPU %6s %%\n", n, r / 1024, p / 1024, c}' >&2
  echo "$rss $pss $cpu"
}
echo "Idle footprint over $seconds s after $settle s, side by side on $display:" >&2
read -r crss cpss ccpu < <(report caldrix "$caldrix_pid" "$c0" "$c1")
read -r frss fpss fcpu < <(report floor "$floor_pid" "$f0" "$f1")
awk -v cr="$crss" -v fr="$frss" -v cp="$cpss" -v fp="$fpss" -v cc="$ccpu" -v fc="$fcpu" 'BEGIN {
  printf "caldrix - floor: RSS %+.1f MB (x%.2f), PSS %+.1f MB (x%.2f), CPU %+.3f pp\n",
    (cr - fr) / 1024, cr / fr, (cp - fp) / 1024, cp / fp, cc - fc }'
loaded=$(grep -oE 'lib(Qt6(Multimedia|Svg|Network)|pulse|caldrix_audio)[^ /]*\.so[^ ]*' "/proc/$caldrix_pid/maps" \
  | sort -u | tr '\n' ' ' || true)
echo "Qt Multimedia, Svg, Network or PulseAudio in caldrix: ${loaded:-none}"
sed 's/^/caldrix said: /' "$work/caldrix.out"
