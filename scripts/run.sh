#!/usr/bin/env bash
# Installs what is missing, builds, installs the program into a Wine prefix of
# the user as an installer would, and starts its window.
#
#   C:\Program Files\Velmo Image Recovery\VelmoRecovery.exe   the program
#   C:\Program Files\Velmo Image Recovery\Pelloc.exe          its configuration program (Options)
#   C:\Program Files\Velmo Image Recovery\Gandry.exe          its help program (Help)
#   C:\windows\propImage.pro                                   its settings (the user's choices are
#                                                              kept; the install directory is set)
#
# The prefix is ~/.local/share/velmo-image-recovery/wine (VELMO_WINE_PREFIX
# overrides it). The program starts in the directory run.sh was called from, so
# recovered pictures land there by default. With no DISPLAY the window is shown
# on a private Xvfb display and a screenshot is saved in dist/.
set -euo pipefail
caller_dir=$PWD
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash scripts/install-deps.sh
bash scripts/build.sh >/dev/null

export WINEPREFIX=${VELMO_WINE_PREFIX:-$HOME/.local/share/velmo-image-recovery/wine}
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LC_ALL=C.UTF-8   # ANSI code page 1252 inside Wine

install_dir_windows='C:\Program Files\Velmo Image Recovery\'
install_dir="$WINEPREFIX/drive_c/Program Files/Velmo Image Recovery"
settings_file="$WINEPREFIX/drive_c/windows/propImage.pro"
xvfb_pid=

create_prefix() {
  echo "Creating the Wine prefix $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 </dev/null
  # Debian's Wine does not find fonts-wine's fonts by itself.
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  wineserver -w
}

install_program() {
  mkdir -p "$install_dir"
  cp dist/VelmoRecovery.exe dist/Pelloc.exe dist/Gandry.exe "$install_dir/"
  # Keeps the user's choices and points the settings at the programs' folder,
  # so Options and Help start them; writes a new file where none is usable.
  build/release/install/velmo-setup "$settings_file" "$install_dir_windows" >/dev/null
  echo "Installed in $install_dir_windows (prefix $WINEPREFIX)"
}

start_xvfb() {
  local fifo display_number
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" </dev/null >/dev/null 2>&1 &
  xvfb_pid=$!
  read -r -t 30 display_number <"$fifo" || { echo "Xvfb did not start" >&2; rm -f "$fifo"; exit 1; }
  rm -f "$fifo"
  export DISPLAY=":$display_number"
}

stop_headless_session() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}

[ -f "$WINEPREFIX/system.reg" ] || create_prefix
install_program

cd "$caller_dir"
program="$install_dir_windows"VelmoRecovery.exe
if [ -n "${DISPLAY:-}" ]; then
  wine "$program" </dev/null
  exit 0
fi

# No display: show the window on a private one and take its picture.
start_xvfb
trap stop_headless_session EXIT
wine "$program" </dev/null >/dev/null 2>&1 &
sleep 6
screenshot="$root/dist/VelmoRecovery-screenshot.png"
import -window root "$screenshot"
echo "No display: the window ran on Xvfb; its screenshot is $screenshot"
