#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the portable modules
# natively under the sanitizers, the readers' fuzz targets, a second build of
# what is shipped that must give the same bytes, then every Windows test under Wine.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh
bash scripts/build.sh

status=0
ctest --test-dir build/native --output-on-failure -j 2 --timeout 300 </dev/null || status=1
# Each reader fuzzed for a short while: a new crash, stall or flood fails the run.
bash tests/fuzz/run-fuzzers.sh 20 || status=1
bash scripts/check-reproducible.sh || status=1

bash scripts/wine-session.sh start build/win
trap 'bash scripts/wine-session.sh stop build/win' EXIT
# Two at a time: the tests that make windows take turns (RESOURCE_LOCK desktop).
ctest --test-dir build/win --output-on-failure -j 2 --timeout 300 </dev/null || status=1

exit $status
