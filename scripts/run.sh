#!/usr/bin/env bash
# Builds Brisalto.exe and runs it under Wine in the project's own prefix, on a Wine virtual
# desktop. Without a display it starts its own Xvfb, takes a screenshot and ends the program.
# A prefix whose store Brisalto has never written gets a few demo buttons and the clock first.
#   scripts/run.sh [--empty | --demo] [--wine10]
# --empty starts from an empty store, --demo from the demo store, whatever the store holds;
# --wine10 runs it under Debian 13's Wine 10 (in build/debian13, made once) instead of the
# host's Wine 8, in a prefix of its own (build/wineprefix-wine10).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
store_from=keep
for arg in "$@"; do
    case "$arg" in
        --empty) store_from=empty ;;
        --demo) store_from=demo ;;
        --wine10) export BRISALTO_WINE=10 ;;
        *) echo "usage: $0 [--empty | --demo] [--wine10]" >&2; exit 2 ;;
    esac
done
scripts/deps.sh
echo "== Building Brisalto.exe"
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target Brisalto
[ "${BRISALTO_WINE:-8}" = 8 ] || scripts/wine10.sh setup
source scripts/wine-env.sh

# Four of Wine's own programs, one document and the clock, in a row under the desktop's top
# left corner.
fill_demo_store() {
    local docs="$WINEPREFIX/drive_c/users/Public/Documents"
    mkdir -p "$docs"
    printf 'Brisalto のデモです。\r\nボタンを右クリックすると設定や削除ができます。\r\n' |
        iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } > "$docs/メモ.txt"
    local key='HKEY_CURRENT_USER\Software\Kestrowave\Vopdrant' n=0 left title path
    {
        while IFS='|' read -r title path; do
            n=$((n + 1))
            left=$((n * 40))
            printf '[%s\\Btn%d]\n"Title"="%s"\n"AppName"="%s"\n"Data"="0,0,%d,40,%d,75"\n\n' \
                "$key" "$n" "$title" "${path//\\/\\\\}" "$left" "$((left + 35))"
        done <<'EOF_BUTTONS'
メモ帳|C:\windows\notepad.exe
ワードパッド|C:\Program Files\Windows NT\Accessories\wordpad.exe
マインスイーパ|C:\windows\system32\winemine.exe
レジストリ エディタ|C:\windows\regedit.exe
メモ|C:\users\Public\Documents\メモ.txt
EOF_BUTTONS
        printf '[%s\\Button]\n"Num"=dword:%08x\n\n' "$key" "$n"
        printf '[%s\\Watch]\n"Show"=dword:00000001\n"Positon"="40,90,180,140"\n' "$key"
    } | wine_env_import
}
trap wine_env_down EXIT
headless=0
{ [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; } || headless=1
wine_env_up
store='HKCU\Software\Kestrowave\Vopdrant'
[ "$store_from" = keep ] || wine reg delete "$store" /f >/dev/null 2>&1 || true
if [ "$store_from" = empty ]; then
    echo "== Starting from an empty store"
elif ! wine reg query "$store" >/dev/null 2>&1; then
    echo "== Filling the store with demo buttons and the clock"
    fill_demo_store
fi
exe=$(winepath -w build/mingw/Brisalto.exe)
if [ "$headless" -eq 0 ]; then
    echo "== Brisalto runs on the Wine desktop; end it from its tray menu"
    wine "$exe"
    exit 0
fi
wine "$exe" &
app=$!
sleep 6
# The tray menu open, as a user would see it after a right click on the icon.
xdotool mousemove 1013 758 click 3 mousemove 400 300 >/dev/null 2>&1 || true
sleep 1
mkdir -p build/screenshots
shot=$PWD/build/screenshots/run${BRISALTO_WINE_SUFFIX}.png
import -display "$DISPLAY" -window root "$shot"
echo "== No display here: Brisalto ran on its own Xvfb; screenshot: $shot"
xdotool key Escape >/dev/null 2>&1 || true
wine taskkill /im Brisalto.exe >/dev/null 2>&1 || true
wait "$app" || true
