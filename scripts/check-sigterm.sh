#!/usr/bin/env bash
# Starts Caldrix on Qt's offscreen platform, sends it SIGTERM once it handles
# that signal, and succeeds when it ends by itself with exit status 0. Then,
# on a virtual display (Xvfb), the same while the first start's question is on
# screen: the program must end without anyone answering, having stored nothing.
# Usage: check-sigterm.sh <path of the caldrix executable>
# (its libraries in ../lib/caldrix beside its folder, as installed or built)
set -euo pipefail
source "$(dirname "$0")/catches-sigterm.sh"
original=$(realpath "${1:?usage: check-sigterm.sh <caldrix executable>}")
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

# The program writes its logs beside itself: it runs as a copy in a scratch
# folder, with its libraries where it looks for them (../lib/caldrix).
mkdir -p "$home/prefix/bin" "$home/prefix/lib"
cp "$original" "$home/prefix/bin/caldrix"
ln -s "$(realpath "$(dirname "$original")/../lib/caldrix")" "$home/prefix/lib/caldrix"
exe=$home/prefix/bin/caldrix

# run_and_end <label> <home>: starts the program, sends SIGTERM once it is
# handled, and checks it ends by itself with status 0.
run_and_end() {
local label=$1 home=$2
mkdir -p -m 700 "$home"
HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home \
  "$exe" &
pid=$!

# Wait (up to 30 s) until the program catches SIGTERM (bit 15 of SigCgt).
caught=0
for _ in $(seq 300); do
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid" || true
    echo "caldrix ended before it was asked to" >&2
    exit 1
  fi
  if catches_sigterm "$pid"; then
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
echo "caldrix ended cleanly on SIGTERM ($label)"
}

QT_QPA_PLATFORM=offscreen run_and_end "running" "$home/offscreen"

if ! command -v Xvfb >/dev/null; then
  echo "no Xvfb: the first-start question case is not checked"
  exit 0
fi
# The server picks a display number nobody uses and writes it once it
# listens (a number chosen here could be another session's, whose socket
# would then pass for this server's).
exec 3>"$home/display-number"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
exec 3>&-
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$home"' EXIT
for _ in $(seq 100); do
  [ -s "$home/display-number" ] && break
  kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
  sleep 0.1
done
[ -s "$home/display-number" ] || { echo "Xvfb did not start" >&2; exit 1; }
display=:$(head -n 1 "$home/display-number")
# The handler is in place before the first start asks its first question
# (the simulated driver chosen by name starts without a notice box).
DISPLAY=$display QT_QPA_PLATFORM=xcb CALDRIX_DRIVER=sim run_and_end "first-start question on screen" "$home/display"
if [ -e "$home/display/config/caldrix/HKEY_CURRENT_USER.reg" ]; then
  echo "caldrix stored settings although its first-start questions went unanswered" >&2
  exit 1
fi
