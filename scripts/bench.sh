#!/usr/bin/env bash
# Measures the picture scanner against the least any extractor must do.
#
#   scripts/bench.sh [MEBIBYTES [BASELINE]]      (default 1024, no baseline)
#
# Makes a document of thousands of pictures in random filler in a temporary
# folder, then, in alternating rounds: reads it (read only), reads it and
# writes as many bytes as its pictures hold into as many files (the floor),
# and scans it with the native engine; prints the median of each, the ratio
# floor/scanner and the engine's peak memory. This is done twice: writing to
# the temporary folder's disk, and writing to memory (/dev/shm), where the
# file system's cost of creating thousands of files does not hide the
# engine's own speed.
# With a BASELINE (a git revision), that revision's engine is built too and
# scans in the same rounds: its median and the ratio of ours to it are printed.
# Then office-like documents, a ZIP package (.docx) and a compound file
# (.doc), are scanned at two sizes, an eighth and half of MEBIBYTES: their
# MB/s, and how time grows with size.
# Then 16 MiB of small JPEGs back to back are scanned: the CPU time a picture
# costs when pictures follow each other without a gap.
# Then the console tool scans 2,000 small documents (copies of the sample
# document in 20 folders) with --jobs 1 and --jobs 2, in alternating rounds.
# Last, the Windows console tool does both under Wine, beside the native one.
# The machine's load is printed with each part: on a shared machine the
# figures mean little without it. Everything written is removed at the end.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
mebibytes=${1:-1024}
baseline_ref=${2:-}
rounds=5

# Configured afresh: a tree made before bench/ existed does not know it.
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j2 --target velmo-bench velmo-extract >/dev/null
bench=build/release/bench/velmo-bench
extract=$root/build/release/console/velmo-extract

work=$(mktemp -d "${TMPDIR:-/tmp}/velmo-bench.XXXXXX")
memory=
started_wine=no
cleanup() {
  rm -rf "$work"
  [ -z "$memory" ] || rm -rf "$memory"
  if [ "$started_wine" = yes ]; then bash scripts/wine-session.sh stop build/win || true; fi
}
trap cleanup EXIT

load() {
  echo "  load average:  $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) processors"
}

median() {
  sort -n | sed -n "$(((rounds + 1) / 2))p"
}

baseline=
if [ -n "$baseline_ref" ]; then
  mkdir -p "$work/engine-then"
  git archive "$baseline_ref" | tar -x -C "$work/engine-then"
  cmake -S "$work/engine-then" -B "$work/engine-then/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$work/engine-then/build" -j2 --target velmo-bench >/dev/null
  baseline=$work/engine-then/build/bench/velmo-bench
fi

document=$work/document.doc
generated=$("$bench" generate "$document" "$mebibytes")
echo "$generated"
picture_count=$(echo "$generated" | awk '{print $4 + $7}')
picture_bytes=$(echo "$generated" | awk '{print $10}')

