#!/usr/bin/env bash
# install/source-date-epoch.sh, the time the installer dates its packed files
# with: SOURCE_DATE_EPOCH first, then the commit checked out, then the newest
# source file; the file it writes is left alone when the time is the same, so
# that the installer is not made again for nothing.
#
#   source-date-epoch-test.sh SCRIPT WORK_DIR
set -uo pipefail
script=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
failures=0
pass() { echo "ok    $1"; }
fail() { echo "FAIL  $1"; failures=$((failures + 1)); }
expect_equal() {  # what, expected, actual
  if [ "$2" = "$3" ]; then pass "$1"; else fail "$1: expected '$2', got '$3'"; fi
}
epoch_of() {  # source folder; prints what the script wrote
  rm -f "$work/epoch"
  (unset SOURCE_DATE_EPOCH; bash "$script" "$1" "$work/epoch") && cat "$work/epoch"
}
git_quiet() { git -c user.name=t -c user.email=t@t "$@" >/dev/null 2>&1; }

# An unpacked source archive: every file carries the commit's time, build
# trees inside it are newer and do not count.
archive=$work/archive
mkdir -p "$archive/recovery" "$archive/build/win" "$archive/dist"
touch -d @1600000000 "$archive/CMakeLists.txt"
touch -d @1600000500 "$archive/recovery/Scan.cpp"
touch "$archive/build/win/build.ninja" "$archive/dist/Setup.exe"
expect_equal "archive: newest source file" 1600000500 "$(epoch_of "$archive")"

expect_equal "SOURCE_DATE_EPOCH wins" 1234567890 \
  "$(SOURCE_DATE_EPOCH=1234567890 bash "$script" "$archive" "$work/epoch" && cat "$work/epoch")"
if SOURCE_DATE_EPOCH=yesterday bash "$script" "$archive" "$work/epoch" 2>/dev/null; then
  fail "a SOURCE_DATE_EPOCH that is no number is refused"
else
  pass "a SOURCE_DATE_EPOCH that is no number is refused"
fi

# A checkout takes the commit's time, whatever its files' times.
checkout=$work/checkout
mkdir -p "$checkout"
git_quiet -C "$checkout" init
echo x >"$checkout/CMakeLists.txt"
git_quiet -C "$checkout" add .
GIT_COMMITTER_DATE=@1500000000 git_quiet -C "$checkout" commit -m first
expect_equal "checkout: the commit's time" 1500000000 "$(epoch_of "$checkout")"

# An archive unpacked inside another repository does not take its time.
mkdir -p "$checkout/unpacked"
touch -d @1700000000 "$checkout/unpacked/CMakeLists.txt"
expect_equal "archive inside a checkout: its own files" 1700000000 "$(epoch_of "$checkout/unpacked")"

# The same time again leaves the file as it was; a new one rewrites it.
SOURCE_DATE_EPOCH=1500000000 bash "$script" "$checkout" "$work/epoch"
touch -d @1000 "$work/epoch"
SOURCE_DATE_EPOCH=1500000000 bash "$script" "$checkout" "$work/epoch"
expect_equal "same time: file untouched" 1000 "$(stat -c %Y "$work/epoch")"
SOURCE_DATE_EPOCH=1500000001 bash "$script" "$checkout" "$work/epoch"
expect_equal "new time: file rewritten" 1500000001 "$(cat "$work/epoch")"

echo "$failures failure(s)"
[ "$failures" -eq 0 ] && rm -rf "$work"
[ "$failures" -eq 0 ]
