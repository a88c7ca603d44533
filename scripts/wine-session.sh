#!/usr/bin/env bash
# The Wine environment of one Windows build tree: its own 32-bit prefix, an Xvfb
# display when none is set, a persistent wineserver, and no prompts or noise.
#
#   wine-session.sh start|stop|env BUILD_DIR
#
# Sourced by wine-run.sh, which starts the session on first use, and by run.sh
# for the prefix settings.

# How the program runs in any prefix of ours.
velmo_wine_variables() {
  export WINEPREFIX=$1
  export WINEARCH=win32
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export LC_ALL=C.UTF-8   # ANSI code page 1252 inside Wine
}

velmo_wine_environment() {
  local build_dir=$1
  velmo_wine_variables "$build_dir/wine-prefix"
  VELMO_DISPLAY_FILE="$build_dir/wine-prefix.display"
  VELMO_READY_FILE="$build_dir/wine-prefix.ready"
  if [ -z "${DISPLAY:-}" ] && [ -s "$VELMO_DISPLAY_FILE" ]; then
    read -r display_number xvfb_pid < "$VELMO_DISPLAY_FILE"
    if kill -0 "$xvfb_pid" 2>/dev/null; then export DISPLAY=":$display_number"; fi
  fi
}

velmo_start_xvfb() {
  local fifo display_number
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
    3>"$fifo" 9>&- </dev/null >/dev/null 2>&1 &
  local xvfb_pid=$!
  read -r -t 30 display_number < "$fifo" || { echo "Xvfb did not start" >&2; rm -f "$fifo"; return 1; }
  rm -f "$fifo"
  echo "$display_number $xvfb_pid" > "$VELMO_DISPLAY_FILE"
  export DISPLAY=":$display_number"
}

# Everything started while the lock is held gets fd 9 closed: a server or
# display that kept the lock open would make every later start wait for ever.
velmo_boot_prefix() {
  wineboot -i >/dev/null 2>&1 </dev/null 9>&-
  # Debian's Wine does not find fonts-wine's fonts by itself.
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
}

velmo_create_prefix() {
  velmo_boot_prefix
  # No window manager on Xvfb: unmanaged windows hide at once instead of after 2 s.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f \
    >/dev/null 2>&1 </dev/null 9>&-
  # A crashed program must end with its exception code, not wait in the debugger's dialog.
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger \
    /d 'no-such-debugger.exe' /f >/dev/null 2>&1 </dev/null 9>&-
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /d 1 /f \
    >/dev/null 2>&1 </dev/null 9>&-
  # A tree of its own may ask for large fonts (VELMO_WINE_DPI=144) to try the windows so.
  if [ -n "${VELMO_WINE_DPI:-}" ]; then
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$VELMO_WINE_DPI" /f \
      >/dev/null 2>&1 </dev/null 9>&-
  fi
  wineserver -w 9>&-
}

velmo_wine_start() {
  local build_dir=$1
  velmo_wine_environment "$build_dir"
  mkdir -p "$build_dir"
  exec 9>"$build_dir/wine-prefix.lock"
  flock 9
  if [ -z "${DISPLAY:-}" ]; then velmo_start_xvfb; rm -f "$VELMO_READY_FILE"; fi
  if [ -f "$VELMO_READY_FILE" ]; then flock -u 9; exec 9>&-; return; fi
  [ -f "$WINEPREFIX/system.reg" ] || velmo_create_prefix
  # A persistent server makes each program start quick. Its helper processes
  # (services, explorer) would inherit the first program's stderr and keep
  # ctest's pipe open for ever, so they are started here with no output.
  wineserver -p >/dev/null 2>&1 </dev/null 9>&- || true   # one may be running already
  wine cmd /c exit >/dev/null 2>&1 </dev/null 9>&-
  touch "$VELMO_READY_FILE"
  flock -u 9
  exec 9>&-
}

velmo_wine_stop() {
  local build_dir=$1
  velmo_wine_environment "$build_dir"
  rm -f "$VELMO_READY_FILE"
  [ -d "$WINEPREFIX" ] && wineserver -k >/dev/null 2>&1 || true
  if [ -s "$VELMO_DISPLAY_FILE" ]; then
    read -r _ xvfb_pid < "$VELMO_DISPLAY_FILE"
    kill "$xvfb_pid" 2>/dev/null || true
    rm -f "$VELMO_DISPLAY_FILE"
  fi
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  case "${1:-}" in
    start) velmo_wine_start "$(realpath -m "$2")" ;;
    stop)  velmo_wine_stop "$(realpath -m "$2")" ;;
    *) echo "usage: $0 start|stop BUILD_DIR" >&2; exit 2 ;;
  esac
fi
