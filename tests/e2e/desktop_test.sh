#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# The game on a desktop, outside it and on Wayland:
# - --help and --version answer without any display; without one, a start says why and
#   ends with status 3 instead of Qt's abort;
# - in a desktop session (its own D-Bus and Xvfb), a second start of the same game, as the
#   desktop's "Statistieken" action runs it, opens the statistics window in the running
#   game and ends; a copy from another folder plays on its own;
# - under a headless Weston of its own, the game runs as a native Wayland client.
# Usage: desktop_test.sh <build folder>
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/xvfb.sh"
work=$(mktemp -d)
pids=()
cleanup() {
    stop_own "${pids[@]}"
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
unset QT_QPA_PLATFORM

game_in() {
    mkdir -p "$work/$1"
    cp "$build/toetsrace" "$here/../../share/woordenlijst.txt" "$here/../../share/bonuslijst.txt" "$work/$1/"
    : >"$work/$1/highscores.txt"
}
game_in one
game_in other

# Without any display.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$work/one/toetsrace" --help) || fail "--help failed"
grep -q '^Gebruik: toetsrace' <<<"$out" || fail "--help printed: $out"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$work/one/toetsrace" --version) || fail "--version failed"
grep -qx 'toetsrace [0-9]*\.[0-9]*\.[0-9]*' <<<"$out" || fail "--version printed: $out"
status=0
env -u DISPLAY -u WAYLAND_DISPLAY "$work/one/toetsrace" 2>"$work/none.log" || status=$?
[ "$status" -eq 3 ] || fail "a start without display ended with $status"
grep -q 'geen venster openen' "$work/none.log" || fail "no reason given: $(cat "$work/none.log")"

# A desktop session: its own bus and X server.
if command -v dbus-daemon >/dev/null && command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
    start_xvfb 1600x1000x24 || fail "no X server"
    pids+=("$xvfb")
    dbus-daemon --session --nofork --nopidfile --print-address=1 >"$work/bus" &
    pids+=("$!")
    for _ in $(seq 50); do [ -s "$work/bus" ] && break; sleep 0.1; done
    export DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p "$work/bus")
    export DISPLAY=$display
    (cd "$work/one" && exec ./toetsrace 2>"$work/one.log") &
    first=$!
    pids+=("$first")
    for _ in $(seq 100); do
        xdotool search --onlyvisible --pid "$first" --name '^ToetsRace' >/dev/null 2>&1 && break
        sleep 0.1
    done
    status=0
    (cd "$work/one" && timeout 10 ./toetsrace --statistieken) || status=$?
    [ "$status" -eq 0 ] || fail "the second start ended with $status instead of handing over"
    for _ in $(seq 50); do
        xdotool search --onlyvisible --pid "$first" --name '^Statistieken$' >/dev/null 2>&1 && break
        sleep 0.1
    done
    xdotool search --onlyvisible --pid "$first" --name '^Statistieken$' >/dev/null ||
        fail "the running game did not open its statistics"
    [ "$(xdotool search --onlyvisible --name '^ToetsRace' | wc -l)" -eq 1 ] || fail "a second game opened"
    (cd "$work/other" && exec ./toetsrace 2>"$work/other.log") &
    other=$!
    pids+=("$other")
    for _ in $(seq 100); do
        xdotool search --onlyvisible --pid "$other" --name '^ToetsRace' >/dev/null 2>&1 && break
        sleep 0.1
    done
    xdotool search --onlyvisible --pid "$other" --name '^ToetsRace' >/dev/null ||
        fail "a copy from another folder did not play on its own"
    echo "desktop: a second start opened the statistics in the running game"

    # A dark KDE desktop: Qt takes its colours from kdeglobals. The game keeps its own, so
    # the black word, the about window's title, the statistics and practice stay readable.
    mkdir -p "$work/kde"
    printf '%s\n' '[Colors:Button]' 'BackgroundNormal=49,54,59' 'ForegroundNormal=252,252,252' \
        '[Colors:View]' 'BackgroundNormal=27,30,32' 'ForegroundNormal=252,252,252' \
        '[Colors:Window]' 'BackgroundNormal=42,46,50' 'ForegroundNormal=252,252,252' \
        >"$work/kde/kdeglobals"
    kde=(XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5 XDG_CONFIG_HOME="$work/kde")
    desktop=$(env "${kde[@]}" "$build/tests/desktop_palette" 2>/dev/null)
    [ "$desktop" = "#2a2e32" ] || fail "Qt did not take the dark colours of kdeglobals: $desktop"
    game_in dark
    (cd "$work/dark" && exec env "${kde[@]}" ./toetsrace 2>"$work/dark.log") &
    dark=$!
    pids+=("$dark")
    window_of() {
        for _ in $(seq 100); do
            xdotool search --all --onlyvisible --pid "$dark" --name "$1" 2>/dev/null | head -n1 | grep . && return 0
            sleep 0.1
        done
        fail "no window $1 on the dark desktop"
    }
    # Black text against what most of the shot shows, in the part x y w h of it.
    contrast_of() {
        import -window "$1" "$work/dark.png"
        /usr/bin/python3 "$here/window_contrast.py" "$work/dark.png" "${@:2}" | cut -d' ' -f1
    }
    readable() { awk -v r="$1" 'BEGIN { exit !(r >= 4.5) }' || fail "$2 reads at $1:1 on a dark desktop"; }
    main=$(window_of '^ToetsRace 0\.27$')
    xdotool mousemove --window "$main" 252 292 click 1  # Start Level: a word comes in
    # The lane, without the finish line. A word coming in shows only the grey edge of a
    # letter at first: look until a whole letter shows, for ten seconds at most.
    ratio=1.0
    for _ in $(seq 50); do
        ratio=$(contrast_of "$main" 20 136 680 41)
        awk -v r="$ratio" 'BEGIN { exit !(r >= 4.5) }' && break
        sleep 0.1
    done
    readable "$ratio" "the word"
    words=$ratio
    xdotool mousemove --window "$main" 356 392 click 1
    ratio=$(contrast_of "$(window_of '^About ToetsRace$')")
    readable "$ratio" "the about window"
    about=$ratio
    xdotool windowfocus --sync "$main" key F2
    stats=$(window_of '^Statistieken$')
    ratio=$(contrast_of "$stats")
    readable "$ratio" "the statistics window"
    statistics=$ratio
    xdotool windowfocus --sync "$stats" key F3
    ratio=$(contrast_of "$(window_of '^Oefenen$')")
    readable "$ratio" "the practice window"
    echo "dark desktop: black text at $words:1 in the lane, $about:1 in the about window," \
        "$statistics:1 in the statistics, $ratio:1 in the practice window"
