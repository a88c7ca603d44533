#!/usr/bin/env bash
# Builds what is shipped a second time and compares it byte for byte with what
# scripts/build.sh left in dist/: the Windows programs, the installer and the
# native console tool. The second build runs from a copy of the sources under
# another path, later, with another time zone, locale and umask, as on another
# machine; only the commit's time (SOURCE_DATE_EPOCH) is shared. Any difference
# fails: anyone must be able to check that an installer was made from its sources.
# The copy stays in build/repro for a closer look; each run starts it afresh.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

epoch_file=build/win/installer/source-date-epoch
if [ ! -f "$epoch_file" ] || [ ! -f build/win/CMakeCache.txt ]; then
  echo "check-reproducible.sh: build first (scripts/build.sh)" >&2
  exit 1
fi
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/win/CMakeCache.txt)
shipped=(dist/VelmoRecovery.exe dist/Pelloc.exe dist/Gandry.exe dist/velmo-extract.exe
         "dist/VelmoImageRecovery-Setup-$version.exe" dist/native/velmo-extract)

# The sources the first build saw, edits not yet committed included.
copy=$root/build/repro/src
rm -rf "$root/build/repro"
mkdir -p "$copy"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z -co --exclude-standard |
    while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
    tar --null -T - -cf - | tar -xf - -C "$copy"
else
  tar --exclude=./build --exclude=./dist -cf - . | tar -xf - -C "$copy"
fi

start=$SECONDS
(
  cd "$copy"
  umask 077
  export SOURCE_DATE_EPOCH
  SOURCE_DATE_EPOCH=$(cat "$root/$epoch_file")
  TZ=XST-14 LC_ALL=C bash scripts/build.sh --shipped >/dev/null
)
echo "Second build of the shipped files: $((SECONDS - start)) s"

status=0
for file in "${shipped[@]}"; do
  if [ ! -f "$file" ] || [ ! -f "$copy/$file" ]; then
    echo "MISSING  $file (first build: $([ -f "$file" ] && echo present || echo absent)," \
         "second build: $([ -f "$copy/$file" ] && echo present || echo absent))"
    status=1
  elif cmp -s "$file" "$copy/$file"; then
    echo "same     $(sha256sum "$file")"
  else
    echo "DIFFERS  $file, first at byte $(cmp "$file" "$copy/$file" | sed 's/.*byte \([0-9]*\).*/\1/')"
    echo "         first  $(sha256sum < "$file" | cut -d' ' -f1)"
    echo "         second $(sha256sum < "$copy/$file" | cut -d' ' -f1)"
    status=1
  fi
done
if [ $status != 0 ]; then
  echo "The build is not reproducible: the second build is in $copy" >&2
fi
exit $status
