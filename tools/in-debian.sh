#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Filora contributors
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command as root in a Debian root of another release, on a fresh copy
# of this checkout's HEAD, and ends with the command's status:
#
#   tools/in-debian.sh RELEASE COMMAND...     e.g. tools/in-debian.sh trixie ./test.sh
#
# The first run for a release makes its root with debootstrap (minbase), from
# the Debian archive the host's apt uses, in $FILORA_ROOTS/RELEASE
# (/var/tmp/filora-roots/RELEASE unless set); every later run brings it up to
# date with apt-get (git is installed there too). The copy is the committed
# HEAD (git archive, then made a git work tree), in /root/filora inside the
# root: uncommitted changes are not in it. It stays there until the next run,
# for a look at what the command left.
#
# The command runs in a mount and a PID namespace of its own, with its own
# /proc, /tmp, /run and /dev/shm: when it ends, whatever it started ends with
# it and everything mounted is gone, however it ends. Needs root (it installs
# debootstrap when missing); no display and no standard input.
set -euo pipefail

if (($# < 2)) || [[ ! "$1" =~ ^[a-z]+$ ]]; then
    echo "usage: $0 RELEASE COMMAND..." >&2
    exit 2
fi
release=$1
shift
if [[ $(id -u) -ne 0 ]]; then
    echo "$0: needs root (debootstrap, chroot and mounts)" >&2
    exit 2
fi
cd "$(dirname "${BASH_SOURCE[0]}")/.."
roots=${FILORA_ROOTS:-/var/tmp/filora-roots}
root=$roots/$release
mkdir -p "$roots"
exec 9>"$roots/$release.lock"   # one run at a time in a root
flock 9

# Runs a command in the root, with /proc, /sys, /dev and fresh /tmp, /run and
# /dev/shm mounted in a private mount namespace; the command's processes live
# in a PID namespace of their own, all ended when the command ends.
in_root() {
    unshare --mount --pid --fork --kill-child --propagation private \
        env ROOT="$root" bash -euo pipefail -c '
            mount -t proc proc "$ROOT/proc"
            mount --rbind /sys "$ROOT/sys"
            mount --rbind /dev "$ROOT/dev"
            mount -t tmpfs -o mode=1777 tmpfs "$ROOT/dev/shm"
            mount -t tmpfs -o mode=1777 tmpfs "$ROOT/tmp"
            mount -t tmpfs -o mode=755 tmpfs "$ROOT/run"
            mkdir -m 1777 "$ROOT/run/lock"
            status=0
            chroot "$ROOT" env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
                PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
                DEBIAN_FRONTEND=noninteractive "$@" || status=$?
            exit "$status"' in-root "$@"
}

if [[ ! -d "$root" ]]; then
    # The host's package lists name its archive; debootstrap may be missing.
    apt-get update -qq </dev/null
    if ! command -v debootstrap >/dev/null; then
        echo "Installing: debootstrap"
        apt-get install -y -qq --no-install-recommends debootstrap </dev/null >/dev/null
    fi
    # The host's main Debian archive: the one whose Release is labelled Debian.
    mirror=${FILORA_DEBIAN_MIRROR:-$(apt-cache policy |
        awk '$2 ~ /^https?:/ { uri = $2 } /release .*o=Debian,.*l=Debian,c=main/ && uri { print uri; exit }')}
    if [[ -z "$mirror" ]]; then
        echo "$0: the host's apt names no Debian archive; set FILORA_DEBIAN_MIRROR to one" >&2
        exit 1
    fi
    echo "Making a Debian $release root in $root from $mirror"
    rm -rf --one-file-system "$root.new"
    debootstrap --variant=minbase "$release" "$root.new" "$mirror" >"$roots/$release.log" 2>&1 ||
        { tail -n 30 "$roots/$release.log" >&2; echo "$0: debootstrap failed (all of it in $roots/$release.log)" >&2; exit 1; }
    mv "$root.new" "$root"
fi

# Packages installed in the root start no services; D-Bus needs a machine id.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"
[[ -s "$root/etc/machine-id" ]] || tr -d - </proc/sys/kernel/random/uuid >"$root/etc/machine-id"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
# apt there reaches the archive as the host's apt does: through its proxy, and
# accepting Release files past their date where the host's archive is a copy
# frozen in time (unstable's expire within a week).
apt-config dump | grep -E '^Acquire::(Check-Valid-Until|Check-Date|https?::Proxy) ' \
    >"$root/etc/apt/apt.conf.d/90filora-host-archive" || true

echo "Bringing the Debian $release root up to date"
in_root sh -c 'apt-get update -qq && apt-get -y -qq -o Dpkg::Use-Pty=0 upgrade &&
    apt-get install -y -qq -o Dpkg::Use-Pty=0 --no-install-recommends git' </dev/null >"$roots/$release.log" 2>&1 ||
    { cat "$roots/$release.log" >&2; echo "$0: apt-get in the $release root failed" >&2; exit 1; }

rm -rf --one-file-system "$root/root/filora"
mkdir -p "$root/root/filora"
git archive HEAD | tar -x -C "$root/root/filora"
# A work tree of git's, as a clone is, so that what git ignores (build/) is
# left out where the tests ask, as reuse lint does.
in_root sh -c 'cd /root/filora && git init -q && git add -A' </dev/null
if [[ -n "$(git status --porcelain --untracked-files=no)" ]]; then
    echo "Note: uncommitted changes are not in the copy; it is HEAD, $(git rev-parse --short HEAD)"
fi

echo "Running in Debian $release ($(cat "$root/etc/debian_version")): $*"
in_root sh -c 'cd /root/filora && exec "$@"' sh "$@"
