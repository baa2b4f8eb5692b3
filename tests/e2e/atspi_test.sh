#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# The real game on a real accessibility bus: a screen reader must find every control with
# its role and its name. Runs the game under Xvfb with a private D-Bus session and the
# AT-SPI bus, then reads the main window's controls with Debian's AT-SPI bindings; then
# opens "Statistieken" with F2 and "Oefenen" from it with F3, keyboard only, and reads the
# practice window the same way; last, on Wayland, reads what the typing box of a game
# holds after keys were typed while its statistics window had the keyboard.
# Usage: atspi_test.sh <build folder>
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/xvfb.sh"

launcher=/usr/libexec/at-spi-bus-launcher
if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null ||
    ! command -v dbus-run-session >/dev/null || [ ! -x "$launcher" ] ||
    ! /usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null; then
    echo "SKIP: Xvfb, D-Bus, the AT-SPI bus or its Python bindings are not installed"
    exit 77
fi

if [ -z "${TOETSRACE_IN_SESSION:-}" ]; then
    TOETSRACE_IN_SESSION=1 exec dbus-run-session -- bash "$0" "$@"
fi

work=$(mktemp -d)
pids=()
cleanup() {
    stop_own "${pids[@]}"
    rm -rf "$work"
}
trap cleanup EXIT

start_xvfb 1280x1024x24 || { echo "SKIP: no X server could be started"; exit 77; }
pids+=("$xvfb")
export DISPLAY=$display QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset QT_QPA_PLATFORM
"$launcher" --launch-immediately >"$work/bus.log" 2>&1 &
pids+=("$!")

cp "$build/toetsrace" "$work/"
printf 'kat\r\n' >"$work/woordenlijst.txt"
printf 'bonuswoord\r\n' >"$work/bonuslijst.txt"
: >"$work/highscores.txt"
# A loaded machine now and then refuses an X client its connection; that is the test bed,
# not the game, so such a start is tried again.
for attempt in 1 2 3; do
    (cd "$work" && exec ./toetsrace >"$work/game.log" 2>&1) &
    game=$!
    pids+=("$game")
    for _ in $(seq 100); do
        xdotool search --onlyvisible --pid "$game" --name . >/dev/null 2>&1 && break 2
        kill -0 "$game" 2>/dev/null || break
        sleep 0.1
    done
    grep -q 'could not connect to display' "$work/game.log" || break
    echo "attempt $attempt: the X server refused the game its connection; starting it again" >&2
done

/usr/bin/python3 "$here/atspi_roles.py" || { sed 's/^/  game: /' "$work/game.log" >&2; exit 1; }

# Keyboard only: F2 in the game, then F3 in the statistics window.
window_named() {
    for _ in $(seq 50); do
        xdotool search --all --onlyvisible --pid "$game" --name "^$1\$" 2>/dev/null | head -n1 | grep . && return 0
        sleep 0.1
    done
    echo "FAIL: no window '$1'" >&2
    return 1
}
main=$(window_named 'ToetsRace 0\.27')
xdotool windowfocus --sync "$main" key F2
stats=$(window_named Statistieken)
xdotool windowfocus --sync "$stats" key F3
window_named Oefenen >/dev/null
/usr/bin/python3 "$here/atspi_roles.py" Oefenen || { sed 's/^/  game: /' "$work/game.log" >&2; exit 1; }

# Wayland: a Weston of the test's own on this X server (its X11 backend gives it the
# keyboard xdotool types on). The compositor gives "Statistieken" the keyboard as it maps
# it, over the game; what the player types then must still reach the word.
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
if ! command -v weston >/dev/null || [ ! -e "$plugins/platforms/libqwayland-generic.so" ]; then
    echo "SKIP (Wayland): weston or qt6-wayland missing"
    exit 0
fi
runtime="$work/runtime"
mkdir -m 700 "$runtime"
XDG_RUNTIME_DIR=$runtime weston --backend=x11-backend.so --use-pixman --socket=wayland-toetsrace \
    --width=1200 --height=900 >"$work/weston.log" 2>&1 &
pids+=("$!")
compositor=""
for _ in $(seq 100); do
    compositor=$(xdotool search --onlyvisible --class '^Weston Compositor$' 2>/dev/null | head -n1) && [ -n "$compositor" ] &&
        [ -S "$runtime/wayland-toetsrace" ] && break
    sleep 0.1
done
[ -n "$compositor" ] || { echo "FAIL: weston did not start: $(cat "$work/weston.log")" >&2; exit 1; }
mkdir "$work/wayland"
cp "$work/toetsrace" "$work/woordenlijst.txt" "$work/bonuslijst.txt" "$work/highscores.txt" "$work/wayland/"
(cd "$work/wayland" && exec env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-toetsrace \
    ./toetsrace --statistieken >"$work/wayland.log" 2>&1) &
wayland=$!
pids+=("$wayland")
/usr/bin/python3 "$here/atspi_roles.py" --active "$wayland" Statistieken
xdotool mousemove --window "$compositor" 600 450 windowfocus --sync "$compositor" type --delay 80 qwe
sleep 0.5
typed=$(/usr/bin/python3 "$here/atspi_roles.py" --typed "$wayland")
[ "$typed" = qwe ] || { echo "FAIL (Wayland): typed qwe, the game's typing box holds '$typed'" >&2; exit 1; }
echo "atspi: on Wayland, what is typed while Statistieken has the keyboard reaches the word"
