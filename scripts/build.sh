#!/usr/bin/env bash
# Configures and builds Caldrix into ./build (or $CALDRIX_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${CALDRIX_BUILD_DIR:-build}
# Warnings are errors here (developers and CI); a packager's own cmake run keeps them warnings.
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALDRIX_WERROR=ON "$@" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
