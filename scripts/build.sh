#!/usr/bin/env bash
# Builds the three trees and gathers the programs in dist/, where the Windows
# build also puts the installer:
#   build/native   host, sanitizers on: the portable modules and their tests
#   build/release  host, optimised: the native console tool and the benchmark
#   build/win      MinGW-w64 i686: every Windows program and test
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
jobs=${VELMO_JOBS:-$(nproc)}

configure() {
  local dir=$1; shift
  [ -f "$dir/CMakeCache.txt" ] || cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
}

configure build/native  -DCMAKE_BUILD_TYPE=Debug -DVELMO_SANITIZE=ON
configure build/release -DCMAKE_BUILD_TYPE=Release
configure build/win     -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake

for tree in native release win; do
  cmake --build "build/$tree" -j "$jobs"
done

mkdir -p dist/native
for program in build/win/console/velmo-extract.exe build/win/app/VelmoRecovery.exe \
               build/win/config/Pelloc.exe build/win/help/Gandry.exe; do
  [ -f "$program" ] && cp "$program" dist/
done
[ -f build/release/console/velmo-extract ] && cp build/release/console/velmo-extract dist/native/
echo "Programs and the installer are in $root/dist"
