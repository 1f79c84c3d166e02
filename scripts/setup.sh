#!/usr/bin/env bash
# Installs what building, running and testing the installer need on Debian 12.
# Idempotent: does nothing when everything is already there.
set -euo pipefail

packages=(libunrar-dev unrar rar qt6-base-dev libgl-dev xvfb xdotool x11-apps
          imagemagick fonts-liberation fonts-terminus-otb cmake ninja-build g++
          libfreetype-dev libfontconfig-dev patchelf openbox zstd libxcb1-dev
          x11-utils wmctrl)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# unrar, rar and libunrar live in Debian's non-free component: add it to the
# Components line of every existing Debian source entry that lacks it.
enable_non_free() {
  local f
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] || continue
    grep -Eq '^Components:.*[[:space:]]non-free([[:space:]]|$)' "$f" && continue
    as_root sed -i -E '/^Components:/ s/$/ non-free/' "$f"
  done
  if [ -f /etc/apt/sources.list ]; then
    as_root sed -i -E '/^deb(-src)? .*debian/ { / non-free( |$)/! s/$/ non-free/ }' /etc/apt/sources.list
  fi
}

enable_non_free
export DEBIAN_FRONTEND=noninteractive
as_root apt-get update -qq
as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
