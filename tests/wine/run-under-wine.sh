#!/usr/bin/env bash
# Runs a Windows test program beside a copy of talvorin.exe under Wine, in a
# fresh prefix (tests/lib/wine-prefix.sh), on the display tools/with-xvfb.sh gives.
#   run-under-wine.sh <test.exe> <talvorin.exe> <screenshot folder> [args...]
# The test program gets its args, then the app and screenshot folders (Windows paths).
# TALVORIN_WINE_DPI="96 120 ..." runs it once at each DPI, in the same prefix,
# with the screenshots of each in <screenshot folder>/<dpi>dpi.
set -euo pipefail
source "$(dirname "$0")/../lib/wine-prefix.sh"

test_exe=$1
talvorin_exe=$2
shots=$3
shift 3

mounted=""
test_cleanup() { [ -z "$mounted" ] || umount "$mounted"; }

windows_path() { local p=${1//\//\\}; echo "Z:$p"; }

# A folder name outside ASCII: the options file must still be found and written.
app="$work/Horloge d'été"
mkdir -p "$app" "$shots"
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

new_prefix

run_once() {  # screenshot folder, args
    local out=$1 status=0 bmp
    shift
    rm -rf "$work/shots"
    mkdir -p "$work/shots" "$out"
    "${french[@]}" wine "$app/$(basename "$test_exe")" "$@" \
        "$(windows_path "$app")" "$(windows_path "$work/shots")" || status=$?
    wineserver -k >/dev/null 2>&1 || true
    for bmp in "$work"/shots/*.bmp; do
        [ -e "$bmp" ] || continue
        convert "$bmp" "$out/$(basename "${bmp%.bmp}").png" || echo "cannot convert $bmp" >&2
    done
    return $status
}

status=0
if [ -z "${TALVORIN_WINE_DPI:-}" ]; then
    run_once "$shots" "$@" || status=$?
else
    for dpi in $TALVORIN_WINE_DPI; do
        echo "--- at $dpi dpi"
        set_dpi "$dpi"
        run_once "$shots/${dpi}dpi" "$@" || status=$?
    done
fi
exit $status
