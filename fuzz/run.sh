#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the libFuzzer targets with clang, AddressSanitizer and UBSan, and runs each for a
# bounded time (seconds, default 60) from the seed corpus in fuzz/corpus. Prints the
# executions per target; fails on a crash, a sanitizer report or a broken property.
# Usage: fuzz/run.sh [seconds per target]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
"$root/scripts/deps.sh" build fuzz
build="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DTOETSRACE_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
printf '%-26s %12s %10s  %s\n' target executions seconds result
for target in fuzz_lines fuzz_cipher fuzz_numchars fuzz_highscore_read fuzz_highscore_roundtrip; do
    mkdir -p "$work/$target"
    log="$work/$target.log"
    result=ok
    (cd "$work" && "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -timeout=10 -rss_limit_mb=2048 "$work/$target" "$root/fuzz/corpus/$target") >"$log" 2>&1 ||
        { result=FAILED; status=1; }
    runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$log")
    printf '%-26s %12s %10s  %s\n' "$target" "${runs:-?}" "$seconds" "$result"
    if [ "$result" != ok ]; then
        tail -n 40 "$log" >&2
    fi
done
exit $status
