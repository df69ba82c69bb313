#!/bin/sh
# Removes an installed Caldrix: every file the installation put below its
# prefix, as listed at install time in "installed-files" beside this script
# (paths relative to the prefix), and the program's own folders once empty.
# The prefix is found from where this script lies, so a moved prefix is
# removed where it now is. The user's settings and logs are not touched here:
# the program's "Un-Install" command removes those before it starts this.
set -u
here=$(cd "$(dirname "$0")" && pwd -P)
prefix=$(cd "$here/../.." && pwd -P)
list=$here/installed-files

if [ ! -f "$list" ]; then
  echo "caldrix-uninstall: $list is missing; nothing was removed" >&2
  exit 1
fi

status=0
folders=""
while IFS= read -r relative || [ -n "$relative" ]; do
  case $relative in
    '' | /* | ../* | */../* | *'/..') continue ;; # only paths inside the prefix
  esac
  path=$prefix/$relative
  if [ -e "$path" ] || [ -L "$path" ]; then
    if ! rm -f -- "$path"; then
      echo "caldrix-uninstall: cannot remove $path" >&2
      status=1
    fi
  fi
  folders="$folders
$(dirname "$relative")"
done <"$list"

# The program's own folders (those named caldrix and below them) go when
# they are empty, the deepest first; shared ones such as bin stay.
echo "$folders" | sort -ru | while IFS= read -r folder; do
  case /$folder/ in
    */caldrix/*)
      while :; do
        rmdir -- "$prefix/$folder" 2>/dev/null || break
        folder=$(dirname "$folder")
        case /$folder/ in */caldrix/*) ;; *) break ;; esac
      done
      ;;
  esac
done

if [ "$status" -ne 0 ]; then
  echo "caldrix-uninstall: some files stayed; they may need another user's rights (root for a system-wide install)" >&2
else
  echo "caldrix-uninstall: Caldrix was removed from $prefix"
fi
exit "$status"
