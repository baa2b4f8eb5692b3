#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package twice from this tree, in two folders whose files carry
# different modification times, with the same SOURCE_DATE_EPOCH (the changelog's date), and
# compares the two: bit-identical packages, or diffoscope's account of what differs.
# Usage: bench/reproducible_deb.sh        DEB_BUILD_OPTIONS (default "nocheck") is passed on.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
jobs=$(nproc); [ "$jobs" -le 2 ] || jobs=2
export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$root/debian/changelog" -S Timestamp)

build() {
    local name=$1 start
    "$root/scripts/copy-tree.sh" "$work/$name/toetsrace"
    start=$(date +%s)
    (cd "$work/$name/toetsrace" &&
        DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-nocheck} parallel=$jobs" dpkg-buildpackage -us -uc -b) \
        >"$work/$name.log" 2>&1 || { tail -n 30 "$work/$name.log"; echo "build $name failed" >&2; exit 1; }
    echo "build $name: $(( $(date +%s) - start )) s"
}

build first
sleep 2   # every file of the second copy is younger than the first's
build second
echo "SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH"
status=0
for first in "$work"/first/*.deb; do
    second="$work/second/$(basename "$first")"
    if cmp -s "$first" "$second"; then
        echo "identical: $(basename "$first") $(sha256sum <"$first" | cut -c1-16) $(du -k "$first" | cut -f1) KiB"
    else
        echo "DIFFERENT: $(basename "$first")"
        status=1
        if command -v diffoscope >/dev/null; then diffoscope "$first" "$second" || true; fi
    fi
done
exit "$status"
