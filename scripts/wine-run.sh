#!/usr/bin/env bash
# Runs one Windows program of a build tree under Wine (ctest's emulator).
# The build tree is found from the working directory, or given by VELMO_BUILD_DIR.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/wine-session.sh"

find_build_dir() {
  local dir=$PWD
  while [ "$dir" != / ]; do
    if [ -f "$dir/CMakeCache.txt" ]; then echo "$dir"; return; fi
    dir=$(dirname "$dir")
  done
  echo "$here/../build/win"
}

build_dir=$(realpath -m "${VELMO_BUILD_DIR:-$(find_build_dir)}")
velmo_wine_environment "$build_dir"
if [ -z "${DISPLAY:-}" ] || [ ! -f "$VELMO_READY_FILE" ]; then
  (velmo_wine_start "$build_dir")
  velmo_wine_environment "$build_dir"
fi
exec wine "$@"
