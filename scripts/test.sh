#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is missing, builds, and runs every test: the whole suite; then the same
# suite built with AddressSanitizer and UndefinedBehaviorSanitizer; then each fuzz target
# for a few seconds. TOETSRACE_QUICK=1 runs only the first part.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
"$root/scripts/deps.sh" build test fuzz
"$root/scripts/build.sh"
ctest --test-dir "$root/build" --output-on-failure -j "$jobs"
[ "${TOETSRACE_QUICK:-0}" = 1 ] && exit 0

echo "== the same tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S "$root" -B "$root/build-asan" -G Ninja -DTOETSRACE_SANITIZE=ON >/dev/null
cmake --build "$root/build-asan" -j "$jobs"
ctest --test-dir "$root/build-asan" --output-on-failure -j "$jobs"

echo "== fuzzing each target briefly"
"$root/fuzz/run.sh" "${TOETSRACE_FUZZ_SECONDS:-10}"
