#!/usr/bin/env bash
# The installer as a Windows user meets it, in a Wine prefix created for the
# test: a silent install into a chosen folder, the files, settings, shortcuts
# and uninstall entry it leaves, the installed program starting its
# companions, a reinstall over changed settings, an install that moves the
# copy to another folder, silent uninstalls with and without the settings
# file, and the Start menu entries of an install in another language.
#
#   installer-test.sh INSTALLER PROBE WORK_DIR EPOCH_FILE
# EPOCH_FILE holds the time the build dated the packed programs with.
set -uo pipefail
installer=$1
probe=$2
work=$3
epoch=$(cat "$4")
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../../scripts/wine-session.sh"

# Nothing left from an earlier run may help the installer.
velmo_wine_stop "$work"
rm -rf "$work"
velmo_wine_start "$work" || exit 1
velmo_wine_environment "$work"
# A passing run leaves nothing behind; a failing one keeps its prefix to look at.
failures=0
finish() {
  velmo_wine_stop "$work"
  [ "$failures" -eq 0 ] && rm -rf "$work"
}
trap finish EXIT

version=$(basename "$installer" .exe)
version=${version##*-}
drive_c=$WINEPREFIX/drive_c
folder='C:\Program Files\Velmo Tools'
program="$folder\\VelmoRecovery.exe"
settings='C:\windows\propImage.pro'
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\VelmoImageRecovery'
menu='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Velmo Image Recovery'
desktop='C:\users\Public\Desktop'

pass() { echo "ok    $1"; }
fail() { echo "FAIL  $1"; failures=$((failures + 1)); }
expect_equal() {  # what, expected, actual
  if [ "$2" = "$3" ]; then pass "$1"; else fail "$1"; diff <(echo "$2") <(echo "$3") | sed 's/^/      /'; fi
}

probe() { wine "$probe" "$@" 2>/dev/null | tr -d '\r'; }
unix_path() { winepath -u "$1" 2>/dev/null; }
setup_command() { echo "\"$(winepath -w "$installer" 2>/dev/null)\" /S $*"; }

# Every file of the prefix's drive C:, temporary folders left out.
snapshot() {
  (cd "$drive_c" && find . -ipath '*/temp' -prune -o \( -type f -o -type l \) -print | LC_ALL=C sort)
}
added_since() { LC_ALL=C comm -13 <(echo "$1") <(snapshot); }
removed_since() { LC_ALL=C comm -23 <(echo "$1") <(snapshot); }

# The uninstaller goes on from a copy of itself after the first process ends;
# it removes the install folder last.
wait_until_gone() {
  for _ in $(seq 1 100); do
    [ -e "$(unix_path "$1")" ] || return 0
    sleep 0.2
  done
  return 1
}

# A silent install with the given options, which must succeed.
silent_install() {
  probe run "$(setup_command "$@")" >/dev/null
  expect_equal "installer exit code" 0 $?
}

# A silent uninstall from the folder with the given options: the folder, the
# uninstall entry and every file the install added but those named go.
silent_uninstall() {  # folder, files left, options
  local folder=$1 left=$2
  shift 2
  probe run "\"$folder\\Uninstall.exe\" /S${*:+ $*}" >/dev/null
  wait_until_gone "$folder" && pass "install folder removed" || fail "install folder removed"
  expect_equal "files left" "$left" "$(added_since "$before")"
  expect_equal "files removed" "" "$(removed_since "$before")"
  expect_equal "uninstall entry" "" "$(uninstall_entry)"
}

# The settings file as "probe choose" leaves it, naming the install folder.
chosen_settings() {
  echo "valid=1
language=4
suffix=TST
outputPath=C:\\Pictures\\
deleteSource=1
installDirectory=$1\\"
}

uninstall_entry() { wine reg query "$key" 2>/dev/null | tr -d '\r' | sed -n 's/^ *\([A-Za-z]*\) *REG_[A-Z_]* *\(.*\)$/\1=\2/p' | LC_ALL=C sort; }

# What an install leaves on drive C:, for a folder given from C:\ on.
our_files() {
  local folder="./${1#C:\\}"
  folder=${folder//\\//}
  local menu_files="./ProgramData/Microsoft/Windows/Start Menu/Programs/Velmo Image Recovery"
  printf '%s\n' "$folder/Gandry.exe" "$folder/Pelloc.exe" "$folder/Uninstall.exe" \
    "$folder/VelmoRecovery.exe" "$folder/velmo-extract.exe" \
    "$menu_files/Uninstall Velmo Image Recovery.lnk" "$menu_files/Velmo Image Recovery Help.lnk" \
    "$menu_files/Velmo Image Recovery Options.lnk" "$menu_files/Velmo Image Recovery.lnk" \
    "./users/Public/Desktop/Velmo Image Recovery.lnk" "./windows/propImage.pro" | LC_ALL=C sort
}

before=$(snapshot)

# The settings file holds the folder in the ANSI code page (1252 here), 202
# bytes at most with its backslash: an install that cannot name its folder
# there stops before it copies anything.
echo "== folders the settings file cannot name"
for refused in 'C:\VelmoΩmega' "C:\\$(printf 'v%.0s' $(seq 1 199))"; do
  wine "$installer" /S "/D=$refused" </dev/null >/dev/null 2>&1
  code=$?
  [ "$code" -ne 0 ] && pass "refused (exit code $code): ${refused:0:20}" || fail "refused: ${refused:0:20}"
done
expect_equal "nothing installed" "" "$(added_since "$before")"

echo "== silent install into $folder"
silent_install "/D=$folder"
expect_equal "files added" "$(our_files "$folder")" "$(added_since "$before")"
expect_equal "files removed" "" "$(removed_since "$before")"
# The programs keep the commit's time, not the time they were built or
# installed; makensis keeps times to 2 seconds, as FAT does.
expect_equal "program times" "$(printf "$((epoch - epoch % 2)) %s\n" Gandry.exe Pelloc.exe VelmoRecovery.exe velmo-extract.exe)" \
  "$(cd "$(unix_path "$folder")" && stat -c '%Y %n' Gandry.exe Pelloc.exe VelmoRecovery.exe velmo-extract.exe)"
expect_equal "settings file" "valid=1
language=1
suffix=REC
outputPath=
deleteSource=0
installDirectory=$folder\\" "$(probe settings "$settings")"
expect_equal "shortcut targets" "$program
$folder\\Pelloc.exe
$folder\\Gandry.exe
$folder\\Uninstall.exe
$program" "$(for link in "$menu\\Velmo Image Recovery.lnk" "$menu\\Velmo Image Recovery Options.lnk" \
  "$menu\\Velmo Image Recovery Help.lnk" "$menu\\Uninstall Velmo Image Recovery.lnk" \
  "$desktop\\Velmo Image Recovery.lnk"; do probe shortcut "$link"; done)"
entry=$(uninstall_entry)
size=$(echo "$entry" | sed -n 's/^EstimatedSize=0x\([0-9a-f]*\)$/\1/p')
[ -n "$size" ] && [ $((16#$size)) -gt 100 ] && pass "estimated size ${size:+$((16#$size))} KB" || fail "estimated size: $entry"
expect_equal "uninstall entry" "DisplayIcon=$program
DisplayName=Velmo Image Recovery
DisplayVersion=$version
InstallLocation=$folder
InstallerLanguage=1033
NoModify=0x1
NoRepair=0x1
Publisher=Velmo Software
QuietUninstallString=\"$folder\\Uninstall.exe\" /S
UninstallString=\"$folder\\Uninstall.exe\"" "$(echo "$entry" | grep -v '^EstimatedSize=')"

echo "== the installed program starts the installed companions"
probe companions "$program"
expect_equal "Options and Help started the companions" 0 $?

echo "== reinstall over changed settings and a damaged program"
probe choose "$settings"
cp "$(unix_path "$program")" "$work/VelmoRecovery.exe"
echo damaged >"$(unix_path "$program")"
silent_install
cmp -s "$work/VelmoRecovery.exe" "$(unix_path "$program")" && pass "program replaced" || fail "program replaced"
expect_equal "settings kept, same folder" "$(chosen_settings "$folder")" "$(probe settings "$settings")"
expect_equal "files added" "$(our_files "$folder")" "$(added_since "$before")"

echo "== install into another folder moves the installed copy"
moved='C:\Velmo Elsewhere'
silent_install "/D=$moved"
expect_equal "files after the move" "$(our_files "$moved")" "$(added_since "$before")"
expect_equal "settings kept, new folder" "$(chosen_settings "$moved")" "$(probe settings "$settings")"
expect_equal "shortcut target" "$moved\\VelmoRecovery.exe" "$(probe shortcut "$menu\\Velmo Image Recovery.lnk")"
expect_equal "install location" "InstallLocation=$moved" "$(uninstall_entry | grep '^InstallLocation=')"

echo "== silent uninstall keeps the settings"
silent_uninstall "$moved" "./windows/propImage.pro"
expect_equal "settings untouched" "$(chosen_settings "$moved")" "$(probe settings "$settings")"

echo "== silent uninstall asked to remove the settings"
silent_install "/D=$folder"
silent_uninstall "$folder" "" /REMOVESETTINGS

# The Start menu entries as the user finds them, one name per line.
menu_entries() { (cd "$(unix_path "$menu")" 2>/dev/null && ls -1 | LC_ALL=C sort); }

echo "== a French install names its Start menu entries in French"
silent_install /LANG=1036 "/D=$folder"
expect_equal "French entries" "Aide de Velmo Image Recovery.lnk
Configuration de Velmo Image Recovery.lnk
Désinstaller Velmo Image Recovery.lnk
Velmo Image Recovery.lnk" "$(menu_entries)"
expect_equal "French entry targets" "$folder\\Pelloc.exe
$folder\\Gandry.exe
$folder\\Uninstall.exe" "$(for link in "Configuration de Velmo Image Recovery" "Aide de Velmo Image Recovery" \
  "Désinstaller Velmo Image Recovery"; do probe shortcut "$menu\\$link.lnk"; done)"
expect_equal "settings language" "language=2" "$(probe settings "$settings" | grep '^language=')"

echo "== an English install over it renames the entries"
silent_install /LANG=1033 "/D=$folder"
expect_equal "English entries" "Uninstall Velmo Image Recovery.lnk
Velmo Image Recovery Help.lnk
Velmo Image Recovery Options.lnk
Velmo Image Recovery.lnk" "$(menu_entries)"
silent_uninstall "$folder" "" /REMOVESETTINGS

echo "$failures failure(s)"
[ "$failures" -eq 0 ]
