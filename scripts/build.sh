#!/usr/bin/env bash
# Builds the three trees and gathers the programs in dist/, where the Windows
# build also puts the installer:
#   build/native   host, sanitizers on: the portable modules and their tests
#   build/release  host, optimised: the native console tool and the benchmark
#   build/win      MinGW-w64 i686: every Windows program and test
# With --shipped it builds only what is shipped: the Windows programs and the
# installer, and the native console tool (scripts/check-reproducible.sh).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
jobs=${VELMO_JOBS:-$(nproc)}

# The CMake files and the options as they were last configured; a tree whose
# stamp differs is configured again (a new module, a changed option).
cmake_files() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z -co --exclude-standard -- '*CMakeLists.txt' '*.cmake'
  else
    find . -path ./build -prune -o \( -name CMakeLists.txt -o -name '*.cmake' \) -print0
  fi
}

cmake_inputs() {
  { printf '%s\n' "$@"; cmake_files | sort -z | xargs -0 cat; } | sha256sum
}

configure() {
  local dir=$1; shift
  local stamp="$dir/velmo-configure.stamp" wanted
  wanted=$(cmake_inputs "$@")
  if [ ! -f "$dir/CMakeCache.txt" ] || [ "$(cat "$stamp" 2>/dev/null)" != "$wanted" ]; then
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    echo "$wanted" > "$stamp"
  fi
}

configure build/release -DCMAKE_BUILD_TYPE=Release
configure build/win     -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake
if [ "${1:-}" = --shipped ]; then
  cmake --build build/release -j "$jobs" --target velmo-extract
  cmake --build build/win -j "$jobs" --target installer
else
  configure build/native -DCMAKE_BUILD_TYPE=Debug -DVELMO_SANITIZE=ON
  # The optimised tree holds only what is shipped or timed: its tests are
  # those of build/native, which runs them under the sanitizers.
  cmake --build build/native -j "$jobs"
  cmake --build build/release -j "$jobs" --target velmo-extract velmo-bench
  cmake --build build/win -j "$jobs"
fi

# A program is put in place by a new file and a rename, never copied over in
# place: a batch run may be using the one there ("Text file busy").
install_program() {
  local program=$1 folder=$2 name
  [ -f "$program" ] || return 0
  name=$(basename "$program")
  cp "$program" "$folder/.$name.new"
  mv -f "$folder/.$name.new" "$folder/$name"
}

mkdir -p dist/native
for program in build/win/console/velmo-extract.exe build/win/app/VelmoRecovery.exe \
               build/win/config/Pelloc.exe build/win/help/Gandry.exe; do
  install_program "$program" dist
done
install_program build/release/console/velmo-extract dist/native
echo "Programs and the installer are in $root/dist"
