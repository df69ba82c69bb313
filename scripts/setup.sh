#!/usr/bin/env bash
# Installs the Debian packages Caldrix needs to build, test and run; only the
# missing ones, so a second run does nothing.
set -euo pipefail

packages=(
  cmake g++ ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-httpserver-dev qt6-websockets-dev libqt6svg6
  libsensors-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation
  util-linux clang-format
  xdg-utils
  xvfb
  locales-all
  dbus qt6-wayland weston
  openbox xdotool wmctrl x11-utils trayer
  at-spi2-core python3-pyatspi
  prometheus
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "Caldrix: these Debian packages are missing: ${missing[*]}" >&2
    echo "Caldrix: install them as root (for example after 'su -'), then run this again:" >&2
    echo "  apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
  sudo_cmd=(sudo)
fi
echo "Caldrix: installing ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
