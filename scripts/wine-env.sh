# Sourced by the run and test commands: the project's private Wine prefix, a display (its own
# Xvfb when there is none) and a Wine virtual desktop with a notification area. Ends only what
# it started: its own Xvfb, and the wineserver of its own prefix.
BRISALTO_ROOT=${BRISALTO_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
# BRISALTO_DPI set: a prefix of its own whose screen has that many dots per inch.
if [ -n "${BRISALTO_DPI:-}" ]; then
    export WINEPREFIX=${WINEPREFIX:-$BRISALTO_ROOT/build/wineprefix-$BRISALTO_DPI}
else
    export WINEPREFIX=${WINEPREFIX:-$BRISALTO_ROOT/build/wineprefix}
fi
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
BRISALTO_DESKTOP_SIZE=${BRISALTO_DESKTOP_SIZE:-1024x768}
BRISALTO_XVFB_PID=
BRISALTO_DESKTOP_PID=

say() { printf '== %s\n' "$*"; }

# Imports registry text (the lines after the .reg header, UTF-8, read from stdin) into the
# prefix; regedit wants it as UTF-16 with CR LF line ends.
wine_env_import() {
    local reg
    reg=$(mktemp --suffix=.reg)
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

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"Default"="$BRISALTO_DESKTOP_SIZE"

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000
EOF_REG
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

# The desktop window, with its taskbar, stays up while this explorer runs.
wine_env_desktop() {
    wine explorer "/desktop=Default,$BRISALTO_DESKTOP_SIZE" >/dev/null 2>&1 &
    BRISALTO_DESKTOP_PID=$!
    local i
    for i in $(seq 1 100); do
        xwininfo -root -tree 2>/dev/null | grep -q 'Default - Wine desktop' && return 0
        sleep 0.2
    done
    echo "the Wine desktop did not appear" >&2
    return 1
}

wine_env_up() {
    wine_env_display || return 1
    wine_env_prefix || return 1
    wine_env_desktop || return 1
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
    export WINEPREFIX=$BRISALTO_ROOT/build/wineprefix-$1
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
