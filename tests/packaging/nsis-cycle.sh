#!/usr/bin/env bash
# The Windows installer's silent cycle under Wine, in a fresh prefix on the
# display tools/with-xvfb.sh gives: /S installs per user, the uninstaller /S
# removes the program, its shortcut and its registry entries, and leaves the
# user's options file.
#   nsis-cycle.sh <talvorin-x.y.z-setup.exe>
#   nsis-cycle.sh <Windows build dir> <version>   (builds the installer first)
set -euo pipefail
source "$(dirname "$0")/../lib/wine-prefix.sh"
source "$(dirname "$0")/../lib/tally.sh"

if [ -d "$1" ]; then
    cmake --install "$1" --prefix "$work/stage" >/dev/null
    setup="$work/talvorin-setup.exe"
    makensis -V2 -DVERSION="$2" -DSTAGE="$work/stage" -DOUTFILE="$setup" \
        "$(dirname "$0")/../../packaging/windows/talvorin.nsi"
else
    setup=$(realpath "$1")
fi

absent() { [ ! -e "$1" ]; }
unix_folder() { winepath -u "$(wine cmd /c echo "%$1%" | tr -d '\r')"; }
has_key() { wine reg query "$1" >/dev/null 2>&1; }
has_value() { wine reg query "$1" /v "$2" >/dev/null 2>&1; }
lacks_key() { ! has_key "$1"; }
lacks_value() { ! has_value "$1" "$2"; }

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Talvorin'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'

new_prefix
app="$(unix_folder LOCALAPPDATA)/Programs/Talvorin"
shortcut="$(unix_folder APPDATA)/Microsoft/Windows/Start Menu/Programs/Talvorin.lnk"

wine "$setup" /S
check "talvorin.exe in %LOCALAPPDATA%\\Programs\\Talvorin" test -f "$app/talvorin.exe"
check "the LCD face beside it" test -f "$app/DSEG7Classic-Regular.ttf"
check "the Start-menu shortcut" test -f "$shortcut"
check "the uninstall key" has_key "$uninstall_key"
check "a quiet uninstall command" has_value "$uninstall_key" QuietUninstallString
if [ -n "${2:-}" ]; then
    check "registered as version $2" \
        sh -c "wine reg query '$uninstall_key' /v DisplayVersion | grep -q 'REG_SZ *$2'"
fi
[ -f "$app/uninstall.exe" ] || { echo "FAIL: no uninstaller in $app" >&2; exit 1; }

# The installed clock starts from there and shows.
wine "$app/talvorin.exe" >/dev/null 2>&1 &
shown=""
for _ in $(seq 100); do
    shown=$(xdotool search --onlyvisible --name '^Talvorin V' 2>/dev/null | head -n1 || true)
    [ -n "$shown" ] && break
    sleep 0.2
done
check "the installed clock starts and shows" test -n "$shown"
wineserver -k >/dev/null 2>&1 || true
wineserver -w 2>/dev/null || true

# What the user leaves behind: options beside the program, start at login.
printf 'Transparence (10 - 255 ; defaut 127)\r\n200\r\n' >"$app/tl_options.txt"
wine reg add "$run_key" /v Talvorin /d "\"C:\\talvorin.exe\"" /f >/dev/null 2>&1

wine "$app/uninstall.exe" /S
# The uninstaller copies itself to a temporary folder and returns at once;
# the copy does the work.
for _ in $(seq 100); do
    [ -e "$app/talvorin.exe" ] || [ -e "$app/uninstall.exe" ] || break
    sleep 0.2
done
timeout 20 wineserver -w || true
check "talvorin.exe removed" absent "$app/talvorin.exe"
check "the LCD face removed" absent "$app/DSEG7Classic-Regular.ttf"
check "the uninstaller removed" absent "$app/uninstall.exe"
check "the Start-menu shortcut removed" absent "$shortcut"
check "the uninstall key removed" lacks_key "$uninstall_key"
check "start at login removed" lacks_value "$run_key" Talvorin
check "the user's tl_options.txt kept" test -f "$app/tl_options.txt"

checks_done
