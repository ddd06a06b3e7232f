#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12; does nothing when all is there.
set -euo pipefail
packages=(
    cmake ninja-build g++ googletest                          # native build and unit tests
    clang libclang-rt-14-dev                                  # the fuzz targets; the second compiler
    clang-format clang-tidy                                   # the tree's habits (scripts/lint.sh)
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix     # the Windows build
    binutils-mingw-w64-x86-64
    nsis                                                      # the installer
    wine wine64                                               # running it here
    xvfb x11-utils xdotool imagemagick fonts-ipafont-gothic   # a screen, clicks, screenshots, fonts
    xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils  # two monitors (Xorg, xrandr)
    debootstrap                                               # the Debian 13 root of Wine 10
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    echo "== Build and test tools are installed"
    exit 0
fi
echo "== Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
# Waits for another apt-get (an unattended upgrade, a second checkout) instead of failing.
"${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq "${missing[@]}" >/dev/null
echo "== Installed"
