#!/usr/bin/env bash
# Installs a built tree under a temporary prefix, moves the prefix elsewhere
# and checks that the moved program has its files, resolves every library and
# starts and ends cleanly.
# Usage: check-install.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath "${1:-${CALDRIX_BUILD_DIR:-build}}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build_dir" --prefix "$work/first" >/dev/null
mv "$work/first" "$work/moved"
prefix=$work/moved

fail() { echo "check-install: $*" >&2; exit 1; }
for f in bin/caldrix bin/caldrix-cpuidle share/applications/caldrix.desktop share/icons/hicolor/scalable/apps/caldrix.svg \
  lib/caldrix/libcaldrix_audio.so lib/caldrix/libcaldrix_metrics_http.so include/caldrix/driver.h \
  share/caldrix/Help/Index.html lib/caldrix/caldrix-uninstall lib/caldrix/installed-files; do
  [ -e "$prefix/$f" ] || fail "missing $f"
done
# The desktop entry names the program where it was installed.
grep -qxF "Exec=$work/first/bin/caldrix" "$prefix/share/applications/caldrix.desktop" \
  || fail "the desktop entry does not name $work/first/bin/caldrix"
# Installed stripped, and without the audio stack, the HTTP server or the SVG
# renderer: those load when first needed (the audio and metrics libraries), or
# not at all.
if grep -qE '^CMAKE_BUILD_TYPE:STRING=(Release|RelWithDebInfo|MinSizeRel)$' "$build_dir/CMakeCache.txt" \
  && readelf -S "$prefix/bin/caldrix" | grep -qF .debug_info; then
  fail "bin/caldrix was installed with its debug symbols"
fi
if readelf -d "$prefix/bin/caldrix" | grep -E 'NEEDED.*(Multimedia|Svg|Network)' >&2; then
  fail "bin/caldrix links libraries it should load only when needed"
fi
readelf -d "$prefix/bin/caldrix" | grep -E 'R(UN)?PATH' | grep -qF '[$ORIGIN/../lib/caldrix]' \
  || fail "the program's run path is not \$ORIGIN/../lib/caldrix"
for lib in "$prefix"/bin/caldrix "$prefix"/lib/caldrix/*.so*; do
  [ -e "$lib" ] || continue
  if ldd "$lib" | grep -q 'not found'; then
    ldd "$lib" >&2
    fail "unresolved libraries in $lib"
  fi
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/caldrix.desktop"
fi
bash scripts/check-sigterm.sh "$prefix/bin/caldrix" >/dev/null

# The installed uninstaller removes every file the install put there (the
# logs the run above wrote beside the program are the user's; the program's
# own "Un-Install" removes those).
"$prefix/lib/caldrix/caldrix-uninstall" >/dev/null || fail "the uninstaller failed"
left=$(find "$prefix" \( -type f -o -type l \) ! -name 'cdxlog.*' ! -name 'cdxwarnlog.*' ! -name 'updown.*')
[ -z "$left" ] || fail "the uninstaller left files behind: $left"
echo "installed program works from $prefix and uninstalls cleanly"
