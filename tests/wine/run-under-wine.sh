#!/usr/bin/env bash
# Runs a Windows test program beside a copy of talvorin.exe under Wine, in a
# fresh prefix in a temporary folder, on the display tools/with-xvfb.sh gives.
# Windows sees the French locale whatever the machine's own. No Mono or Gecko
# installer runs, and a crash ends the program instead of starting winedbg.
#   run-under-wine.sh <test.exe> <talvorin.exe> <screenshot folder> [args...]
# The test program gets its args, then the app and screenshot folders (Windows paths).
set -euo pipefail

test_exe=$1
talvorin_exe=$2
shots=$3
shift 3

work=$(mktemp -d "${TMPDIR:-/tmp}/talvorin-wine.XXXXXX")
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winedbg.exe="
mounted=""
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    [ -n "$mounted" ] && umount "$mounted"
    rm -rf "$work"
}
trap cleanup EXIT

windows_path() { local p=${1//\//\\}; echo "Z:$p"; }

# A folder name outside ASCII: the options file must still be found and written.
app="$work/Horloge d'été"
mkdir -p "$app" "$work/shots" "$shots"
cp "$talvorin_exe" "$test_exe" "$app/"
font="$(dirname "$talvorin_exe")/DSEG7Classic-Regular.ttf"
[ -f "$font" ] && cp "$font" "$app/"
# Installed where nobody may write (Wine runs as root here, so the folder is
# a read-only mount), with an administrator's options file.
if [ -n "${TALVORIN_WINE_READONLY_APP:-}" ]; then
    mount -t tmpfs -o size=8m talvorin-app "$app"
    mounted=$app
    cp "$talvorin_exe" "$test_exe" "$app/"
    [ -f "$font" ] && cp "$font" "$app/"
    printf '%s\r\n' "Transparence (10 - 255 ; defaut 127)" 127 \
        "Masque R G B (0 - 255 ; defaut 0 64 127)" 0 64 127 \
        "Position de la fenetre haut gauche" 1500 3000 "Taille des chiffres" 40 \
        "Fenetre de l'heure toujours devant (1 True ; 0 False) ; defaut 0" 0 \
        "Afficher les secondes (1 True , 0 False) ; defaut 0" 0 >"$app/tl_options.txt"
    mount -o remount,ro "$app"
fi

french=(env LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8)
"${french[@]}" wineboot -i >/dev/null 2>&1
if [ -n "${TALVORIN_WINE_DPI:-}" ]; then  # the display's DPI as Windows reports it
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
        /d "$TALVORIN_WINE_DPI" /f >/dev/null 2>&1
fi
wineserver -w

status=0
"${french[@]}" wine "$app/$(basename "$test_exe")" "$@" \
    "$(windows_path "$app")" "$(windows_path "$work/shots")" || status=$?

wineserver -k >/dev/null 2>&1 || true
for bmp in "$work"/shots/*.bmp; do
    [ -e "$bmp" ] || continue
    convert "$bmp" "$shots/$(basename "${bmp%.bmp}").png" || echo "cannot convert $bmp" >&2
done
exit $status
