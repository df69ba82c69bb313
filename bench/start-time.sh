#!/usr/bin/env bash
# Start time of the installed Caldrix with the simulated driver: from launch to
# the end of the first poll and to the event loop's first turn (window or tray
# shown), as the program reports them under CALDRIX_START_TRACE. Each run has
# a fresh home holding the default settings as a first start saves them, so
# every run is an everyday start (a first start under a display would wait on
# its questions). Runs on $DISPLAY when set, else on Qt's offscreen platform.
# Not part of the test run.
# Usage: bench/start-time.sh [caldrix executable] [runs]
#   default executable: ./build installed into a scratch prefix; default runs: 10
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
exe=${1:-}
runs=${2:-10}
if [ -z "$exe" ]; then
  cmake --install "${CALDRIX_BUILD_DIR:-build}" --prefix "$work/prefix" >/dev/null
  exe=$work/prefix/bin/caldrix
fi
[ -n "${DISPLAY:-}" ] || export QT_QPA_PLATFORM=offscreen

# The default settings, saved by a first start without a display.
seed=$work/seed
bash bench/default-settings.sh "$exe" "$seed" >/dev/null

poll=()
shown=()
for run in $(seq "$runs"); do
  home=$work/home-$run
  mkdir -p -m 700 "$home"
  cp -r "$seed/config" "$home/config"
  : >"$work/stderr-$run"
  HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home \
    CALDRIX_DRIVER=sim CALDRIX_START_TRACE=$(date +%s%N) "$exe" 2>"$work/stderr-$run" &
  pid=$!
  for _ in $(seq 200); do
    grep -q 'window or tray shown' "$work/stderr-$run" && break
    sleep 0.05
  done
  kill -TERM "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  poll+=("$(sed -n 's/^Caldrix: start: first poll after \([0-9.]*\) ms$/\1/p' "$work/stderr-$run")")
  shown+=("$(sed -n 's/^Caldrix: start: window or tray shown after \([0-9.]*\) ms$/\1/p' "$work/stderr-$run")")
  if [ -z "${poll[-1]}" ] || [ -z "${shown[-1]}" ]; then
    cat "$work/stderr-$run" >&2
    echo "run $run: no start trace from $exe" >&2
    exit 1
  fi
done

summary() { # label, values...
  local label=$1
  shift
  printf '%s\n' "$@" | sort -n | awk -v label="$label" '
    { v[NR] = $1 }
    END { printf "%-22s median %7.1f ms   min %7.1f ms   max %7.1f ms\n", label, v[int((NR + 1) / 2)], v[1], v[NR] }'
}
echo "Caldrix start, $runs runs, simulated driver, ${QT_QPA_PLATFORM:-display $DISPLAY}:"
summary "to the first poll" "${poll[@]}"
summary "to window/tray shown" "${shown[@]}"
