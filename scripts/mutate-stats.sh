#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# Changes the computations of the statistics and of the practice window one at a time, on
# purpose, and runs their tests against each change: a change the tests let through is a
# figure nobody checks. Works in a copy of the tree; prints each change with "caught" or
# "SURVIVED" and the count.
# Usage: scripts/mutate-stats.sh [build folder for the copy]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-$(mktemp -d)}
git -C "$root" ls-files -z | (cd "$root" && xargs -0 tar cf -) | (mkdir -p "$work/src" && tar xf - -C "$work/src")
cmake -S "$work/src" -B "$work/build" -G Ninja >/dev/null
targets=(tst_statistics tst_statisticswindow tst_progresschart tst_practice)
cmake --build "$work/build" --target "${targets[@]}" >/dev/null

# file | text | changed text
mutations=(
  "src/stats/records.cpp|characters) / 5.0|characters) / 6.0"
  "src/stats/records.cpp|100.0 \* static_cast|99.0 * static_cast"
  "src/stats/records.cpp|>= kRecordWords|>= 3"
  "src/stats/store.cpp|QVariant(wordsPerMinute(|QVariant(1.1 * wordsPerMinute("
  "src/stats/schema.cpp|characters / 5.0 / \"|characters / 4.0 / \""
  "src/stats/store.cpp|QStringLiteral(\"NOT god_mode\")|QStringLiteral(\"1\")"
  "src/stats/store.cpp|keystrokes > 0 ORDER BY id DESC \"|keystrokes > 0 ORDER BY id \""
  "src/stats/store.cpp|toLongLong() != lastId|toLongLong() != -1"
  "src/stats/store.cpp|raise(bests.score, game.score);|(void)0;"
  "src/stats/recorder.cpp|word_.tally = word_.beforeCommand;|(void)0;"
  "src/stats/recorder.cpp|now - word_.shownAt - word_.pausedMs - standing|now - word_.shownAt"
  "src/stats/recorder.cpp|++errors;  // past the end|(void)0;  // past the end"
  "src/stats/recorder.cpp|        openGame();  // the word ran on|        return;  // the word ran on"
  "src/stats/window.cpp|speed > \*before.wordsPerMinute|speed < *before.wordsPerMinute"
  "src/stats/window.cpp|accuracy > \*before.accuracy|accuracy >= 0"
  "src/stats/window.cpp|best.accuracy ? bytes(percentText(\*best.accuracy))|best.wordsPerMinute ? bytes(percentText(*best.wordsPerMinute))"
  "src/stats/window.cpp|before->keystrokes > 0|before->keystrokes < 0"
  "src/stats/window.cpp|const bool typed = game \&\& game->keystrokes > 0;|const bool typed = game.has_value();"
  "src/stats/keyboard.cpp|attempts < kColourAttempts|attempts == 0"
  "src/stats/store.cpp|WHERE times >= %1|WHERE times >= 1"
  "src/stats/store.cpp|COALESCE(p.clean, 0) < %1|COALESCE(p.clean, 0) < 99"
  "src/stats/store.cpp|if (!run(s.forgetMastery, {shown})) {|if (false) {"
  "src/stats/store.cpp|SET clean = 0\"|SET clean = clean\""
  "src/practice/plan.cpp|key.attempts >= stats::kColourAttempts|key.attempts > 0"
  "src/practice/plan.cpp|factor = 0.8;|factor = 0.9;"
  "src/practice/plan.cpp|wayLeft > 0.5|wayLeft < 0.5"
  "src/practice/plan.cpp|recentWordsPerMinute \* kStartShare|recentWordsPerMinute"
  "src/practice/window.cpp|return o.completed \&\& o.errors == 0;|return o.completed;"
  "src/practice/window.cpp|percent(runKeys_\[code\].errors,|percent(runKeys_[code].attempts,"
)
survived=0
for mutation in "${mutations[@]}"; do
  IFS='|' read -r file from to <<<"$mutation"
  cp "$work/src/$file" "$work/original"
  sed -i "s|$from|$to|" "$work/src/$file"
  if cmp -s "$work/src/$file" "$work/original"; then
    echo "NOT APPLIED  $file: $from"
    survived=$((survived + 1))
    continue
  fi
  result=caught
  if cmake --build "$work/build" --target "${targets[@]}" >/dev/null 2>&1; then
    result=SURVIVED
    for test in "${targets[@]}"; do
      if ! QT_QPA_PLATFORM=offscreen "$work/build/tests/$test" >/dev/null 2>&1; then
        result=caught
        break
      fi
    done
  fi
  [ "$result" = SURVIVED ] && survived=$((survived + 1))
  echo "$result  $file: $from -> $to"
  cp "$work/original" "$work/src/$file"
done
echo "$survived of ${#mutations[@]} changes survived"
