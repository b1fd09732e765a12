#!/usr/bin/env bash
# Runs the README's test command as a newcomer would: in a fresh minimal Debian of the given
# release (debootstrap), on a clean clone of this repository's committed HEAD. Needs root, the
# network and several minutes, so it is not part of the test command itself.
#
#   bash scripts/debian-check.sh bookworm    # Debian 12
#   bash scripts/debian-check.sh trixie      # Debian 13
#
# The system is made in /var/tmp/hcn-<release> (or $2) and taken down again at the end; set
# KEEP=1 to keep it for a look inside (chroot /var/tmp/hcn-<release>). MIRROR overrides the
# archive, which is otherwise the one this machine already uses.
set -euo pipefail
release=${1:?usage: bash scripts/debian-check.sh <release> [folder]}
target=${2:-/var/tmp/hcn-$release}
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

if [ -z "${MIRROR:-}" ]; then
    MIRROR=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.sources \
        /etc/apt/sources.list.d/*.list 2>/dev/null | grep -vE '^[[:space:]]*#' |
        grep -oE 'https?://[^ ]+/debian\b' | grep -v -- -security | head -n1 || true)
    MIRROR=${MIRROR:-http://deb.debian.org/debian}
fi

command -v debootstrap >/dev/null || {
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
}

unmount_all() {
    # Deepest first, so that nothing mounted below holds a parent busy.
    local m
    for m in $(findmnt -rn -o TARGET | grep -E "^$target(/|$)" | sort -r); do
        umount -l "$m" || true
    done
}
take_down() {
    unmount_all
    if [ "${KEEP:-0}" != 1 ]; then rm -rf --one-file-system "$target"; fi
}

unmount_all
rm -rf --one-file-system "$target"
echo "== debootstrap $release from $MIRROR into $target"
debootstrap --variant=minbase "$release" "$target" "$MIRROR" >"$target.debootstrap.log" 2>&1 || {
    tail -n 20 "$target.debootstrap.log" >&2
    exit 1
}
trap take_down EXIT

# Services that packages would start inside the chroot stay stopped.
printf '#!/bin/sh\nexit 101\n' >"$target/usr/sbin/policy-rc.d"
chmod +x "$target/usr/sbin/policy-rc.d"
cp /etc/resolv.conf "$target/etc/resolv.conf"
mount -t proc proc "$target/proc"
mount -t sysfs sys "$target/sys"
mount --rbind /dev "$target/dev"
mount --make-rslave "$target/dev"
mount -t tmpfs tmpfs "$target/dev/shm"
mount -t tmpfs tmpfs "$target/run"
mount -t tmpfs tmpfs "$target/tmp"

git clone -q --no-hardlinks "$repo" "$target/root/hcn"
echo "== $(sed -n 's/^PRETTY_NAME=//p' "$target/etc/os-release"): bash scripts/test.sh"
start=$(date +%s)
chroot "$target" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c 'cd /root/hcn && bash scripts/test.sh'
echo "== $release: the test command passed in $(($(date +%s) - start)) s"
