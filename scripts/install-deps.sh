#!/usr/bin/env bash
# Installs the Debian 12 packages Kestrom needs to build, run and test; skips what is there.
set -euo pipefail

packages=(cmake g++ clang libclang-rt-14-dev make pkg-config
          qt6-base-dev libgl-dev libsqlite3-dev libgtest-dev icoutils
          libx11-dev libxcursor-dev libxfixes-dev xvfb xauth x11-xserver-utils x11-apps)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
