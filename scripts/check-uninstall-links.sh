#!/usr/bin/env bash
# The uninstaller against folders inside its prefix that are symbolic links
# (a share/caldrix or a bin pointing elsewhere): the files behind them are
# not removed, the rest of the installation is, and the run says what stayed.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "check-uninstall-links: $*" >&2; exit 1; }

prefix=$work/prefix
mkdir -p "$prefix/lib/caldrix" "$prefix/share/doc" "$work/outside/data" "$work/outside/bin"
install -m 755 data/caldrix-uninstall.sh "$prefix/lib/caldrix/caldrix-uninstall"
echo keep >"$work/outside/data/Index.html"
echo keep >"$work/outside/bin/caldrix"
ln -s "$work/outside/data" "$prefix/share/caldrix"
ln -s ../outside/bin "$prefix/bin"
echo installed >"$prefix/share/doc/notes"
printf '%s\n' bin/caldrix share/caldrix/Index.html share/doc/notes lib/caldrix/caldrix-uninstall \
  lib/caldrix/installed-files >"$prefix/lib/caldrix/installed-files"

status=0
"$prefix/lib/caldrix/caldrix-uninstall" 2>"$work/stderr" >/dev/null || status=$?
[ "$status" -eq 1 ] || fail "the uninstaller ended with $status instead of 1"
[ "$(cat "$work/outside/data/Index.html")" = keep ] || fail "a file behind share/caldrix was removed"
[ "$(cat "$work/outside/bin/caldrix")" = keep ] || fail "a file behind bin was removed"
[ ! -e "$prefix/share/doc/notes" ] || fail "a file inside the prefix stayed"
[ ! -e "$prefix/lib/caldrix/caldrix-uninstall" ] || fail "the uninstaller itself stayed"
grep -qF "$prefix/bin/caldrix is reached through a symbolic link" "$work/stderr" \
  || fail "nothing said about bin/caldrix: $(cat "$work/stderr")"
grep -qF "$prefix/share/caldrix/Index.html is reached through a symbolic link" "$work/stderr" \
  || fail "nothing said about share/caldrix/Index.html: $(cat "$work/stderr")"
echo "files behind symbolic links inside the prefix are left alone"
