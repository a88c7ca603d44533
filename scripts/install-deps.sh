#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and nothing else.
# Quiet and quick when everything is already there.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest libgtest-dev libbenchmark-dev zlib1g-dev nlohmann-json3-dev
  libgcrypt20-dev  # SHA-256 of the pictures natively; Windows has its own (CNG)
  clang libclang-rt-14-dev
  python3-pil  # the native tests open the bitmaps the scan writes with Pillow
  g++-mingw-w64-i686 binutils-mingw-w64-i686 mingw-w64-i686-dev libz-mingw-w64-dev
  wine wine32:i386 xvfb xauth xdotool imagemagick fonts-wine nsis
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  as_root dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
# Another install may hold dpkg's lock for a while: wait for it rather than fail.
apt_wait=(-o DPkg::Lock::Timeout=600)
as_root apt-get "${apt_wait[@]}" update -qq
as_root apt-get "${apt_wait[@]}" install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