else
    echo "SKIP (desktop session): dbus-daemon, Xvfb or xdotool missing"
fi

# Wayland, under a Weston of the test's own.
if command -v weston >/dev/null &&
    [ -e "$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)/platforms/libqwayland-generic.so" ]; then
    runtime="$work/runtime"
    mkdir -m 700 "$runtime"
    XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=wayland-toetsrace \
        --width=1600 --height=1000 >"$work/weston.log" 2>&1 &
    pids+=("$!")
    for _ in $(seq 50); do [ -S "$runtime/wayland-toetsrace" ] && break; sleep 0.1; done
    [ -S "$runtime/wayland-toetsrace" ] || fail "weston did not start: $(cat "$work/weston.log")"
    (cd "$work/other" && exec env -u DISPLAY -u DBUS_SESSION_BUS_ADDRESS XDG_RUNTIME_DIR="$runtime" \
        WAYLAND_DISPLAY=wayland-toetsrace ./toetsrace --statistieken 2>"$work/wayland.log") &
    wayland=$!
    pids+=("$wayland")
    sleep 3
    kill -0 "$wayland" 2>/dev/null || fail "the game ended on Wayland: $(cat "$work/wayland.log")"
    grep -q 'libqwayland' "/proc/$wayland/maps" || fail "the game did not take Qt's Wayland plugin"
    echo "wayland: the game runs as a native client"
else
    echo "SKIP (Wayland): weston or qt6-wayland missing"
fi
