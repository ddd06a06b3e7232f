# Sourced by the run and test commands: the project's private Wine prefix, a display (its own
# Xvfb when there is none) and a Wine virtual desktop with a notification area. Ends only what
# it started: its own Xvfb or Xorg, and the wineserver of its own prefix.
#
# BRISALTO_WINE chooses the Wine: 8 (the host's, Debian 12's; the default) or 10 (Debian 13's,
# in the root that scripts/wine10.sh makes once). Each has prefixes of its own; under Wine 10
# the commands wine, wineserver, wineboot, winepath and regedit run inside that root.
BRISALTO_ROOT=${BRISALTO_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export BRISALTO_WINE=${BRISALTO_WINE:-8}
case "$BRISALTO_WINE" in
    8) BRISALTO_WINE_SUFFIX= ;;
    10) BRISALTO_WINE_SUFFIX=-wine10 ;;
    *)
        echo "BRISALTO_WINE must be 8 or 10, not '$BRISALTO_WINE'" >&2
        return 1 2>/dev/null || exit 1
        ;;
esac
# BRISALTO_DPI set: a prefix of its own whose screen has that many dots per inch.
if [ -n "${BRISALTO_DPI:-}" ]; then
    export WINEPREFIX=${WINEPREFIX:-$BRISALTO_ROOT/build/wineprefix-$BRISALTO_DPI$BRISALTO_WINE_SUFFIX}
else
    export WINEPREFIX=${WINEPREFIX:-$BRISALTO_ROOT/build/wineprefix$BRISALTO_WINE_SUFFIX}
fi
if [ "$BRISALTO_WINE" = 10 ]; then
    wine() { "$BRISALTO_ROOT/scripts/wine10.sh" run wine "$@"; }
    wineserver() { "$BRISALTO_ROOT/scripts/wine10.sh" run wineserver "$@"; }
    wineboot() { "$BRISALTO_ROOT/scripts/wine10.sh" run wineboot "$@"; }
    winepath() { "$BRISALTO_ROOT/scripts/wine10.sh" run winepath "$@"; }
    regedit() { "$BRISALTO_ROOT/scripts/wine10.sh" run regedit "$@"; }
fi
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
BRISALTO_DESKTOP_SIZE=${BRISALTO_DESKTOP_SIZE:-1024x768}
BRISALTO_XVFB_PID=
BRISALTO_DESKTOP_PID=
# Without a virtual desktop (the two-monitor tier) each program's windows stand on the X screen.
BRISALTO_VIRTUAL_DESKTOP=1

say() { printf '== %s\n' "$*"; }

# Imports registry text (the lines after the .reg header, UTF-8, read from stdin) into the
# prefix; regedit wants it as UTF-16 with CR LF line ends.
wine_env_import() {
    local reg
    # In the project's folder, which Wine 10's root sees at the same path; /tmp it does not.
    mkdir -p "$BRISALTO_ROOT/build"
    reg=$(mktemp -p "$BRISALTO_ROOT/build" --suffix=.reg)
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        sed 's/$/\r/'
    } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } > "$reg"
    wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1
    rm -f "$reg"
}