# measure PLACE LABEL: alternating rounds writing into PLACE.
measure() {
  local place=$1 label=$2 round results=$work/results-$RANDOM
  # The first floor, which pays for the first allocation of that much space
  # and brings the document into the page cache, is not counted.
  "$bench" floor "$document" "$place/warm" "$picture_count" "$picture_bytes" >/dev/null
  rm -rf "$place/warm"
  for ((round = 1; round <= rounds; round++)); do
    # Each side starts with the disk's queue written out, so that neither
    # pays for the other's writes.
    sync
    "$bench" read "$document" >>"$results"
    "$bench" floor "$document" "$place/floor$round" "$picture_count" "$picture_bytes" >>"$results"
    sync
    # The pictures stay until the end: ext4 is slow to hand out inodes among
    # thousands it has just freed, which would charge a round for the last one.
    "$bench" scan "$document" "$place/out$round" >>"$results"
    if [ -n "$baseline" ]; then
      sync
      "$baseline" scan "$document" "$place/base$round" | sed 's/^scan /baseline /' >>"$results"
    fi
  done
  rm -rf "$place"/out* "$place"/base* "$place"/floor*
  local read_s floor_s scan_s scan_rate peak_kb pictures
  read_s=$(awk '$1 == "read" {print $3}' "$results" | median)
  floor_s=$(awk '$1 == "floor" {print $3}' "$results" | median)
  scan_s=$(awk '$1 == "scan" {print $3}' "$results" | median)
  scan_rate=$(awk '$1 == "scan" {print $4}' "$results" | median)
  peak_kb=$(awk '$1 == "scan" {print $5}' "$results" | sort -n | tail -1)
  pictures=$(awk '$1 == "pictures" {print $2}' "$results" | tail -1)
  echo "$label"
  echo "  rounds (s):    $(awk '$1 != "pictures" {printf "%s %s  ", $1, $3}' "$results")"
  echo "  read only:     $read_s s (median of $rounds)"
  echo "  floor:         $floor_s s (read, and write $picture_count files of $picture_bytes bytes)"
  echo "  scanner:       $scan_s s ($scan_rate MB/s), $pictures pictures"
  echo "  floor/scanner: $(awk -v s="$scan_s" -v f="$floor_s" 'BEGIN {printf "%.2f", f / s}') (target 0.8 or more)"
  echo "  peak memory:   $((peak_kb / 1024)).$(((peak_kb % 1024) * 10 / 1024)) MB resident (target under 8 MB)"
  load
  if [ -n "$baseline" ]; then
    local base_rate
    base_rate=$(awk '$1 == "baseline" {print $4}' "$results" | median)
    local best_scan best_base
    best_scan=$(awk '$1 == "scan" {print $4}' "$results" | sort -n | tail -1)
    best_base=$(awk '$1 == "baseline" {print $4}' "$results" | sort -n | tail -1)
    echo "  baseline $baseline_ref: $base_rate MB/s (median of $rounds), best $best_base MB/s"
    # On a shared machine the best round is the least disturbed one.
    echo "  against it:    $(awk -v s="$scan_rate" -v b="$base_rate" 'BEGIN {printf "%.2f", s / b}') median," \
      "$(awk -v s="$best_scan" -v b="$best_base" 'BEGIN {printf "%.2f", s / b}') best (1.00 is as fast)"
  fi
}

# documents KIND: the scan of such a document at two sizes, best of two each.
documents() {
  local kind=$1 size seconds bytes first_seconds= first_size=
  echo "Office-like documents (.$kind), writing to ${memory:-$work}:"
  for size in $((mebibytes / 8)) $((mebibytes / 2)); do
    "$bench" "generate-$kind" "$work/large.$kind" "$size" >/dev/null
    local best= line=
    for round in 1 2; do
      sync
      line=$("$bench" scan "$work/large.$kind" "${memory:-$work}/doc-out$round" | head -1)
      rm -rf "${memory:-$work}/doc-out$round"
      seconds=$(echo "$line" | awk '{print $3}')
      if [ -z "$best" ] || awk -v a="$seconds" -v b="$best" 'BEGIN {exit !(a < b)}'; then best=$seconds; fi
    done
    bytes=$(stat -c %s "$work/large.$kind")
    echo "  $size MiB: $(awk -v b="$bytes" -v s="$best" 'BEGIN {printf "%.1f", b / s / 1e6}') MB/s ($best s, best of 2)," \
      "peak memory $(echo "$line" | awk '{printf "%.1f", $5 / 1024}') MB"
    if [ -n "$first_seconds" ]; then
      echo "  time grew $(awk -v a="$best" -v b="$first_seconds" 'BEGIN {printf "%.2f", a / b}')x" \
        "for $((size / first_size))x the size"
    fi
    first_seconds=$best
    first_size=$size
    rm -f "$work/large.$kind"
  done
}

measure "$work" "Writing to disk ($work):"
needed_kb=$(((mebibytes * 1024) * 3))
if [ -d /dev/shm ] && [ "$(df -Pk /dev/shm | awk 'NR == 2 {print $4}')" -gt "$needed_kb" ]; then
  memory=$(mktemp -d /dev/shm/velmo-bench.XXXXXX)
  measure "$memory" "Writing to memory ($memory):"
fi

documents docx
documents doc

# Small JPEGs back to back: the search for the next signature starts right
# after every picture, so its cost there, not its speed over filler, counts.
"$bench" generate-back-to-back "$work/back-to-back.doc" 16 >/dev/null
echo "Small JPEGs back to back (16 MiB, no 0x89 byte), writing to ${memory:-$work}:"
for round in 1 2; do
  TIMEFORMAT="  round $round: %U s user, %S s system"
  time "$bench" scan "$work/back-to-back.doc" "${memory:-$work}/tiny-out$round" >/dev/null
  rm -rf "${memory:-$work}/tiny-out$round"
