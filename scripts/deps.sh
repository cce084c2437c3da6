#!/usr/bin/env bash
# Installs whatever the game needs to build and run that this Debian machine lacks.
# Usage: scripts/deps.sh [play|test|ci]
set -euo pipefail

kind=${1:-play}
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-multimedia-dev libgl-dev
          fonts-dejavu-core libxkbcommon-dev)
case "$kind" in
    test) packages+=(libgtest-dev) ;;
    ci) packages+=(libgtest-dev clang libclang-rt-14-dev) ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
