#!/usr/bin/env bash
# Makes a release folder that runs where it lands:
#   OUT/installer        the program, started by the user from OUT
#   OUT/.installer/      the libraries, Qt's xcb platform plugin and the
#                        licences it carries (release/CMakeLists.txt)
# and beside them the given release files (install.ini, the archive's
# volumes, the NFO and the DIZ), copied byte for byte.
# Usage: scripts/make_release.sh OUT [FILE...]
# Builds first when needed, in build/ (or in $INSTALLER_BUILD).
set -euo pipefail

if [ $# -lt 1 ] || [ -z "$1" ]; then
  echo "usage: $0 OUT [FILE...]" >&2
  exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=${INSTALLER_BUILD:-$root/build}
out=$1
shift
for file in "$@"; do
  [ -f "$file" ] || { echo "$0: $file is not a file" >&2; exit 1; }
done

[ -f "$build/build.ninja" ] || cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target installer_release >/dev/null

mkdir -p "$out"
out=$(cd "$out" && pwd)
rm -rf "$out/.installer" "$out/installer"
cmake --install "$build" --component release --prefix "$out" --strip >/dev/null

for file in "$@"; do
  [ "$(realpath "$file")" = "$(realpath -m "$out/${file##*/}")" ] && continue
  cp -p -- "$file" "$out/"
done

# The licence of every library carried, from the Debian package it came from.
if command -v dpkg >/dev/null; then
  for library in "$out"/.installer/lib/*.so.* "$out"/.installer/plugins/*/*.so; do
    [ -L "$library" ] && continue
    package=$(dpkg -S "*/${library##*/}" 2>/dev/null | head -n 1 | cut -d: -f1) || true
    [ -n "$package" ] && [ -f "/usr/share/doc/$package/copyright" ] || continue
    cp "/usr/share/doc/$package/copyright" "$out/.installer/licences/$package.txt"
  done
fi

echo "release in $out: installer, .installer/ ($(du -sh "$out/.installer" | cut -f1))${*:+ and $# release files}"
