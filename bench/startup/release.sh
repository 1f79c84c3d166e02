#!/usr/bin/env bash
# Start-up time of the released program (bundled libraries, qt.conf, fonts in
# its resources) against build/installer on the system's libraries: from the
# start of the process to its main window being mapped, on Xvfb with openbox.
# Runs alternate, after one warm-up run each; prints every run and the medians.
#   bench/startup/release.sh [RUNS]   (default 15 each; needs a built build/)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
runs=${1:-15}
export DESKTOP_BUILD=${DESKTOP_BUILD:-$root/build}
source "$root/tests/desktop/lib.sh"

release="$DESKTOP_WORK/release"
desktop_make_release "$release"
desktop_start 400

# Milliseconds from the start of PROGRAM in the release folder to its main
# window being visible.
start_time() { # PROGRAM
  local begin end
  begin=$(date +%s%N)
  desktop_start_installer "$release" "$1"
  until xdotool search --onlyvisible --name '^Installer$' >/dev/null 2>&1; do
    kill -0 "$INSTALLER_PID" 2>/dev/null || desktop_fail "$1 ended before showing its window"
    sleep 0.005
  done
  end=$(date +%s%N)
  kill "$INSTALLER_PID"
  wait "$INSTALLER_PID" 2>/dev/null || true
  INSTALLER_PID=""
  desktop_window_gone '^Installer$' 10
  echo $(((end - begin) / 1000000))
}

median() {
  sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

start_time "$release/installer" >/dev/null
start_time "$DESKTOP_BUILD/installer" >/dev/null
bundled=()
unbundled=()
for i in $(seq "$runs"); do
  bundled+=("$(start_time "$release/installer")")
  unbundled+=("$(start_time "$DESKTOP_BUILD/installer")")
  echo "run $i: bundled ${bundled[-1]} ms, unbundled ${unbundled[-1]} ms"
done
b=$(printf '%s\n' "${bundled[@]}" | median)
u=$(printf '%s\n' "${unbundled[@]}" | median)
echo "median start-up: bundled $b ms, unbundled $u ms, ratio $(awk -v b="$b" -v u="$u" 'BEGIN { printf "%.3f", b / u }')"
echo "release folder: $(du -sb "$release" | cut -f1) bytes (program and .installer/: $(du -sb "$release/installer" "$release/.installer" | awk '{ s += $1 } END { print s }') bytes)," \
     "packed with tar --zstd: $(tar --zstd -cf - -C "$release" . | wc -c) bytes"
