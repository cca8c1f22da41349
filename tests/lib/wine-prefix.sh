# Sourced by the tests that run Windows programs under Wine: a new temporary
# folder $work holding a prefix of the test's own ($WINEPREFIX), removed at
# exit with its wineserver stopped (then test_cleanup runs, when the test
# defines one). No Mono or Gecko installer runs, and a crash ends the program
# instead of starting winedbg. Run Windows programs through "${french[@]}":
# Windows then speaks French whatever the machine's locale.
#
# Booting a prefix takes half a minute. With TALVORIN_WINE_TEMPLATE set (a
# folder), the first test boots one there and every test copies it: hard links
# for the system files Wine only reads, real copies of the registry and the
# users' folders, which programs write.

work=$(mktemp -d "${TMPDIR:-/tmp}/talvorin-wine.XXXXXX")
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winedbg.exe="
french=(env LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8)

wine_cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    if declare -F test_cleanup >/dev/null; then test_cleanup || true; fi
    rm -rf "$work"
}
trap wine_cleanup EXIT

boot_prefix() {  # [folder], by default $WINEPREFIX
    WINEPREFIX=${1:-$WINEPREFIX} "${french[@]}" wineboot -i >/dev/null 2>&1
    WINEPREFIX=${1:-$WINEPREFIX} wineserver -w
}

copy_template() {
    local template=$TALVORIN_WINE_TEMPLATE
    (
        flock 9
        if [ ! -d "$template" ]; then
            rm -rf "$template.new"
            boot_prefix "$template.new"
            mv "$template.new" "$template"
        fi
    ) 9>"$template.lock"
    cp -al "$template" "$WINEPREFIX"
    rm -rf "$WINEPREFIX/drive_c/users"
    cp -a "$template/drive_c/users" "$WINEPREFIX/drive_c/"
    cp --remove-destination "$template"/*.reg "$WINEPREFIX/"
}

# $WINEPREFIX ready to run programs in.
new_prefix() {
    if [ -n "${TALVORIN_WINE_TEMPLATE:-}" ]; then copy_template; else boot_prefix; fi
}

set_dpi() {  # the display's DPI as Windows reports it, from the next start
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w 2>/dev/null || true
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
    wineserver -w
}
