#!/usr/bin/env bash
# Tries the README's commands as a new player would: on a bare Debian 12 (bookworm, minbase,
# made with debootstrap) into which the committed HEAD of this repository is cloned.
#
# Usage: scripts/check-fresh.sh [--play-only] [--keep] [--refresh]
#        scripts/check-fresh.sh --deb FILE [--display :N] [--keep] [--refresh]
#   (none)       scripts/play.sh --no-start, a short start of the built game, scripts/test.sh
#   --play-only  the same without scripts/test.sh (what CI runs)
#   --deb FILE   a package from scripts/package.sh instead: apt install it (its Depends alone,
#                no Recommends), start its desktop entry's command as a user who cannot write
#                to the install, remove it and look for anything left behind
#   --display :N start the game on that X display (an Xvfb of the host, say) for 30 s instead
#                of 5 s with no screen, so that it can be looked at
#   --keep       leave the bare system afterwards (its folder is printed)
#   --refresh    make the bare system anew instead of using the kept one
#
# Needs root (debootstrap, chroot, mounts). The bare system is made once and kept in
# $VLNOBROD_FRESH_CACHE (default /var/cache/vlnobrod-fresh) together with the packages it
# downloaded; every run starts from a new copy of it, so nothing installed by one run is seen
# by the next. Says which step failed and exits with that step's code.
set -eEuo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)

play_only=false keep=false refresh=false deb="" display=""
while [ $# -gt 0 ]; do
    case "$1" in
        --play-only) play_only=true ;;
        --keep) keep=true ;;
        --refresh) refresh=true ;;
        --deb) deb=$(realpath "${2:?--deb needs a file}"); shift ;;
        --display) display=${2:?--display needs an X display such as :1}; shift ;;
        *) sed -n '5,15p' "$0" >&2; exit 2 ;;
    esac
    shift
done
if [ "$(id -u)" -ne 0 ]; then
    exec sudo --preserve-env=VLNOBROD_FRESH_CACHE,VLNOBROD_FRESH_MIRROR,CMAKE_BUILD_PARALLEL_LEVEL \
        "$0" "$@"
fi

cache=${VLNOBROD_FRESH_CACHE:-/var/cache/vlnobrod-fresh}
mirror=${VLNOBROD_FRESH_MIRROR:-http://deb.debian.org/debian}
base=$cache/bookworm-minbase
root=""
mounts=()

step_name=""
started=$SECONDS
step_started=$SECONDS
step() {
    step_name=$1
    step_started=$SECONDS
    echo
    echo "== check-fresh: $step_name"
}
passed() {
    echo "== check-fresh: $step_name: passed ($((SECONDS - step_started)) s)"
}
failed() {
    local rc=$?
    echo >&2
    echo "check-fresh: FAILED at step \"$step_name\" (exit $rc)" >&2
    exit $rc
}
trap failed ERR

cleanup() {
    local rc=$?
    trap - ERR
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[i]}" || umount -l "${mounts[i]}" || true
    done
    if [ -n "$root" ] && [ -d "$root" ]; then
        if $keep; then
            echo "check-fresh: the bare system is kept in $root (unmounted)"
        elif grep -q " $root/" /proc/mounts; then
            echo "check-fresh: $root still has mounts: not removed" >&2
        else
            local t=$SECONDS
            rm -rf --one-file-system "$root"
            echo "check-fresh: the used copy of the bare system is removed ($((SECONDS - t)) s)"
        fi
    fi
    exit $rc
}
trap cleanup EXIT

bind() { # host path, path inside the bare system
    mkdir -p "$root$2"
    mount --bind "$1" "$root$2"
    mounts+=("$root$2")
}

# Runs a shell command inside the bare system with an environment as plain as a new login's.
run_in() { # user (root or player), command
    local home=/root asUser=()
    if [ "$1" != root ]; then
        home=/home/$1
        asUser=(--userspec="$(chroot "$root" id -u "$1"):$(chroot "$root" id -g "$1")")
    fi
    chroot "${asUser[@]}" "$root" /usr/bin/env -i HOME="$home" USER="$1" LOGNAME="$1" LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin TERM="${TERM:-dumb}" \
        "${screen[@]}" ${CMAKE_BUILD_PARALLEL_LEVEL:+CMAKE_BUILD_PARALLEL_LEVEL=$CMAKE_BUILD_PARALLEL_LEVEL} \
        /bin/bash -euo pipefail -c "cd ~ && $2"
}

step "bare Debian 12"
command -v debootstrap >/dev/null || "$repo/scripts/deps.sh" fresh
mkdir -p "$cache/debs" "$cache/apt-archives/partial"
exec 9>"$cache/lock"
flock 9
if $refresh || [ ! -d "$base" ]; then
    echo "making a bookworm minbase with debootstrap (once; kept in $base)"
    new=$(mktemp -d "$cache/base.XXXXXX")
    nice -n 10 debootstrap --variant=minbase --cache-dir="$cache/debs" bookworm "$new" "$mirror" \
        >"$cache/debootstrap.log" 2>&1 || { tail -20 "$cache/debootstrap.log" >&2; rm -rf "$new"; false; }
    # The sources of a fresh installation: the release, its updates and security updates.
    security=${mirror%/debian}/debian-security
    cat >"$new/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb $security bookworm-security main
