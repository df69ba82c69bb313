#!/usr/bin/env bash
# Notes, before the test run, what the run could leave behind outside the build
# tree's scratch places: the program folder of the build tree and Caldrix's
# (and its audio stack's) folders in the real home; after the run, fails when
# any of it changed.
# Usage: test-traces.sh record|compare <program folder> <state file>
set -euo pipefail
mode=${1:?usage: test-traces.sh record|compare <program folder> <state file>}
bin=${2:?program folder}
state=${3:?state file}

snapshot() {
  echo "# $bin"
  (cd "$bin" && find . -mindepth 1 -maxdepth 1 | LC_ALL=C sort)
  echo "# home"
  for p in .config/caldrix .local/share/caldrix .config/autostart/caldrix.desktop .config/pulse \
    .local/share/Trash .cache/caldrix .local/state/caldrix; do
    [ -e "$HOME/$p" ] && echo "$p"
  done
  return 0
}

case $mode in
record) snapshot >"$state" ;;
compare)
  if ! diff -u "$state" <(snapshot) >&2; then
    echo "the test run left the files above (+) in the program folder or the real home" >&2
    exit 1
  fi
  echo "the test run left nothing behind"
  ;;
*) echo "unknown mode $mode" >&2; exit 2 ;;
esac
