#!/usr/bin/env bash
# Starts Caldrix on Qt's offscreen platform, sends it SIGTERM once it handles
# that signal, and succeeds when it ends by itself with exit status 0.
# Usage: check-sigterm.sh <path of the caldrix executable>
# (its libraries in ../lib/caldrix beside its folder, as installed or built)
set -euo pipefail
original=$(realpath "${1:?usage: check-sigterm.sh <caldrix executable>}")
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

# The program writes its logs beside itself: it runs as a copy in a scratch
# folder, with its libraries where it looks for them (../lib/caldrix).
mkdir -p "$home/prefix/bin" "$home/prefix/lib"
cp "$original" "$home/prefix/bin/caldrix"
ln -s "$(realpath "$(dirname "$original")/../lib/caldrix")" "$home/prefix/lib/caldrix"
exe=$home/prefix/bin/caldrix

HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home \
  QT_QPA_PLATFORM=offscreen "$exe" &
pid=$!

# Wait (up to 30 s) until the program catches SIGTERM (bit 15 of SigCgt).
caught=0
for _ in $(seq 300); do
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid" || true
    echo "caldrix ended before it was asked to" >&2
    exit 1
  fi
  mask=$(awk '/^SigCgt:/ {print $2}' "/proc/$pid/status" 2>/dev/null || echo 0)
  if (( (16#${mask:-0} >> 14) & 1 )); then
    caught=1
    break
  fi
  sleep 0.1
done
if [ "$caught" -ne 1 ]; then
  kill -KILL "$pid" 2>/dev/null || true
  echo "caldrix never installed its SIGTERM handler" >&2
  exit 1
fi

kill -TERM "$pid"
for _ in $(seq 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  kill -KILL "$pid" 2>/dev/null || true
  echo "caldrix did not end within 10 s of SIGTERM" >&2
  exit 1
fi
status=0
wait "$pid" || status=$?
if [ "$status" -ne 0 ]; then
  echo "caldrix ended with status $status on SIGTERM" >&2
  exit 1
fi
echo "caldrix ended cleanly on SIGTERM"
