#!/usr/bin/env bash
# Installs what is missing, builds and starts Caldrix.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Caldrix: no display found: starting on Qt's offscreen platform (monitoring and logging run, nothing is shown)."
  export QT_QPA_PLATFORM=offscreen
fi
exec "${CALDRIX_BUILD_DIR:-build}/bin/caldrix"
