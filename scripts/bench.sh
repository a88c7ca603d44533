#!/usr/bin/env bash
# Measures the picture scanner against a plain copy of the same document.
#
#   scripts/bench.sh [MEBIBYTES]      (default 1024)
#
# Makes a document of thousands of pictures in random filler in a temporary
# folder, then, in alternating rounds, copies it (read all, write all) and
# scans it with the native engine; prints the median MB/s of both, their ratio
# and the engine's peak memory. Last, the Windows console tool scans the same
# file under Wine. The document and everything written are removed at the end.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
mebibytes=${1:-1024}
rounds=3

# Configured afresh: a tree made before bench/ existed does not know it.
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j2 --target velmo-bench velmo-extract >/dev/null
bench=build/release/bench/velmo-bench

work=$(mktemp -d "${TMPDIR:-/tmp}/velmo-bench.XXXXXX")
started_wine=no
cleanup() {
  rm -rf "$work"
  if [ "$started_wine" = yes ]; then bash scripts/wine-session.sh stop build/win || true; fi
}
trap cleanup EXIT

document=$work/document.doc
"$bench" generate "$document" "$mebibytes"
cat "$document" >/dev/null   # both start from a document in the page cache

# Every round starts with the disk's queue written out, so that neither side
# pays for the other's writes.
for ((round = 1; round <= rounds; round++)); do
  sync
  "$bench" copy "$document" "$work/copy.doc" >>"$work/copy.txt"
  rm -f "$work/copy.doc"
  sync
  "$bench" scan "$document" "$work/out" >>"$work/scan.txt"
  rm -rf "$work/out"
done

median() { grep "^$1 " "$work/$1.txt" | awk '{print $4}' | sort -n | sed -n "$(((rounds + 1) / 2))p"; }
copy_rate=$(median copy)
scan_rate=$(median scan)
peak_kb=$(awk '$1 == "scan" {print $5}' "$work/scan.txt" | sort -n | tail -1)
pictures=$(awk '$1 == "pictures" {print $2}' "$work/scan.txt" | tail -1)
echo "rounds:         $(paste -sd' ' <(awk '{print $1, $4}' "$work/copy.txt" "$work/scan.txt" | grep -v pictures))"
echo "plain copy:     $copy_rate MB/s (median of $rounds)"
echo "engine:         $scan_rate MB/s (median of $rounds), $pictures pictures"
echo "ratio:          $(awk -v s="$scan_rate" -v c="$copy_rate" 'BEGIN {printf "%.2f", s / c}') (target 0.8 or more)"
echo "peak memory:    $((peak_kb / 1024)).$(((peak_kb % 1024) * 10 / 1024)) MB resident (target under 8 MB)"

exe=dist/velmo-extract.exe
if [ ! -f "$exe" ] && [ -f build/win/CMakeCache.txt ] &&
  cmake --build build/win --target velmo-extract >/dev/null 2>&1; then
  mkdir -p dist && cp build/win/console/velmo-extract.exe "$exe"
fi
if [ ! -f "$exe" ]; then
  echo "Wine:           skipped, $exe is missing (run scripts/build.sh)"
  exit 0
fi
[ -f build/win/wine-prefix.ready ] || started_wine=yes
export VELMO_BUILD_DIR=$root/build/win
best=
for ((round = 1; round <= 2; round++)); do
  sync
  start=$(date +%s.%N)
  bash scripts/wine-run.sh "$exe" "Z:$document" "Z:$work/wine-out" >/dev/null
  seconds=$(awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN {print e - s}')
  wine_pictures=$(find "$work/wine-out" -type f | wc -l)
  rm -rf "$work/wine-out"
  if [ -z "$best" ] || awk -v a="$seconds" -v b="$best" 'BEGIN {exit !(a < b)}'; then best=$seconds; fi
done
bytes=$(stat -c %s "$document")
echo "Wine console:   $(awk -v b="$bytes" -v s="$best" 'BEGIN {printf "%.1f", b / s / 1e6}') MB/s" \
  "(best of 2, $best s with Wine start-up), $wine_pictures pictures"
