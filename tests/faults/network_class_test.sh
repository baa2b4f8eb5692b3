#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Het Toetsrace-team
# SPDX-License-Identifier: GPL-3.0-or-later

# A class on a network drive: several PCs share one folder through sshfs, each PC a process
# tree with its own host name, machine id, process numbers and mounts (UTS, PID and mount
# namespaces), the server an sshd on 127.0.0.1 that this test starts and stops.
#   1. Four PCs save highscores at once, two copies of the game on each: every entry of
#      all of them is in the file, and every copy saved all it had to.
#   2. A copy is stopped for 35 s while it holds the lock (a frozen PC), then goes on:
#      the others saved meanwhile, and nothing anyone saved is lost.
#   3. A copy is killed while it holds the lock (a PC switched off): another PC saves
#      within a few seconds.
# Needs root, FUSE, namespaces, sshfs and sshd; skips (77) where one is missing.
# Usage: network_class_test.sh <build folder> [copies per PC] [saves per copy]
set -euo pipefail

if [ "${1:-}" = --pc ]; then
    # Inside a PC's own namespaces: its name and machine id, the class folder mounted over
    # the network, then the command given.
    shift
    pc=$1 work=$2 port=$3
    shift 3
    hostname "$pc"
    echo "$pc" | md5sum | cut -c1-32 >"$work/$pc.machine-id"
    mount --bind "$work/$pc.machine-id" /etc/machine-id
    mkdir -p "$work/mnt-$pc"
    sshfs -o "IdentityFile=$work/key,StrictHostKeyChecking=no,UserKnownHostsFile=/dev/null" \
          -o "port=$port,LogLevel=ERROR" "root@127.0.0.1:$work/class" "$work/mnt-$pc"
    cd "$work/mnt-$pc"
    "$@"
    exit
fi

build=$(cd "$1" && pwd)
copies=${2:-2}
saves=${3:-25}
skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || skip "needs root for namespaces and mounts"
[ -c /dev/fuse ] || skip "no /dev/fuse"
for tool in unshare sshfs /usr/sbin/sshd ssh-keygen; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (Debian: sshfs, openssh-server)"
done
unshare --uts --pid --mount --fork true 2>/dev/null || skip "no UTS, PID or mount namespaces here"

