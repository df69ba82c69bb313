#!/usr/bin/env bash
# Fails when a source file of the repository is not laid out by clang-format
# with the project's .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
  echo "check-format: clang-format is not installed" >&2
  exit 1
fi
files=$(git ls-files '*.cpp' '*.h' '*.c' 2>/dev/null || find src tests bench tools drivers include -name '*.cpp' -o -name '*.h' -o -name '*.c')
# shellcheck disable=SC2086
clang-format --dry-run --Werror $files
echo "every source file is formatted"
