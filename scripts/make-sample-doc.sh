#!/usr/bin/env bash
# Makes samples/sample.doc, the small document the run command extracts:
# five pictures of tests/data (three JPEG, two PNG) between runs of text and
# zeros, behind the eight-byte mark that opens a Word document.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
pictures=$root/tests/data

text() {
  local count=$1 line
  for ((line = 1; line <= count; line++)); do
    printf 'Velmo sample document, line %d: pictures are stored between the words.\n' "$line"
  done
}

zeros() {
  head -c "$1" /dev/zero
}

{
  printf '\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1'
  zeros 504
  text 20
  cat "$pictures/jfif-baseline.jpg"
  zeros 700
  cat "$pictures/text-chunk.png"
  text 9
  cat "$pictures/exif-thumbnail.jpg"
  cat "$pictures/small.png"
  zeros 300
  cat "$pictures/jfif-progressive.jpg"
  text 30
} > "$root/samples/sample.doc"
echo "Wrote $root/samples/sample.doc"
