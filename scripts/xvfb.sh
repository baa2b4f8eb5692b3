# Sourced: start_xvfb starts an Xvfb on a free display and sets $display and $xvfb (its pid).
start_xvfb() {
    local size=${1:-1024x768x24} fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    xvfb=$!
    local number
    read -r -t 10 number <"$fifo" || true
    rm -f "$fifo"
    [ -n "$number" ] || { echo "Xvfb did not start" >&2; return 1; }
    display=":$number"
}
