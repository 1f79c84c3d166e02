#!/usr/bin/env bash
# Extraction benchmark: the installer's progress window against unrar on the
# same archive of about 1 GiB (half text, half random data) in 100 MiB
# volumes, alternating, five runs each. Prints the median wall times, their
# ratio and the installer's peak memory.
#   bench/extract/run.sh [PARENT]   (a temporary folder in PARENT, default
#   build-extract; needs ~3 GiB there and is removed at the end)
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$(pwd)
build=$root/build-extract
runs=5

cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target bench_extract >/dev/null
work=$(mktemp -d "${1:-$build}/bench-extract.XXXXXX")
trap 'rm -rf "$work"' EXIT

release="$work/release"
mkdir -p "$work/content" "$release"
for i in $(seq 1 8); do
  head -c 64M /dev/urandom >"$work/content/random$i.bin"
  (set +o pipefail; yes "line $i of a compressible text file for the extraction benchmark" | head -c 64M) \
    >"$work/content/text$i.txt"
done
(cd "$work/content" && rar a -idq -m1 -v100m "$release/bench.rar" .)
rm -rf "$work/content"
first=$(cd "$release" && ls bench.part*.rar | sort | head -n 1)
printf 'Bench\r\nBench\r\nb.nfo\r\nb.diz\r\nBench\r\n%s\r\n' "$first" >"$release/install.ini"
echo "archive: $(du -sh "$release" | cut -f1) in $(ls "$release"/bench.part*.rar | wc -l) volumes"

now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

installer_times=()
unrar_times=()
peak_kib=0
for i in $(seq "$runs"); do
  rm -rf "$work/dest" && mkdir -p "$work/dest" && sync
  start=$(now)
  read -r _ rss status < <("$build/bench/extract/bench_extract" "$release" "$work/dest")
  end=$(now)
  [ "$status" = done ] || { echo "installer run failed: $status" >&2; exit 1; }
  installer_times+=("$(elapsed "$start" "$end")")
  [ "$rss" -gt "$peak_kib" ] && peak_kib=$rss

  rm -rf "$work/dest" && mkdir -p "$work/dest" && sync
  start=$(now)
  (cd "$work/dest" && unrar x -o+ -inul "$release/$(ls "$release" | grep 'part0*1\.rar$')")
  end=$(now)
  unrar_times+=("$(elapsed "$start" "$end")")
  echo "run $i: installer ${installer_times[-1]} s, unrar ${unrar_times[-1]} s"
done
rm -rf "$work/dest"

installer_median=$(printf '%s\n' "${installer_times[@]}" | median)
unrar_median=$(printf '%s\n' "${unrar_times[@]}" | median)
awk -v i="$installer_median" -v u="$unrar_median" \
  'BEGIN { printf "median wall time: installer %.2f s, unrar %.2f s, ratio %.3f\n", i, u, i / u }' 
echo "installer peak memory: $((peak_kib / 1024)) MiB"
