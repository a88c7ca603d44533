#!/usr/bin/env bash
# Regenerates the picture fixtures of the recovery tests with ImageMagick.
# The output is deterministic (fixed seeds, no time stamps), so a rerun leaves
# the committed files unchanged.
set -euo pipefail
cd "$(dirname "$0")"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

png_options=(-depth 8 -define png:exclude-chunks=date,time,bKGD,gAMA,cHRM)

# Little-endian 32-bit value as raw bytes.
le32() {
  local value=$1
  printf "\\x$(printf %02x $((value & 255)))\\x$(printf %02x $(((value >> 8) & 255)))"
  printf "\\x$(printf %02x $(((value >> 16) & 255)))\\x$(printf %02x $(((value >> 24) & 255)))"
}

# An EXIF block (TIFF, little endian) whose second directory points at the
# JPEG thumbnail given as $1, or without any thumbnail when $1 is empty.
exif_block() {
  local thumbnail=$1
  printf 'Exif\0\0II*\0'
  le32 8
  printf '\0\0'                       # first directory: no entries
  if [ -z "$thumbnail" ]; then
    le32 0
    return
  fi
  le32 14                             # second directory follows at 14
  printf '\x02\0'
  printf '\x01\x02\x04\0'; le32 1; le32 44   # JPEGInterchangeFormat
  printf '\x02\x02\x04\0'; le32 1; le32 "$(stat -c %s "$thumbnail")"
  le32 0
  cat "$thumbnail"
}

convert -size 160x120 -seed 7 plasma:red-blue -strip -quality 85 jfif-baseline.jpg
convert -size 160x120 -seed 8 plasma:green-yellow -strip -interlace Plane -quality 85 jfif-progressive.jpg
convert -size 16x12 -seed 11 plasma:cyan-brown -strip -quality 60 small.jpg

# The thumbnail is itself a JFIF picture: its start and end markers lie
# inside the outer picture's APP1 segment.
convert -size 48x32 -seed 9 plasma:orange-purple -strip -quality 70 "$work/thumb.jpg"
exif_block "$work/thumb.jpg" > "$work/thumb.app1"
convert jfif-baseline.jpg -profile "APP1:$work/thumb.app1" exif-thumbnail.jpg

# A picture that starts with APP1 instead of APP0: the APP0 segment (bytes
# 2..19) of an EXIF picture is cut out.
exif_block "" > "$work/plain.app1"
convert -size 64x48 -seed 12 plasma:pink-teal -strip -quality 80 \
  -profile "APP1:$work/plain.app1" "$work/with-app0.jpg"
{ head -c 2 "$work/with-app0.jpg"; tail -c +21 "$work/with-app0.jpg"; } > app1-first.jpg

convert -size 100x60 -seed 10 plasma:white-navy "${png_options[@]}" \
  -set comment "checksum follows IEND here" text-chunk.png
convert -size 8x6 xc:firebrick "${png_options[@]}" small.png
