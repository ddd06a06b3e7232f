#!/usr/bin/env bash
# What an idle Brisalto costs: CPU time and wake-ups of its process (and of the prefix's
# wineserver, which answers every call it makes to the window system) over a quiet spell, with
# N stored buttons, for each program given, with the pointer resting on the first button. Run
# inside the Wine environment (scripts/wine-env.sh).
#   bench/idle.sh SECONDS N1,N2,... LABEL=EXE [LABEL=EXE ...]
# Prints one line per program and N: CPU ms of the process and of wineserver, voluntary context
# switches (each is a wake-up after a wait) and, over a second spell of the same length under
# strace, the system calls made and the three most frequent.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/wine-env.sh"  # its helpers; it starts nothing
seconds=$1
counts=$2
shift 2
hz=$(getconf CLK_TCK)

# utime + stime of a process and all its threads, in clock ticks.
ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }
# Voluntary context switches over all threads of a process.
wakes() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ {s += $2} END {print s + 0}'; }

server_pid() {
    local p
    for p in $(pgrep -x wineserver); do
        if tr '\0' '\n' < "/proc/$p/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
            echo "$p"
            return
        fi
    done
    echo 0
}

store_buttons() {
    local n=$1 i x y
    wine reg delete 'HKCU\Software\Kestrowave\Vopdrant' /f >/dev/null 2>&1 || true
    {
        printf '[HKEY_CURRENT_USER\\Software\\Kestrowave\\Vopdrant\\Button]\n"Num"=dword:%08x\n\n' "$n"
        for ((i = 0; i < n; i++)); do
            x=$(((i % 28) * 36))
            y=$(((i / 28 % 20) * 36))
            printf '[HKEY_CURRENT_USER\\Software\\Kestrowave\\Vopdrant\\Btn%d]\n' $((i + 1))
            printf '"AppName"="C:\\\\windows\\\\system32\\\\notepad.exe"\n'
            printf '"Data"="0,0,%d,%d,%d,%d"\n\n' $x $y $((x + 35)) $((y + 35))
        done
        printf '[HKEY_CURRENT_USER\\Software\\Kestrowave\\Vopdrant\\Watch]\n"Show"=dword:00000000\n'
    } | wine_env_import
}

# The unix process of the program started from `exe`: Wine keeps its path as the command line.
program_pid() {
    local i p
    for i in $(seq 1 300); do
        p=$(pgrep -f "^$1" | head -1)
        [ -n "$p" ] && { echo "$p"; return; }
        sleep 0.2
    done
    return 1
}

# Waits until the program has stopped working: two seconds in a row without a tick.
settle() {
    local pid=$1 before now quiet=0 i
    before=$(ticks "$pid")
    for i in $(seq 1 600); do
        sleep 1
        now=$(ticks "$pid")
        if [ "$now" = "$before" ]; then quiet=$((quiet + 1)); else quiet=0; fi
        before=$now
        [ $quiet -ge 2 ] && return 0
    done
}

printf '%-8s %6s %9s %9s %9s %10s  %s\n' program N "cpu ms" "server ms" wake-ups syscalls "most frequent (strace)"
for n in ${counts//,/ }; do
    for spec in "$@"; do
        label=${spec%%=*}
        exe=${spec#*=}
        store_buttons "$n"
        # The pointer rests where the first button stands (with no buttons, on the desktop): a
        # button under a still pointer has shown its tip and must then cost nothing either.
        xdotool mousemove 17 17
        wine "$exe" >/dev/null 2>&1 &
        pid=$(program_pid "$exe")
        settle "$pid"
        sleep 3
        server=$(server_pid)
        t0=$(ticks "$pid"); s0=$(ticks "$server"); w0=$(wakes "$pid")
        sleep "$seconds"
        t1=$(ticks "$pid"); s1=$(ticks "$server"); w1=$(wakes "$pid")
        trace=$(mktemp)
        timeout -s INT "$seconds" strace -f -c -p "$pid" -o "$trace" >/dev/null 2>&1 || true
        calls=$(awk '$NF == "total" {print $4}' "$trace")
        top=$(sed -n '/^-/,$p' "$trace" | awk 'NR > 1 && $NF != "total" && NF >= 5 {print $NF "=" $4}' | sort -t= -k2 -nr | head -3 | tr '\n' ' ')
        rm -f "$trace"
        printf '%-8s %6d %9d %9d %9d %10s  %s\n' "$label" "$n" $(((t1 - t0) * 1000 / hz)) \
            $(((s1 - s0) * 1000 / hz)) $((w1 - w0)) "${calls:-?}" "$top"
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        sleep 1
    done
done