work=$(mktemp -d)
sshd_pid=""
pcs=()
cleanup() {
    {
        for pid in "${pcs[@]}"; do kill -KILL "$pid" || true; done
        [ -n "$sshd_pid" ] && kill "$sshd_pid" || true
        wait || true
    } 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
saver="$build/tests/highscore_saver"
entries="$build/tests/highscore_entries"
self=$(readlink -f "$0")

# The server.
ssh-keygen -q -t ed25519 -N '' -f "$work/hostkey"
ssh-keygen -q -t ed25519 -N '' -f "$work/key"
cp "$work/key.pub" "$work/authorized_keys"
port=$((20000 + RANDOM % 20000))
cat >"$work/sshd_config" <<EOF
Port $port
ListenAddress 127.0.0.1
HostKey $work/hostkey
AuthorizedKeysFile $work/authorized_keys
PasswordAuthentication no
KbdInteractiveAuthentication no
PermitRootLogin prohibit-password
StrictModes no
UsePAM no
PidFile $work/sshd.pid
Subsystem sftp internal-sftp
EOF
mkdir -p /run/sshd
/usr/sbin/sshd -D -f "$work/sshd_config" -E "$work/sshd.log" &
sshd_pid=$!
for _ in $(seq 50); do
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break
    kill -0 "$sshd_pid" 2>/dev/null || fail "sshd did not start: $(cat "$work/sshd.log")"
    sleep 0.1
done

fresh_class() {
    rm -rf "$work/class"
    mkdir -p "$work/class"
    printf 'kat\r\nhond\r\n' >"$work/class/woordenlijst.txt"
    printf 'bonus\r\n' >"$work/class/bonuslijst.txt"
    : >"$work/class/highscores.txt"
}

# Starts a PC running one command in its own namespaces; its process is pcs[-1].
pc() {
    local name=$1
    shift
    unshare --uts --pid --mount --fork --mount-proc --propagation private \
        bash "$self" --pc "$name" "$work" "$port" "$@" >"$work/$name.log" 2>&1 &
    pcs+=("$!")
}

# Starts the copies of the game on a PC; each saves `count` entries "i, <name>".
copies_on() {
    local name=$1 count=$2 gap=$3 each=$4
    local script="pids=(); for c in \$(seq $each); do QT_QPA_PLATFORM=offscreen \
        '$saver' . $count ${name}-\$c $gap & pids+=(\$!); done; rc=0; \
        for p in \"\${pids[@]}\"; do wait \$p || rc=\$?; done; exit \$rc"
    pc "$name" bash -c "$script"
}

count_entries() {
    "$entries" "$work/class/highscores.txt" 2>/dev/null | grep -c . || true
}

expect_all() {
    local what=$1
    shift
    local want=""
    local plan
    for plan in "$@"; do
        local who=${plan%:*} count=${plan#*:}
        for ((i = 0; i < count; i++)); do want+="$i, $who"$'\n'; done
    done
    local have
    have=$("$entries" "$work/class/highscores.txt") || fail "$what: the file cannot be read back"
    [ "$(sort <<<"$have")" = "$(sort <<<"${want%$'\n'}")" ] ||
        fail "$what: $(grep -c . <<<"$have") of $(grep -c . <<<"$want") entries in the file;" \
             "missing: $(comm -13 <(sort <<<"$have") <(sort <<<"${want%$'\n'}") | tr '\n' ';')"
}

# Waits until the lock is held by a copy called `who`, then signals it with `signal`; returns
# once the signal reached it while it held the lock.
catch_holding() {
    local who=$1 signal=$2
    local pid=""
    # The copy's process first, once: looking it up on every try would leave the lock
    # unwatched most of the time on a busy machine.
    for _ in $(seq 1000); do
        pid=$(pgrep -f "highscore_saver \. [0-9]+ $who( |\$)" | head -1 || true)
        [ -n "$pid" ] && break
        sleep 0.01
    done
    [ -n "$pid" ] || return 1
    for _ in $(seq 4000); do
        kill -0 "$pid" 2>/dev/null || return 1
        if grep -qs "^host=$who\$" "$work/class/highscores.txt.lock"; then
            kill -STOP "$pid"
            if grep -qs "^pid=" "$work/class/highscores.txt.lock" &&
               grep -qs "^host=$who\$" "$work/class/highscores.txt.lock"; then
                [ "$signal" = STOP ] || kill -"$signal" "$pid"
                echo "$pid"
                return 0
            fi
            kill -CONT "$pid"
        fi
        sleep 0.002
    done
    return 1
}

# 1. Four PCs at once.
fresh_class
start=$(date +%s%N)
pcs=()
for n in 1 2 3 4; do copies_on "pc$n" "$saves" 0 "$copies"; done
for i in "${!pcs[@]}"; do
    wait "${pcs[$i]}" || fail "a copy on pc$((i + 1)) ended or failed: $(cat "$work/pc$((i + 1)).log")"
done
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
plans=()
for n in 1 2 3 4; do for c in $(seq "$copies"); do plans+=("pc$n-$c:$saves"); done; done
expect_all "four PCs" "${plans[@]}"
left=$(cd "$work/class" && ls -A | grep -vxE 'woordenlijst.txt|bonuslijst.txt|highscores.txt' || true)
[ -z "$left" ] || fail "left behind in the class folder: $left"
total=$((4 * copies * saves))
waited=$(cat "$work"/pc?.log | grep -c '^waited' || true)
echo "network class: 4 PCs x $copies copies x $saves saves at once over sshfs: $total of $total entries in the file, every copy saved all it had to"
echo "network class: ${elapsed_ms} ms in all, $(awk -v ms="$elapsed_ms" -v n="$total" 'BEGIN { printf "%.1f", ms / n }') ms per save; a save asked to wait $waited times"

# 2. A PC frozen for 35 s while it holds the lock, and 3. a PC switched off while it does.
# Each in a class folder of its own.
freeze_s=${TOETSRACE_FREEZE_SECONDS:-35}
fresh_class
pcs=()
pc frozen bash -c "QT_QPA_PLATFORM=offscreen '$saver' . 40 frozen 50"
pc busy bash -c "QT_QPA_PLATFORM=offscreen '$saver' . 200 busy 150"
stopped=$(catch_holding frozen STOP) || fail "the frozen PC never held the lock"
before=$(count_entries)
sleep "$freeze_s"
during=$(count_entries)
kill -CONT "$stopped"
wait "${pcs[0]}" || fail "the frozen PC ended or failed: $(cat "$work/frozen.log")"
wait "${pcs[1]}" || fail "the other PC ended or failed: $(cat "$work/busy.log")"
[ "$during" -gt "$before" ] || fail "nobody could save while a PC was frozen ($before, then $during)"
expect_all "frozen PC" frozen:40 busy:200
left=$(cd "$work/class" && ls -A | grep -vxE 'woordenlijst.txt|bonuslijst.txt|highscores.txt' || true)
[ -z "$left" ] || fail "left behind after the freeze: $left"
echo "network class: a PC frozen for ${freeze_s} s holding the lock; the other saved $((during - before)) entries meanwhile; afterwards all 240 entries in the file"

fresh_class
pcs=()
pc switchedoff bash -c "QT_QPA_PLATFORM=offscreen '$saver' . 1000 switchedoff 20"
pc survivor bash -c "QT_QPA_PLATFORM=offscreen '$saver' . 1000 survivor 20"
catch_holding switchedoff KILL >/dev/null || fail "the switched-off PC never held the lock"
wait "${pcs[0]}" 2>/dev/null || true
killed_at=$(date +%s%N)
before=$(count_entries)
while [ "$(count_entries)" -le "$before" ]; do
    kill -0 "${pcs[1]}" 2>/dev/null || fail "the other PC ended: $(cat "$work/survivor.log")"
    [ $(( ($(date +%s%N) - killed_at) / 1000000 )) -lt 20000 ] || fail "nobody saved for 20 s after a PC died holding the lock"
    sleep 0.02
done
delay_ms=$(( ($(date +%s%N) - killed_at) / 1000000 ))
[ "$delay_ms" -lt 10000 ] || fail "the next save came $delay_ms ms after a PC died holding the lock"
echo "network class: a PC switched off while holding the lock; another PC saved $delay_ms ms later"
