#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# The game keeps its files beside its executable whatever that folder is called: here a
# folder named "café" in Latin-1, not valid UTF-8, with the working directory elsewhere.
# Usage: folder_name_test.sh <build folder>
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
folder="$work/caf"$'\xe9'
mkdir -p "$folder" "$work/elders"
cp "$build/tests/folder_probe" "$folder/"
(cd "$work/elders" && LC_ALL=C.UTF-8 "$folder/folder_probe") || { echo "FAIL: the probe failed"; exit 1; }
[ -f "$folder/probe.txt" ] || { echo "FAIL: nothing saved in the executable's folder"; exit 1; }
[ -z "$(ls -A "$work/elders")" ] || { echo "FAIL: saved in the working directory instead"; exit 1; }
echo "folder name: files kept beside the executable in a Latin-1 named folder"
