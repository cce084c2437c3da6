#!/usr/bin/env bash
# Installs whatever this Debian machine lacks for the given kind of work.
# Usage: scripts/deps.sh [play|test|bench|ci|package|validate|fresh|orca]
#   play      build and run the game         test      also the test suite
#   bench     play and scripts/bench.sh
#   ci        test, fuzzing, the benchmarks, the validators and scripts/check-fresh.sh
#   package   play and scripts/package.sh    validate  scripts/validate-desktop.sh
#   fresh     scripts/check-fresh.sh         orca      scripts/orca-voyage.sh
set -euo pipefail

kind=${1:-play}
play=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-multimedia-dev libgl-dev
      libxkbcommon-dev fonts-dejavu-core qt6-translations-l10n)
validators=(desktop-file-utils appstream)
fresh=(debootstrap git)
# The test build makes the benchmarks too; running them needs an X server.
benchBuild=(libbenchmark-dev libx11-dev)
# The accessibility bus test: a virtual display (xvfb-run needs xauth, only recommended), a
# session bus, the accessibility bus and its Python client.
a11y=(xvfb xauth dbus-daemon at-spi2-core python3-pyatspi)
case "$kind" in
    play) packages=("${play[@]}") ;;
    test) packages=("${play[@]}" libgtest-dev "${benchBuild[@]}" "${a11y[@]}") ;;
    bench) packages=("${play[@]}" "${benchBuild[@]}" xvfb) ;;
    ci) packages=("${play[@]}" libgtest-dev "${benchBuild[@]}" "${a11y[@]}" clang libclang-rt-14-dev
                  "${validators[@]}" "${fresh[@]}") ;;
    package) packages=("${play[@]}" dpkg-dev file "${validators[@]}") ;;
    validate) packages=("${validators[@]}") ;;
    fresh) packages=("${fresh[@]}") ;;
    orca) packages=("${a11y[@]}" orca speech-dispatcher xdotool) ;;
    *) echo "usage: scripts/deps.sh [play|test|bench|ci|package|validate|fresh|orca]" >&2; exit 2 ;;
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
$sudo apt-get install -y -qq -o Dpkg::Use-Pty=0 --no-install-recommends "${missing[@]}"
