#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# Copies the source tree into a folder as git sees it: tracked files and new ones that are
# not ignored, so no build folder comes along. A tree that is no git checkout is copied
# whole but for build*/ and obj-*/.
# Usage: scripts/copy-tree.sh <target folder>
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
target=$1
mkdir -p "$target"
if git -C "$root" rev-parse --show-toplevel >/dev/null 2>&1; then
    git -C "$root" ls-files -z --cached --others --exclude-standard |
        while IFS= read -r -d '' f; do if [ -e "$root/$f" ]; then printf '%s\0' "$f"; fi; done |
        tar -C "$root" --null -T - -cf - | tar -C "$target" -xf -
else
    tar -C "$root" --anchored --exclude='./build*' --exclude='./obj-*' -cf - . | tar -C "$target" -xf -
fi
