#!/usr/bin/env bash
# Runs a test command with a home and XDG folders of its own, removed
# afterwards, so that no test reads or writes the real home.
# Usage: run-isolated.sh <command> [arguments...]
set -euo pipefail
home=$(mktemp -d "${TMPDIR:-/tmp}/caldrix-test-home.XXXXXX")
trap 'rm -rf "$home"' EXIT
mkdir -m 700 "$home/runtime"
export HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache \
  XDG_STATE_HOME=$home/state XDG_RUNTIME_DIR=$home/runtime
"$@"
