#!/usr/bin/env bash
# What each picture's record costs: the native console tool on the benchmark
# document, then on a batch of office-like containers, without options and
# with --json, --list and --unique, in alternating rounds, writing into
# memory (/dev/shm) so that the disk's cost of creating files does not hide
# the digests' and comparisons' own.
#
#   scripts/bench-records.sh [MEBIBYTES [CONTAINERS]]   (default 1024 and 16)
#
# The containers are CONTAINERS documents of MEBIBYTES/64 MiB each, half ZIP
# packages and half compound files, every one made from its own seed, and
# with their pictures the same as the next one's every other time, so that
# --unique has pictures to leave out. Each line gives the median of the rounds
# and how much slower than without options it is.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
mebibytes=${1:-1024}
containers=${2:-16}
rounds=3

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j2 --target velmo-bench velmo-extract >/dev/null
bench=build/release/bench/velmo-bench
extract=build/release/console/velmo-extract

work=$(mktemp -d "${TMPDIR:-/tmp}/velmo-records.XXXXXX")
memory=$(mktemp -d /dev/shm/velmo-records.XXXXXX)
trap 'rm -rf "$work" "$memory"' EXIT

"$bench" generate "$work/document.doc" "$mebibytes"
mkdir -p "$work/batch"
for ((i = 0; i < containers; i++)); do
  kind=$([ $((i % 2)) -eq 0 ] && echo docx || echo doc)
  # Seeds repeat in pairs: two documents of each seed, one of each kind.
  "$bench" "generate-$kind" "$work/batch/c$i.$kind" $((mebibytes / 64)) $((i / 2 + 1)) >/dev/null
done

# run LABEL OPTIONS... INPUT: seconds of one run, its output removed after.
seconds() {
  local out=$memory/out start end
  start=$(date +%s.%N)
  "$extract" -o "$out" --jobs 1 "$@" >/dev/null 2>&1
  end=$(date +%s.%N)
  rm -rf "$out"
  awk -v a="$start" -v b="$end" 'BEGIN {printf "%.3f\n", b - a}'
}

median() {
  sort -n | sed -n "$(((rounds + 1) / 2))p"
}

# compare TITLE INPUT: each option's median against the plain run's.
compare() {
  local title=$1 input=$2 results=$work/results-$RANDOM option
  local -a options=(plain --json --list --unique "--unique --json")
  for ((round = 1; round <= rounds; round++)); do
    for option in "${options[@]}"; do
      # shellcheck disable=SC2086
      echo "$option $(seconds $([ "$option" = plain ] || echo $option) "$input")" >>"$results"
    done
  done
  echo "$title"
  local plain
  plain=$(awk '$1 == "plain" {print $2}' "$results" | median)
  for option in "${options[@]}"; do
    local median_s
    median_s=$(awk -v o="$option" '{t = $NF; $NF = ""; sub(/ $/, "")} $0 == o {print t}' "$results" | median)
    printf "  %-16s %7.2f s  %+6.1f%%\n" "$option" "$median_s" \
      "$(awk -v m="$median_s" -v p="$plain" 'BEGIN {print (m / p - 1) * 100}')"
  done
  echo "  load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) processors"
}

compare "The $mebibytes MiB benchmark document (median of $rounds):" "$work/document.doc"
compare "$containers containers of $((mebibytes / 64)) MiB, one batch (median of $rounds):" "$work/batch"
