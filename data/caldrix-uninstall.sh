#!/bin/sh
# Removes an installed Caldrix: every file the installation put below its
# prefix, as listed at install time in "installed-files" beside this script
# (paths relative to the prefix), and the program's own folders once empty.
# The prefix is found from where this script lies, so a moved prefix is
# removed where it now is. A file reached through a folder that is a symbolic
# link is left alone: it lies outside the installation. The user's settings and logs are not touched here:
# the program's "Un-Install" command removes those before it starts this.
set -u
here=$(cd "$(dirname "$0")" && pwd -P)
prefix=$(cd "$here/../.." && pwd -P)
list=$here/installed-files

if [ ! -f "$list" ]; then
  echo "caldrix-uninstall: $list is missing; nothing was removed" >&2
  exit 1
fi

# Succeeds when a folder on the way from the prefix to the file $1 is a
# symbolic link: the path then leads outside the installation.
through_link() {
  set -f
  old_ifs=$IFS
  IFS=/
  at=$prefix
  found=1
  for part in $(dirname "$1"); do
    [ "$part" = . ] && continue
    at=$at/$part
    if [ -L "$at" ]; then
      found=0
      break
    fi
  done
  IFS=$old_ifs
  set +f
  return "$found"
}

status=0
folders=""
while IFS= read -r relative || [ -n "$relative" ]; do
  case $relative in
    '' | /* | ../* | */../* | *'/..') continue ;; # only paths inside the prefix
  esac
  path=$prefix/$relative
  if through_link "$relative"; then
    echo "caldrix-uninstall: $path is reached through a symbolic link ($at); it is not removed" >&2
    status=1
    continue
  fi
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
