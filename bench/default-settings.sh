#!/usr/bin/env bash
# Saves Caldrix's default settings into a home folder the way a first start
# without a display does (the first-run questions answered as by "I Agree" and
# "OK"), so that later starts in that home are everyday starts.
# Usage: bench/default-settings.sh <caldrix executable> <home folder>
# Prints the settings file's path. Used by the benchmarks and by
# scripts/check-close-box.sh.
set -euo pipefail
exe=${1:?usage: default-settings.sh <caldrix executable> <home folder>}
home=${2:?usage: default-settings.sh <caldrix executable> <home folder>}
mkdir -p -m 700 "$home"
reg=$home/config/caldrix/HKEY_CURRENT_USER.reg
HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home \
  CALDRIX_DRIVER=sim QT_QPA_PLATFORM=offscreen "$exe" >/dev/null 2>&1 &
pid=$!
for _ in $(seq 100); do
  [ -s "$reg" ] && break
  sleep 0.1
done
kill -TERM "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
[ -s "$reg" ] || { echo "default-settings: the first start saved no settings" >&2; exit 1; }
echo "$reg"
