#!/usr/bin/env bash
# Builds the fuzz targets with clang in build/fuzz and runs each for the given
# number of seconds, two at a time; fails when any input crashed, leaked,
# took more than VELMO_FUZZ_TIMEOUT seconds (10) or needed more than
# VELMO_FUZZ_RSS_MB MB (512). What failed is kept in build/fuzz/artifacts/,
# the inputs a run of a minute or more found in build/fuzz/corpus/.
#   tests/fuzz/run-fuzzers.sh [seconds] [reader...]   (readers: scan zip compound workbook rtf)
# A long run that goes on past each failure, to collect them all:
#   VELMO_FUZZ_OPTIONS="-fork=1;-ignore_crashes=1;-ignore_timeouts=1;-ignore_ooms=1" \
#     VELMO_FUZZ_TIMEOUT=2 tests/fuzz/run-fuzzers.sh 600
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$root"
seconds=${1:-20}
shift || true
jobs=${VELMO_FUZZ_JOBS:-2}

# Each target first runs every input of its corpus: a short run starts from
# the seeds alone, so that its length does not grow with what earlier runs
# found; a longer one goes on from there.
corpus=$root/build/fuzz/corpus
if [ "$seconds" -lt 60 ]; then
  corpus=$root/build/fuzz/corpus-short
  rm -rf "$corpus"
fi

cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DVELMO_FUZZ=ON -DVELMO_FUZZ_CORPUS="$corpus" \
  -DVELMO_FUZZ_SECONDS="$seconds" -DVELMO_FUZZ_TIMEOUT="${VELMO_FUZZ_TIMEOUT:-10}" \
  -DVELMO_FUZZ_RSS_MB="${VELMO_FUZZ_RSS_MB:-512}" -DVELMO_FUZZ_OPTIONS="${VELMO_FUZZ_OPTIONS:-}" \
  >/dev/null
cmake --build build/fuzz -j "$jobs"

filter=()
if [ $# -gt 0 ]; then
  filter=(-R "^fuzz\.($(IFS='|'; echo "$*"))\$")
fi
# A run that goes on past failures passes in ctest's eyes: what it left in
# the artifacts folder fails it here.
started=build/fuzz/run-started
touch "$started"
status=0
ctest --test-dir build/fuzz --output-on-failure -j "$jobs" "${filter[@]}" </dev/null || status=1
found=$(find build/fuzz/artifacts -type f -newer "$started" 2>/dev/null | sort)
if [ -n "$found" ]; then
  echo "Inputs that failed:"
  echo "$found"
  status=1
fi
exit $status