done
rm -f "$work/back-to-back.doc"
load

place=${memory:-$work}

# Many small documents, in the memory folder when there is one.
documents=$place/documents
for ((folder = 0; folder < 20; folder++)); do
  mkdir -p "$documents/f$folder"
  for ((i = 0; i < 100; i++)); do cp samples/sample.doc "$documents/f$folder/d$i.doc"; done
done
document_count=2000

# seconds COMMAND...: the wall-clock time of the command, its output dropped.
seconds() {
  local start
  start=$(date +%s.%N)
  "$@" >/dev/null 2>&1 || true
  awk -v s="$start" -v e="$(date +%s.%N)" 'BEGIN {print e - s}'
}

# batch TOOL PREFIX LABEL [ROUNDS]: --jobs 1 and --jobs 2 in alternating rounds.
batch() {
  local tool=$1 prefix=$2 label=$3 rounds=${4:-$rounds} round jobs one two
  local results=$work/batch-$RANDOM
  for ((round = 1; round <= rounds; round++)); do
    for jobs in 1 2; do
      echo "$jobs $(seconds "$tool" -o "$prefix$place/batch$jobs-$round" -r --jobs "$jobs" \
        "$prefix$documents")" >>"$results"
      rm -rf "$place/batch$jobs-$round"
    done
  done
  one=$(awk '$1 == 1 {print $2}' "$results" | median)
  two=$(awk '$1 == 2 {print $2}' "$results" | median)
  echo "$label"
  echo "  --jobs 1:      $(awk -v n="$document_count" -v s="$one" 'BEGIN {printf "%.0f", n / s}') documents/s ($one s, median of $rounds)"
  echo "  --jobs 2:      $(awk -v n="$document_count" -v s="$two" 'BEGIN {printf "%.0f", n / s}') documents/s ($two s)"
  echo "  speed-up:      $(awk -v a="$one" -v b="$two" 'BEGIN {printf "%.2f", a / b}') (target 1.7 or more)"
  load
}

batch "$extract" "" "Native console tool, $document_count documents of $(stat -c %s samples/sample.doc) bytes into $place:"

exe=dist/velmo-extract.exe
if [ -f build/win/CMakeCache.txt ] &&
  cmake --build build/win --target velmo-extract >/dev/null 2>&1; then
  mkdir -p dist && cp build/win/console/velmo-extract.exe "$exe"
fi
if [ ! -f "$exe" ]; then
  echo "Wine: skipped, $exe is missing (run scripts/build.sh)"
  exit 0
fi
[ -f build/win/wine-prefix.ready ] || started_wine=yes
export VELMO_BUILD_DIR=$root/build/win
wine_extract() {
  bash scripts/wine-run.sh "$exe" "$@"
}
# Starts the session, so that no round pays for it.
wine_extract >/dev/null 2>&1 || true

# The single-document form on the large document, best of two each.
best_native= best_wine=
for ((round = 1; round <= 2; round++)); do
  native=$(seconds "$extract" "$document" "$place/native$round")
  wine=$(seconds wine_extract "Z:$document" "Z:$place/wine$round")
  rm -rf "$place/native$round" "$place/wine$round"
  best_native=$(printf '%s\n%s\n' "$native" "${best_native:-$native}" | sort -n | head -1)
  best_wine=$(printf '%s\n%s\n' "$wine" "${best_wine:-$wine}" | sort -n | head -1)
done
bytes=$(stat -c %s "$document")
echo "The large document with the single-document form, into $place (best of 2):"
echo "  native:        $(awk -v b="$bytes" -v s="$best_native" 'BEGIN {printf "%.0f", b / s / 1e6}') MB/s ($best_native s)"
echo "  under Wine:    $(awk -v b="$bytes" -v s="$best_wine" 'BEGIN {printf "%.0f", b / s / 1e6}') MB/s ($best_wine s, Wine's start-up included)"
load

# Wine looks a name up by reading the whole folder when it is not there as
# written (Windows names ignore case), so 2,000 output folders in one folder
# take it seconds: fewer rounds.
batch wine_extract "Z:" "Windows console tool under Wine, the same $document_count documents:" 3
