#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
#   scripts/test.sh             the normal build, in ./build (or $CALDRIX_BUILD_DIR)
#   scripts/test.sh --sanitize  a build with AddressSanitizer and
#                               UndefinedBehaviorSanitizer, in ./build-sanitize
# Extra arguments go to cmake.
set -euo pipefail
cd "$(dirname "$0")/.."
sanitize=0
if [ "${1:-}" = "--sanitize" ]; then
  sanitize=1
  shift
fi
bash scripts/setup.sh
if [ "$sanitize" -eq 1 ]; then
  export CALDRIX_BUILD_DIR=${CALDRIX_SANITIZE_BUILD_DIR:-build-sanitize}
  set -- -DCALDRIX_SANITIZE=ON -DCALDRIX_BUILD_BENCH=OFF "$@"
  # Leaks of the toolkit's own caches at exit are not ours to report.
  export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0:abort_on_error=1}
  export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
fi
bash scripts/build.sh "$@"
cd "${CALDRIX_BUILD_DIR:-build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
