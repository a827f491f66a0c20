#!/usr/bin/env bash
# Runs the test command (bash tools/test.sh) on a fresh machine of a Debian
# release: debootstraps a chroot of it, makes a fresh clone of this checkout's
# commit inside, runs the command there as a new user would and exits with its
# status. Needs root; installs debootstrap with apt-get if it is missing.
#
#   tools/check_release.sh RELEASE [--keep]
#
# RELEASE: 12 or bookworm, 13 or trixie, unstable or sid (or another suite
# debootstrap knows). The chroot is made under $CHECK_RELEASE_DIR (default
# /var/tmp) and removed at the end unless --keep is given. Only committed work
# is checked.
set -euo pipefail

usage() {
    echo "usage: $0 RELEASE [--keep]   (RELEASE: 12, 13, bookworm, trixie, unstable, sid)" >&2
    exit 2
}
(($# >= 1 && $# <= 2)) || usage
case $1 in
    12 | bookworm) suite=bookworm ;;
    13 | trixie) suite=trixie ;;
    unstable | sid) suite=sid ;;
    -*) usage ;;
    *) suite=$1 ;;
esac
keep=false
if (($# == 2)); then
    [[ $2 == --keep ]] || usage
    keep=true
fi
if [[ $(id -u) -ne 0 ]]; then
    echo "release: debootstrap and chroot need root; run it with sudo" >&2
    exit 2
fi

source_dir=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
commit=$(git -C "$source_dir" rev-parse HEAD)
if [[ -n $(git -C "$source_dir" status --porcelain --untracked-files=no) ]]; then
    echo "release: uncommitted changes are not checked, only $commit"
fi

if ! command -v debootstrap >/dev/null; then
    echo "release: installing debootstrap"
    DEBIAN_FRONTEND=noninteractive apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
fi

mkdir -p "${CHECK_RELEASE_DIR:-/var/tmp}"
root=$(mktemp -d "${CHECK_RELEASE_DIR:-/var/tmp}/check-release-$suite.XXXXXX")
mounted=()

cleanup() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount "${mounted[i]}" 2>/dev/null || umount -l "${mounted[i]}" || true
    done
    if $keep; then
        echo "release: the chroot is kept at $root"
    else
        rm -rf --one-file-system "$root"
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mount_in() {  # mount arguments..., the last one the path inside the chroot
    local target="$root${*: -1}"
    mkdir -p "$target"
    mount "${@:1:$#-1}" "$target"
    mounted+=("$target")
}

started=$SECONDS
echo "release: debootstrap $suite into $root"
debootstrap --variant=minbase "$suite" "$root" >"$root.debootstrap.log" 2>&1 || {
    tail -n 20 "$root.debootstrap.log" >&2
    rm -f "$root.debootstrap.log"
    exit 1
}
rm -f "$root.debootstrap.log"
echo "release: $suite made in $((SECONDS - started)) s"

# What a freshly installed machine has that a bare chroot lacks: name
# resolution, and no services started by the packages installed.
cp /etc/resolv.conf "$root/etc/resolv.conf"
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod +x "$root/usr/sbin/policy-rc.d"
if [[ $suite == sid || $suite == unstable ]]; then
    # Unstable's mirrors may serve a Release file past its Valid-Until date.
    echo 'Acquire::Check-Valid-Until "false";' >"$root/etc/apt/apt.conf.d/99no-valid-until"
fi

mount_in -t proc proc /proc
mount_in -t sysfs sysfs /sys
mount_in --bind /dev /dev
mount_in --bind /dev/pts /dev/pts
mount_in -t tmpfs -o mode=1777 shm /dev/shm

git clone --quiet --no-checkout "$source_dir" "$root/root/orvanta"
git -C "$root/root/orvanta" checkout --quiet --detach "$commit"
echo "release: cloned $commit"

tested=$SECONDS
status=0
chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c 'cd /root/orvanta && bash tools/test.sh' || status=$?
echo "release: $suite: the test command exited $status after $((SECONDS - tested)) s" \
    "($((SECONDS - started)) s in all)"
exit $status
