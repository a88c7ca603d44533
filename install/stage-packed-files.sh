#!/usr/bin/env bash
# stage-packed-files.sh EPOCH_FILE FOLDER FILE...
# Copies the files the installer packs into FOLDER, each dated at the time in
# EPOCH_FILE: makensis stores every packed file's time, and the build's own
# times would make each installer unlike any other.
set -euo pipefail
epoch=$(cat "$1")
folder=$2
shift 2

rm -rf "$folder"
mkdir -p "$folder"
cp "$@" "$folder/"
for file in "$@"; do
  touch -d "@$epoch" "$folder/$(basename "$file")"
done
