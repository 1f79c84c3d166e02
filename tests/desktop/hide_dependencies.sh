#!/usr/bin/env bash
# Runs a command on a desktop that has none of the release's dependencies:
# inside a private mount namespace, hides every system copy of a library the
# release carries, every Qt 6 library, Qt's plugins and the Liberation and
# Terminus font files, by mounting /dev/null or an empty file system over them.
# Only the command sees this; nothing outside the namespace changes.
#   unshare -m --propagation private bash hide_dependencies.sh RELEASE COMMAND...
set -euo pipefail
release=$1
shift

hide_file() {
  mount --bind /dev/null "$1"
}
hide_folder() {
  mount -t tmpfs -o size=4k,mode=755 hidden "$1"
}

# The fonts first, while fc-list still runs: their folders, so that
# fontconfig finds them empty (its cache of a folder is not trusted once the
# folder's time has changed).
if command -v fc-list >/dev/null; then
  fc-list --format '%{file}\n' | grep -Ei 'liberation|terminus|/ter-' | xargs -r -n1 dirname | sort -u |
    while read -r folder; do hide_folder "$folder"; done
  if fc-list | grep -Eqi 'liberation|terminus'; then
    echo "hide_dependencies: the Liberation or Terminus fonts are still listed" >&2
    exit 1
  fi
fi
for folder in /usr/share/fonts/truetype/liberation /usr/share/fonts/truetype/liberation2 \
              /usr/share/fonts/opentype/terminus; do
  [ -d "$folder" ] && hide_folder "$folder"
done

libraries=()
for carried in "$release"/.installer/lib/*.so.*; do
  libraries+=("${carried##*/}")
done
libdirs=(/usr/lib/x86_64-linux-gnu /lib/x86_64-linux-gnu /usr/lib /lib /usr/lib64 /lib64)
declare -A hidden=()
for dir in "${libdirs[@]}"; do
  [ -d "$dir" ] || continue
  for file in "${libraries[@]/#/$dir/}" "$dir"/libQt6*.so*; do
    [ -e "$file" ] || continue
    real=$(realpath "$file")
    [ -f "$real" ] && [ -z "${hidden[$real]:-}" ] || continue
    hide_file "$real"
    hidden[$real]=1
  done
  [ -d "$dir/qt6" ] && hide_folder "$dir/qt6"
done

exec "$@"
