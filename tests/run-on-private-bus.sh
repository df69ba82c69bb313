#!/usr/bin/env bash
# Runs a test command as run-isolated.sh does, on a session bus of its own
# that starts no services by itself.
# Usage: run-on-private-bus.sh <command> [arguments...]
set -euo pipefail
here=$(dirname "$(realpath "$0")")
exec bash "$here/run-isolated.sh" dbus-run-session --config-file="$here/support/session-bus.conf" -- "$@"
