#!/usr/bin/env bash
# Wine 10 beside the host's Wine 8: a minimal Debian 13 root under build/, made once (as root,
# with debootstrap) and entered through a private mount namespace, so that nothing of Debian 13
# lands on the host and nothing stays mounted after a run or a kill.
#   scripts/wine10.sh setup            makes the root if it is missing or broken
#   scripts/wine10.sh run CMD [ARG...] runs CMD (wine, wineserver, wineboot, winepath, regedit,
#                                      or any program of the root) inside it
# The project folder, the X socket folder and $WINEPREFIX are reachable inside at the same paths.
set -euo pipefail
project=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
root=${BRISALTO_WINE10_ROOT:-$project/build/debian13}
mirror=${BRISALTO_DEBIAN_MIRROR:-http://deb.debian.org/debian}
# Wine and what it loads at run time (without the X extensions' libraries Wine 10 sees one
# monitor where there are two), the Japanese fonts, and the tools the end-to-end tests start
# from inside Wine (clicks and screenshots).
packages=(
    wine wine64 fonts-ipafont-gothic
    libxrandr2 libxinerama1 libxcursor1 libxi6 libxcomposite1 libxrender1 libxext6 libxfixes3
    libxxf86vm1 libfreetype6 libfontconfig1
    xdotool imagemagick x11-xserver-utils
)

say() { printf '== %s\n' "$*"; }

# Wine 10 answers in `dir` (the root by default).
runs_wine10() {
    inside "${1:-$root}" /usr/bin/wine --version 2>/dev/null | grep -q '^wine-10\.'
}

healthy() { [ -f "$root/.brisalto-ready" ] && runs_wine10; }

setup() {
    healthy && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "scripts/wine10.sh: making the Debian 13 root for Wine 10 needs root" >&2
        return 1
    fi
    command -v debootstrap >/dev/null || {
        echo "scripts/wine10.sh: debootstrap is missing (scripts/deps.sh installs it)" >&2
        return 1
    }
    local start fresh=$root.new
    start=$(date +%s)
    say "Making the Debian 13 root for Wine 10 in $root (once)"
    rm -rf --one-file-system "$fresh" "$root"
    if ! debootstrap --variant=minbase trixie "$fresh" "$mirror" >"$project/build/debian13.log" 2>&1; then
        echo "scripts/wine10.sh: debootstrap of Debian 13 failed (no way to $mirror?);" \
            "see build/debian13.log" >&2
        return 1
    fi
    inside "$fresh" sh -c "export DEBIAN_FRONTEND=noninteractive &&
        apt-get update -qq && apt-get install -y -qq --no-install-recommends ${packages[*]} &&
        apt-get clean && rm -rf /var/lib/apt/lists/*" >>"$project/build/debian13.log" 2>&1 || {
        echo "scripts/wine10.sh: installing Wine 10 in the Debian 13 root failed;" \
            "see build/debian13.log" >&2
        return 1
    }
    runs_wine10 "$fresh" || {
        echo "scripts/wine10.sh: the Debian 13 root has no working Wine 10" >&2
        return 1
    }
    touch "$fresh/.brisalto-ready"
    mv "$fresh" "$root"
    say "The Debian 13 root is ready ($(($(date +%s) - start)) s)"
}

mounts='dir=$1 project=$2 prefix=$3
shift 3
mount -t proc proc "$dir/proc"
mount --rbind /dev "$dir/dev"
mount --rbind /sys "$dir/sys"
mkdir -p "$dir/tmp/.X11-unix" "$dir$project"
[ -d /tmp/.X11-unix ] || mkdir -m 1777 -p /tmp/.X11-unix
mount --bind /tmp/.X11-unix "$dir/tmp/.X11-unix"
mount --bind "$project" "$dir$project"
if [ -n "$prefix" ] && [ -d "$prefix" ]; then
    case "$prefix/" in
    "$project"/*) ;;
    *) mkdir -p "$dir$prefix" && mount --bind "$prefix" "$dir$prefix" ;;
    esac
fi
cp -f /etc/resolv.conf "$dir/etc/resolv.conf" 2>/dev/null || true
cwd=/
[ -d "$dir$PWD" ] && cwd=$PWD
exec chroot "$dir" /usr/bin/env --chdir="$cwd" "$@"'

# Runs a command in `dir` as root of its own mount namespace: /proc, /dev, the X sockets, the
# project and the prefix mounted in it die with the namespace's last process.
inside() {
    local dir=$1
    shift
    local prefix=${WINEPREFIX:-}
    unshare --mount --propagation private -- /bin/sh -ec "$mounts" sh "$dir" "$project" "$prefix" "$@"
}

case "${1:-}" in
    setup) setup ;;
    run)
        shift
        # The set-up's full check starts Wine once; a run only looks for its mark.
        [ -f "$root/.brisalto-ready" ] || setup
        inside "$root" "$@"
        ;;
    *)
        echo "usage: $0 setup | run COMMAND [ARG...]" >&2
        exit 2
        ;;
esac