EOF
    rm -rf "$new/var/lib/apt/lists/"* "$new/var/cache/apt/archives/"*.deb
    rm -rf "${base:?}.old"
    [ -d "$base" ] && mv "$base" "$base.old"
    mv "$new" "$base"
    rm -rf "${base:?}.old"
fi
root=$(mktemp -d "$cache/run.XXXXXX")
cp -a "$base/." "$root/"
flock -u 9
chmod 755 "$root"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# No service of a package may start inside the bare system: it would outlive the check.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"
mount -t proc proc "$root/proc"
mounts+=("$root/proc")
bind /dev /dev
bind /dev/pts /dev/pts
bind "$cache/apt-archives" /var/cache/apt/archives
screen=(QT_QPA_PLATFORM=offscreen)
hold=5
if [ -n "$display" ]; then
    bind /tmp/.X11-unix /tmp/.X11-unix
    screen=(DISPLAY="$display")
    hold=30
fi
mkdir -p "$root/dev/shm"
run_in root 'grep PRETTY_NAME /etc/os-release; echo "$(dpkg-query -f "x\n" -W | wc -l) packages installed"'
passed

if [ -z "$deb" ]; then
    step "clone the repository"
    if [ -n "$(git -C "$repo" status --porcelain --untracked-files=no)" ]; then
        echo "note: uncommitted changes are not checked, only the committed HEAD"
    fi
    head=$(git -C "$repo" rev-parse HEAD)
    git clone -q --no-checkout "$repo" "$root/root/vlnobrod"
    git -C "$root/root/vlnobrod" checkout -q --detach "$head"
    git -C "$root/root/vlnobrod" log -1 --format='%h %s'
    passed

    step "scripts/play.sh --no-start"
    run_in root 'cd vlnobrod && nice -n 10 scripts/play.sh --no-start'
    passed

    step "start the built game"
    # A few seconds (with no screen, unless --display): it must still run when they are up.
    run_in root 'cd vlnobrod && rc=0 && timeout '"$hold"' build/play/app/vlnobrod || rc=$?
                 [ $rc -eq 124 ] || { echo "the game ended by itself (exit $rc)"; exit 1; }
                 echo "still running after '"$hold"' s"'
    passed

    if ! $play_only; then
        step "scripts/test.sh"
        run_in root 'cd vlnobrod && nice -n 10 scripts/test.sh'
        passed
    fi
else
    step "apt install ./$(basename "$deb")"
    cp "$deb" "$root/tmp/"
    run_in root "apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
        apt install -y -q -o Dpkg::Use-Pty=0 --no-install-recommends /tmp/$(basename "$deb")"
    passed

    step "vlnobrod on the PATH, desktop entry, icons, manual page"
    run_in root 'command -v vlnobrod
        desktop=$(dpkg -L vlnobrod | grep "^/usr/share/applications/.*\.desktop$")
        echo "$desktop: $(grep ^Exec= "$desktop")"
        icon=$(sed -n "s/^Icon=//p" "$desktop")
        ls /usr/share/icons/hicolor/*/apps/"$icon".* | sed "s|^|  |"
        ls /usr/share/metainfo/*.xml /usr/share/man/man6/vlnobrod.6.gz'
    passed

    step "start the desktop entry's command as a user who cannot write to the install"
    run_in root 'useradd -m player'
    run_in player 'program=$(readlink -f "$(command -v vlnobrod)")
        if [ -w "$(dirname "$program")" ]; then echo "the install is writable by $USER"; exit 1; fi
        exec=$(sed -n "s/^Exec=//p" /usr/share/applications/*.desktop | sed "s/ *%[fFuU]//")
        echo "starting: $exec"
        rc=0 && timeout '"$hold"' $exec || rc=$?
        [ $rc -eq 124 ] || { echo "the game ended by itself (exit $rc)"; exit 1; }
        echo "still running after '"$hold"' s"'
    passed

    step "apt purge vlnobrod: nothing left behind"
    run_in root 'dpkg -L vlnobrod >/tmp/files
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -q -o Dpkg::Use-Pty=0 vlnobrod
        left=0
        while read -r f; do
            if [ -e "$f" ] && [ ! -d "$f" ]; then echo "left behind: $f"; left=1; fi
        done </tmp/files
        [ ! -e /usr/lib/vlnobrod ] || { echo "left behind: /usr/lib/vlnobrod"; ls -R /usr/lib/vlnobrod; left=1; }
        [ $left -eq 0 ] && echo "all $(wc -l </tmp/files) paths of the package are gone"'
    passed
fi

step_name="all"
echo
echo "check-fresh: all steps passed ($((SECONDS - started)) s)"
