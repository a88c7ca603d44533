#!/usr/bin/env bash
# Walks through the installer's pages in one language on a private Xvfb
# display, in a throwaway Wine prefix, and saves a picture of each page:
#
#   installer-pages.sh [LANGUAGE_POSITION] [OUTPUT_DIR]
#
# LANGUAGE_POSITION is the place in the installer's language list, 0 English
# to 5 Romanian (default 0). The pictures land in OUTPUT_DIR (default
# dist/installer-pages), named <position>-<page>.png. Builds nothing: run
# scripts/build.sh first.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
position=${1:-0}
out=$(realpath -m "${2:-$root/dist/installer-pages}")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$root/build/win/CMakeCache.txt")
installer="$root/dist/VelmoImageRecovery-Setup-$version.exe"
work=$(mktemp -d)
source "$root/scripts/wine-session.sh"
unset DISPLAY
velmo_wine_start "$work"
velmo_wine_environment "$work"
trap 'velmo_wine_stop "$work"; rm -rf "$work"' EXIT
mkdir -p "$out"

shoot() { sleep 1.5; import -window root "$out/$position-$1.png"; echo "$out/$position-$1.png"; }
window() { timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -1; }

wine "$installer" </dev/null >/dev/null 2>&1 &
chooser=$(window 'Installer Language')
shoot language
for _ in $(seq 1 "$position"); do xdotool key --window "$chooser" Down; done
shoot language-chosen
xdotool key --window "$chooser" Return
setup=$(window 'Velmo Image Recovery')
for page in welcome components folder; do
  shoot "$page"
  xdotool key --window "$setup" Return
done
shoot finish
xdotool key --window "$setup" space   # no start of the program
xdotool key --window "$setup" Return
sleep 1
