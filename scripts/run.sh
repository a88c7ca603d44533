#!/usr/bin/env bash
# Installs what is missing, builds, installs the program with its installer
# (dist/VelmoImageRecovery-Setup-<version>.exe, silently) into a Wine prefix of
# the user, and starts its window: the path a Windows user takes.
#
#   C:\Program Files\Velmo Image Recovery\   the programs and the uninstaller
#   C:\windows\propImage.pro                 the settings (kept when present)
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

source scripts/wine-session.sh
velmo_wine_variables "${VELMO_WINE_PREFIX:-$HOME/.local/share/velmo-image-recovery/wine}"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/win/CMakeCache.txt)
installer="$root/dist/VelmoImageRecovery-Setup-$version.exe"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\VelmoImageRecovery'
xvfb_pid=

create_prefix() {
  echo "Creating the Wine prefix $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  velmo_boot_prefix
  wineserver -w
}

# A reinstall goes into the installed copy's folder and keeps the settings.
install_program() {
  if ! wine "$installer" /S </dev/null >/dev/null 2>&1; then
    echo "The installer $installer failed" >&2
    exit 1
  fi
  install_dir_windows=$(wine reg query "$uninstall_key" /v InstallLocation 2>/dev/null </dev/null |
    tr -d '\r' | sed -n 's/^ *InstallLocation *REG_SZ *//p')
  echo "Installed with $(basename "$installer") in $install_dir_windows (prefix $WINEPREFIX)"
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

# With no display the window is shown on a private one, and its picture taken.
headless=
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  start_xvfb
  trap stop_headless_session EXIT
fi

[ -f "$WINEPREFIX/system.reg" ] || create_prefix
install_program

cd "$caller_dir"
program="$install_dir_windows\VelmoRecovery.exe"
if [ -z "$headless" ]; then
  wine "$program" </dev/null
  exit 0
fi

# The main window comes up after the splash; a moment more lets it paint.
wine "$program" </dev/null >/dev/null 2>&1 &
if ! timeout 60 xdotool search --sync --onlyvisible --name '^Velmo Image Recovery$' >/dev/null 2>&1; then
  echo "The window did not appear" >&2
  exit 1
fi
sleep 1
screenshot="$root/dist/VelmoRecovery-screenshot.png"
import -window root "$screenshot"
echo "No display: the window ran on Xvfb; its screenshot is $screenshot"
