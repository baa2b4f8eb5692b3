# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced: start_xvfb starts an Xvfb of its own and sets $display and $xvfb (its pid).
# Each call picks a display number at random, away from the usual ones, and tries another
# when that one is taken: Xvfb's own choice of a free display (-displayfd) races when
# several start at once, and two tests could end up on one server. -noreset: an X server
# resets whenever its last client leaves, and refuses connections while it does, so a
# game starting while xdotool comes and goes was now and then turned away.
start_xvfb() {
    local size=${1:-1024x768x24} fifo number attempt
    fifo=$(mktemp -u)
    for attempt in $(seq 20); do
        number=$((200 + (RANDOM + $$ * 7 + attempt * 131) % 700))
        [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
        mkfifo "$fifo"
        Xvfb ":$number" -displayfd 3 -noreset -screen 0 "$size" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
        xvfb=$!
        local ready=""
        read -r -t 10 ready <"$fifo" || true
        rm -f "$fifo"
        if [ "$ready" = "$number" ] && kill -0 "$xvfb" 2>/dev/null; then
            display=":$number"
            # Ready means a client is served, not only that the socket is there.
            local tries
            for tries in $(seq 100); do
                xdpyinfo -display "$display" >/dev/null 2>&1 && return 0
                sleep 0.1
            done
        fi
        kill "$xvfb" 2>/dev/null || true
    done
    echo "Xvfb did not start" >&2
    return 1
}

# Stops processes this shell started, by their ids; an id whose process has ended (and may
# since belong to someone else) is left alone.
stop_own() {
    local pid
    for pid in "$@"; do
        # The parent's id follows the state, after the command name in parentheses.
        # One that ends meanwhile is no failure of the caller's cleanup.
        if [ "$(sed -E 's/^.*\) . ([0-9]+) .*$/\1/' "/proc/$pid/stat" 2>/dev/null)" = "$$" ]; then
            kill "$pid" 2>/dev/null || true
        fi
    done
    return 0
}
