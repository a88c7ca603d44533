#!/usr/bin/env bash
# source-date-epoch.sh SOURCE_DIR FILE
# Writes the time the installer gives the files it packs into FILE, in seconds
# since 1970: SOURCE_DATE_EPOCH when set, else the time of the commit checked
# out, else the newest source file's (an archive made by git archive carries
# the commit's time on every file). Two builds of one commit then pack the same
# bytes wherever and whenever they run. FILE is rewritten only when the time
# changed, so that the installer is made again then and only then.
set -euo pipefail
source_dir=$(cd "$1" && pwd -P)
file=$2

epoch=${SOURCE_DATE_EPOCH:-}
# Only the sources' own checkout: a source archive unpacked inside another
# repository must not take that repository's time.
if [ -z "$epoch" ] &&
   [ "$(git -C "$source_dir" rev-parse --show-toplevel 2>/dev/null)" = "$source_dir" ]; then
  epoch=$(git -C "$source_dir" log -1 --format=%ct 2>/dev/null || true)
fi
if [ -z "$epoch" ]; then
  epoch=$(find "$source_dir" -path "$source_dir/build" -prune -o -path "$source_dir/dist" -prune \
            -o -type f -printf '%T@\n' | sort -n | tail -n 1)
  epoch=${epoch%.*}
fi
if ! [[ $epoch =~ ^[0-9]+$ ]]; then
  echo "source-date-epoch.sh: no usable time (SOURCE_DATE_EPOCH='${SOURCE_DATE_EPOCH:-}')" >&2
  exit 1
fi

if [ "$(cat "$file" 2>/dev/null)" != "$epoch" ]; then
  mkdir -p "$(dirname "$file")"
  echo "$epoch" > "$file"
fi
