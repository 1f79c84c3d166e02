#!/usr/bin/env bash
# Start-up benchmark: the time from starting the installer until the X server
# maps its main window, against a bare Qt program that shows a frameless
# window of the same size with the same picture. Runs on a private Xvfb
# server, alternating the two programs, in the demo release folder and in a
# copy of it holding 10,000 sub-folders. Prints every run and the medians of
# the wall time and of the processor time used until then; on a loaded
# machine the processor time is the steadier figure.
#   bench/startup/run.sh [RUNS]   (default 11, at least 9)
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
build=$root/build
runs=${1:-11}
[ "$runs" -ge 9 ] || { echo "run at least 9 times" >&2; exit 2; }

cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target installer bench_bare_window bench_map_waiter >/dev/null
installer=$build/installer
bare=$build/bench/startup/bench_bare_window
waiter=$build/bench/startup/bench_map_waiter

work=$(mktemp -d /tmp/bench-startup.XXXXXX)
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

./scripts/make_demo.sh "$work/demo" >/dev/null
cp -r "$work/demo" "$work/crowded"
(cd "$work/crowded" && seq -f 'folder%05g' 1 10000 | xargs mkdir)

# The server picks a free display and writes its number.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
# Qt warns on every start without a private runtime folder.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

# One warm-up of each, so the first measured run does not pay for cold caches.
(cd "$work/demo" && "$waiter" "$installer" >/dev/null && "$waiter" "$bare" >/dev/null)

echo "start-up to main window mapped, $runs alternating runs each: wall time and processor time (s)"
for folder in demo crowded; do
  : >"$work/installer.times"
  : >"$work/bare.times"
  cd "$work/$folder"
  for i in $(seq "$runs"); do
    "$waiter" "$installer" >>"$work/installer.times"
    "$waiter" "$bare" >>"$work/bare.times"
    echo "  $folder run $i: installer $(tail -n 1 "$work/installer.times"), bare $(tail -n 1 "$work/bare.times")"
  done
  iw=$(cut -d' ' -f1 "$work/installer.times" | median)
  ic=$(cut -d' ' -f2 "$work/installer.times" | median)
  bw=$(cut -d' ' -f1 "$work/bare.times" | median)
  bc=$(cut -d' ' -f2 "$work/bare.times" | median)
  awk -v f="$folder" -v n="$(ls | wc -l)" -v iw="$iw" -v ic="$ic" -v bw="$bw" -v bc="$bc" 'BEGIN {
    printf "%-8s %5d entries  wall: installer %.4f, bare %.4f, ratio %.2f   processor: installer %.4f, bare %.4f, ratio %.2f\n",
           f, n, iw, bw, iw / bw, ic, bc, ic / bc }' >>"$work/summary"
done
cd "$root"
echo "medians:"
cat "$work/summary"
