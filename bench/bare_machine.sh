#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# The README's commands on a bare machine: a minimal Debian 12 made by debootstrap
# (--variant=minbase) plus sudo and a player's account that may use it, in a chroot. It
# clones this repository's committed tree into the player's home and, as that player:
#   play      runs the play command without a display, which must stop at once with its
#             message, having installed and built nothing;
#   package   builds the Debian package with only its Build-Depends installed (apt-get
#             build-dep, as root), its tests included, which shows that they are complete;
#   install   installs that package with apt (as root) and starts the installed game for a
#             moment, offscreen;
#   test      runs the test command (TOETSRACE_QUICK=1 unless set: the first suite only).
# Prints the time and the disk each step takes. Needs root, debootstrap and Debian's archive,
# whose address it takes from the host's apt sources (or DEBIAN_MIRROR). Not part of CI.
# Usage: bench/bare_machine.sh [folder for the chroot]      KEEP=1 keeps the chroot.
set -euo pipefail
[ "$(id -u)" -eq 0 ] || { echo "bare_machine.sh: needs root (debootstrap, chroot, mount)" >&2; exit 1; }
command -v debootstrap >/dev/null || { echo "bare_machine.sh: install debootstrap" >&2; exit 1; }
root=$(cd "$(dirname "$0")/.." && pwd)
quick=${TOETSRACE_QUICK:-1}
dir=$(realpath -m "${1:-$(mktemp -d /var/tmp/toetsrace-bare.XXXXXX)}")
mkdir -p "$dir" && chmod 755 "$dir"   # the chroot's /, which everyone must be able to enter
logs=$(mktemp -d)
player=player
mounts=()

mirror=${DEBIAN_MIRROR:-$(
    { grep -hs '^URIs:' /etc/apt/sources.list.d/*.sources | tr ' ' '\n' | grep '://' || true
      grep -hs '^deb ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list | awk '{ print $2 }' || true
    } | grep -E '/debian/?$' | head -n1)}
[ -n "$mirror" ] || { echo "bare_machine.sh: no Debian archive in the apt sources; set DEBIAN_MIRROR" >&2; exit 1; }
mirror=${mirror%/}

cleanup() {
    local pid
    # Whatever still runs inside the chroot was started by this script.
    for pid in /proc/[0-9]*; do
        [ "$(readlink "$pid/root" 2>/dev/null)" = "$dir" ] && kill -9 "${pid#/proc/}" 2>/dev/null || true
    done
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do umount "${mounts[i]}" 2>/dev/null || umount -l "${mounts[i]}" || true; done
    if grep -q " $dir/" /proc/mounts; then
        echo "bare_machine.sh: still mounted under $dir; left in place" >&2
    elif [ "${KEEP:-0}" != 1 ]; then
        rm -rf --one-file-system "$dir"
    fi
    echo "logs: $logs"
}
trap cleanup EXIT
mount_in() { mkdir -p "$dir$2"; mount "${@:3}" "$1" "$dir$2"; mounts+=("$dir$2"); }

disk() { du -sxm "$dir" | cut -f1; }
# step <name> <command>...: runs it, logs its output, prints its time and the disk it took.
declare -A exit_of
step() {
    local name=$1 before after start status=0
    shift
    before=$(disk)
    start=$(date +%s)
    "$@" >"$logs/$name.log" 2>&1 || status=$?
    after=$(disk)
    exit_of[$name]=$status
    printf '%-11s %6d s %+8d MB   exit %d   (chroot now %d MB)\n' "$name" \
        "$(($(date +%s) - start))" "$((after - before))" "$status" "$after"
}
as_player() {
    chroot "$dir" runuser -u "$player" -- env -i HOME="/home/$player" USER="$player" \
        LOGNAME="$player" PATH=/usr/local/bin:/usr/bin:/bin:/usr/games TERM=dumb \
        bash -c "cd ~/toetsrace && $1"
}

echo "chroot: $dir, archive: $mirror"
step debootstrap debootstrap --variant=minbase --include=sudo bookworm "$dir" "$mirror"
[ "${exit_of[debootstrap]}" -eq 0 ] && [ -x "$dir/usr/bin/sudo" ] || { tail "$logs/debootstrap.log" >&2; exit 1; }
cat >"$dir/etc/apt/sources.list" <<EOF
deb $mirror bookworm main
deb $mirror bookworm-updates main
deb $mirror-security bookworm-security main
EOF
# How this host reaches the archive (proxies, date checks) holds in the chroot too.
for conf in /etc/apt/apt.conf.d/*; do
    if grep -qs 'Acquire::' "$conf"; then cp "$conf" "$dir/etc/apt/apt.conf.d/"; fi
done
cp /etc/resolv.conf "$dir/etc/resolv.conf"
mount_in proc /proc -t proc
mount_in sysfs /sys -t sysfs
mount_in /dev /dev --bind
mount_in shm /dev/shm -t tmpfs
chroot "$dir" useradd -m -s /bin/bash "$player"
echo "$player ALL=(ALL:ALL) NOPASSWD: ALL" >"$dir/etc/sudoers.d/$player"
chmod 440 "$dir/etc/sudoers.d/$player"
git clone -q "$root" "$dir/home/$player/toetsrace"
chroot "$dir" chown -R "$player:$player" "/home/$player/toetsrace"
packages_before=$(chroot "$dir" dpkg-query -W | wc -l)

step play as_player scripts/play.sh
grep -q 'no display' "$logs/play.log" || { echo "FAIL: the play command did not say there is no display" >&2; exit 1; }
[ ! -e "$dir/home/$player/toetsrace/build" ] || { echo "FAIL: the play command built something" >&2; exit 1; }
[ "$(chroot "$dir" dpkg-query -W | wc -l)" -eq "$packages_before" ] ||
    { echo "FAIL: the play command installed packages" >&2; exit 1; }
sed 's/^/  play says: /' "$logs/play.log"

step build-dep chroot "$dir" env DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -q \
    "/home/$player/toetsrace"
step package as_player 'DEB_BUILD_OPTIONS=parallel=2 dpkg-buildpackage -us -uc -b'
tail -n 3 "$logs/package.log" | sed 's/^/  package: /'
grep -E 'tests passed|tests failed' "$logs/package.log" | sed 's/^/  package: /' || true
rm -rf "$dir/home/$player/toetsrace/obj-"*

step install chroot "$dir" bash -c 'DEBIAN_FRONTEND=noninteractive apt-get install -y -q /home/*/toetsrace_*.deb'
step run as_player 'status=0; QT_QPA_PLATFORM=offscreen timeout 3 toetsrace || status=$?; [ "$status" -eq 124 ]'

step test as_player "TOETSRACE_QUICK=$quick scripts/test.sh"
grep -E 'tests passed|tests failed|Total Test time' "$logs/test.log" | sed 's/^/  test: /' || true
echo "build folders: $(du -sm "$dir/home/$player/toetsrace"/build* 2>/dev/null | awk '{ printf "%s %s MB  ", $2, $1 }')" |
    sed "s|$dir/home/$player/toetsrace/||g"
for name in build-dep package install run test; do
    [ "${exit_of[$name]}" -eq 0 ] || { echo "FAIL: $name (log: $logs/$name.log)" >&2; exit 1; }
done
echo "bare machine: ok"
