#!/usr/bin/env bash
# Walks through the installer's pages in one language on a private Xvfb
# display, in a throwaway Wine prefix, and saves a picture of each page:
#
#   installer-pages.sh [LANGUAGE] [OUTPUT_DIR]
#
# LANGUAGE is de, en, es, fr, it or ro (default en). The pictures land in
# OUTPUT_DIR (default dist/installer-pages), named <language>-<page>.png.
# Builds nothing: run scripts/build.sh first.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
language=${1:-en}
# The language chooser lists the languages by their own names, alphabetically:
# Deutsch, English, Español, Français, Italiano, Română.
case $language in
  de) position=0 ;; en) position=1 ;; es) position=2 ;;
  fr) position=3 ;; it) position=4 ;; ro) position=5 ;;
  *) echo "unknown language $language" >&2; exit 2 ;;
esac
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

shoot() { sleep 1.5; import -window root "$out/$language-$1.png"; echo "$out/$language-$1.png"; }
# Windows come and go while xdotool walks the tree, so it is asked again.
window() {
  for _ in $(seq 1 150); do
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 | grep . && return 0
    sleep 0.2
  done
  echo "no window named $1" >&2
  return 1
}

wine "$installer" </dev/null >/dev/null 2>&1 &
# Keys go to the focused window: the installer's own.
window 'Installer Language' >/dev/null
xdotool key Home
for _ in $(seq 1 "$position"); do xdotool key Down; done
shoot language
xdotool key Return
window 'Velmo Image Recovery' >/dev/null
for page in welcome components folder; do
  shoot "$page"
  xdotool key Return
done
sleep 3
shoot finish
xdotool key space   # no start of the program
xdotool key Return

# What the chosen language left in the settings file, read by the test probe.
probe="$root/build/win/tests/install/velmo_install_probe.exe"
sleep 2
[ -f "$probe" ] && wine "$probe" settings 'C:\windows\propImage.pro' 2>/dev/null | tr -d '\r' | sed 's/^/settings: /'

# The uninstaller, in the language chosen above, up to its question about the
# settings file, answered with its default (keep).
wine 'C:\Program Files\Velmo Image Recovery\Uninstall.exe' </dev/null >/dev/null 2>&1 &
window 'Velmo Image Recovery' >/dev/null
shoot uninstall
xdotool key Return
sleep 3
shoot uninstall-question
xdotool key Return
sleep 3
shoot uninstall-done
xdotool key Return
sleep 1
