#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the three builds, the release packages and their
# tests need and this machine lacks. Needs root (or sudo) only when something is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config ccache
    googletest libbenchmark-dev zlib1g-dev nlohmann-json3-dev
    clang libclang-rt-14-dev clang-format
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64-x86-64
    binutils-mingw-w64-i686 mingw-w64-tools libz-mingw-w64-dev
    wine wine64 xvfb xauth x11-utils xdotool imagemagick python3 fonts-wqy-microhei
    nsis zip
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