# The font substitutes without which Wine draws every Japanese text as boxes, and a virtual
# desktop as every program's default, so that all of them share one desktop and its taskbar.
wine_env_registry() {
    wine_env_import <<EOF_REG
[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]
"ＭＳ Ｐゴシック"="IPAPGothic"
"MS PGothic"="IPAPGothic"
"ＭＳ ゴシック"="IPAGothic"
"MS Gothic"="IPAGothic"
"MS UI Gothic"="IPAPGothic"

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000
EOF_REG
    # A virtual desktop for every program of the prefix, unless the screen itself is the desktop
    # (the two-monitor tier).
    [ "$BRISALTO_VIRTUAL_DESKTOP" = 1 ] && wine_env_import <<EOF_REG
[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"Default"="$BRISALTO_DESKTOP_SIZE"
EOF_REG
    # Wine 10's desktop shows its taskbar, where the tray icon lives, only when asked to. Wine 8's
    # shows it by itself, and hides it while no icon is left, which a test relies on.
    if [ "${BRISALTO_WINE:-8}" = 10 ]; then
        wine_env_import <<EOF_REG
[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops\\Default]
"EnableShell"=dword:00000001
EOF_REG
    fi
    [ -n "${BRISALTO_DPI:-}" ] || return 0
    # Where the display settings keep the scale, and the older place Wine also reads.
    local dpi
    dpi=$(printf '%08x' "$BRISALTO_DPI")
    wine_env_import <<EOF_REG
[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:$dpi

[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts]
"LogPixels"=dword:$dpi
EOF_REG
}

wine_env_prefix() {
    local stamp="$WINEPREFIX/.brisalto-ready"
    [ -f "$stamp" ] && return 0
    say "Preparing the Wine prefix $WINEPREFIX (once)"
    mkdir -p "$WINEPREFIX"
    # No Mono or Gecko: nothing here needs them, and their installers would ask on screen.
    WINEDLLOVERRIDES="mscoree=d;mshtml=d" wineboot -i >/dev/null 2>&1
    wineserver -w
    wine_env_registry
    wineserver -w
    touch "$stamp"
}

wine_env_display() {
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
    local n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    say "Starting Xvfb on :$n"
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    BRISALTO_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "Xvfb did not start" >&2
    return 1
}

# The desktop window, with its taskbar, stays up until the wineserver ends. Once in a while, on a
# busy machine, an explorer shows no desktop at all, so one that has not come gets two more tries,
# each from a stopped wineserver, with what explorer said kept in build/wine-desktop.log. (The
# `wine explorer` started here may end while its desktop lives on: its end says nothing.)
wine_env_desktop() {
    local try i log=$BRISALTO_ROOT/build/wine-desktop.log
    mkdir -p "$BRISALTO_ROOT/build"
    for try in 1 2 3; do
        wine explorer "/desktop=Default,$BRISALTO_DESKTOP_SIZE" >"$log" 2>&1 &
        BRISALTO_DESKTOP_PID=$!
        # Wine 10 takes its time to show a desktop, more so on a busy machine.
        for i in $(seq 1 900); do
            xwininfo -root -tree 2>/dev/null |
                grep -q -e 'Default - Wine desktop' -e '"Wine Desktop"' && return 0
            sleep 0.2
        done
        echo "the Wine desktop did not appear (try $try of 3); explorer said:" >&2
        tail -n 20 "$log" >&2
        echo "and the X screen holds:" >&2
        xwininfo -root -children 2>/dev/null | head -n 20 >&2
        wineserver -k >/dev/null 2>&1 || true
        wine_env_reap "$BRISALTO_DESKTOP_PID"
        BRISALTO_DESKTOP_PID=
    done
    return 1
}

wine_env_up() {
    wine_env_display || return 1
    wine_env_prefix || return 1
    [ "$BRISALTO_VIRTUAL_DESKTOP" = 1 ] || return 0
    wine_env_desktop || return 1
}

# Two monitors side by side, 0-1024 and 1024-2048, on an Xorg of its own with the dummy driver
# (Xvfb's screens are one monitor to Wine), and a prefix of its own without a virtual desktop,
# which would be one monitor again. `xrandr --output DUMMY1 --off` takes the second away and
# `xrandr --output DUMMY1 --mode 1024x768 --right-of DUMMY0` brings it back.
wine_env_two_monitors() {
    BRISALTO_VIRTUAL_DESKTOP=0
    export WINEPREFIX=$BRISALTO_ROOT/build/wineprefix-monitors$BRISALTO_WINE_SUFFIX
    local n=70 conf=$BRISALTO_ROOT/build/xorg-dummy.conf
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    mkdir -p "$BRISALTO_ROOT/build"
    cat > "$conf" <<'EOF_CONF'
Section "ServerFlags"
    Option "AutoAddDevices" "false"
    Option "AutoEnableDevices" "false"
EndSection
Section "Device"
    Identifier "dummy"
    Driver "dummy"
    VideoRam 65536
EndSection
Section "Monitor"
    Identifier "monitor"
    HorizSync 5.0-1000.0
    VertRefresh 5.0-200.0
EndSection
Section "Screen"
    Identifier "screen"
    Device "dummy"
    Monitor "monitor"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Virtual 2048 768
        Modes "1024x768"
    EndSubSection
EndSection
EOF_CONF
    say "Starting Xorg with two dummy monitors on :$n"
    Xorg ":$n" -config "$conf" -configdir /nonexistent -noreset -nolisten tcp \
        -logfile "$BRISALTO_ROOT/build/xorg-dummy-$n.log" >/dev/null 2>&1 &
    BRISALTO_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
    # The dummy driver calls an output connected once it has been given a mode, but the server
    # only learns that when it next probes its outputs. Wine asks for the current state without a
    # probe and leaves out an output that is not connected, so until something probes, it counts
    # one monitor. The query below is that probe.
    xrandr --addmode DUMMY1 1024x768 &&
        xrandr --output DUMMY0 --mode 1024x768 --pos 0x0 --output DUMMY1 --mode 1024x768 \
            --right-of DUMMY0 &&
        xrandr --query >/dev/null &&
        xrandr --current | grep -q '^DUMMY1 connected 1024x768+1024+0 ' || {
        echo "Xorg's dummy driver did not give two monitors (see build/xorg-dummy-$n.log)" >&2
        return 1
    }
    wine_env_prefix || return 1
}

# Waits for a process this script started to end. A killed process ends with a failing status,
# which must not fail the caller: the test command ends through here, under `set -e`.
wine_env_reap() {
    [ -n "$1" ] || return 0
    wait "$1" 2>/dev/null || true
}

# From the prefix in use to the one of a screen at `dpi` on the same display: the old prefix's
# programs end, the new one is made once and its desktop started.
wine_env_dpi() {
    wineserver -k >/dev/null 2>&1 || true
    wine_env_reap "$BRISALTO_DESKTOP_PID"
    export BRISALTO_DPI=$1
    export WINEPREFIX=$BRISALTO_ROOT/build/wineprefix-$1$BRISALTO_WINE_SUFFIX
    wine_env_prefix || return 1
    wine_env_desktop || return 1
}

wine_env_down() {
    wineserver -k >/dev/null 2>&1 || true
    wine_env_reap "$BRISALTO_DESKTOP_PID"
    if [ -n "$BRISALTO_XVFB_PID" ]; then
        kill "$BRISALTO_XVFB_PID" 2>/dev/null || true
        wine_env_reap "$BRISALTO_XVFB_PID"
    fi
    BRISALTO_XVFB_PID=
    BRISALTO_DESKTOP_PID=
}
