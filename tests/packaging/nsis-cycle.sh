#!/usr/bin/env bash
# The Windows installer's silent cycle under Wine, in a fresh prefix on the
# display tools/with-xvfb.sh gives: /S installs per user; /S again upgrades
# over a running (then a hung) clock, which runs the new program afterwards;
# the uninstaller /S ends the running clock and removes everything but the
# user's options files; a file that cannot be replaced fails /S.
#   nsis-cycle.sh <talvorin-x.y.z-setup.exe>
#   nsis-cycle.sh <Windows build dir> <version>   (builds the installer first)
set -euo pipefail
source "$(dirname "$0")/../lib/wine-prefix.sh"
source "$(dirname "$0")/../lib/tally.sh"

if [ -d "$1" ]; then
    cmake --install "$1" --prefix "$work/stage" >/dev/null
    setup="$work/talvorin-setup.exe"
    makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$2" -DSTAGE="$work/stage" -DOUTFILE="$setup" \
        "$(dirname "$0")/../../packaging/windows/talvorin.nsi"
else
    setup=$(realpath "$1")
fi

absent() { [ ! -e "$1" ]; }
wait_for() { for _ in $(seq $(($1 * 5))); do "${@:2}" && return 0; sleep 0.2; done; return 1; }
clock_pid() { xdotool search --onlyvisible --name '^Talvorin V' getwindowpid 2>/dev/null | head -n1; }
clock_shown() { [ -n "$(clock_pid)" ]; }
clock_gone() { ! xdotool search --name '^Talvorin V' >/dev/null 2>&1; }
upgrade() {  # upgrade <what>: /S over the installed program, which must succeed
    local status=0 start=$SECONDS
    wine "$setup" /S || status=$?
    echo "note: $1: /S took $((SECONDS - start)) s"
    check "$1: /S succeeds, the new talvorin.exe in place" \
        sh -c "[ $status = 0 ] && sha256sum <'$app/talvorin.exe' | grep -q '$new'"
    check "$1: the clock running again" wait_for 30 clock_shown
    check "$1: the options files kept" test -f "$app/tl_options.txt.bak" -a -f "$app/tl_extras.txt"
}
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

new=$(sha256sum <"$app/talvorin.exe" | cut -d' ' -f1)

# What the user leaves behind: options beside the program, start at login.
for f in tl_options.txt tl_options.txt.bak tl_extras.txt; do printf 'Transparence (10 - 255 ; defaut 127)\r\n200\r\n' >"$app/$f"; done
wine reg add "$run_key" /v Talvorin /d "\"C:\\talvorin.exe\"" /f >/dev/null 2>&1

# The installed clock, made older (a byte after its image), starts and shows.
printf x >>"$app/talvorin.exe"
wine "$app/talvorin.exe" >/dev/null 2>&1 &
check "the installed clock starts and shows" wait_for 30 clock_shown
upgrade "upgrade over a running clock"
# A clock that answers nothing is killed after the wait.
printf x >>"$app/talvorin.exe"
kill -STOP "$(clock_pid)" || true
upgrade "upgrade over a hung clock"

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
check "the running clock ended" clock_gone
check "only the options files left" \
    test "$(ls -A "$app" | tr '\n' ' ')" = "tl_extras.txt tl_options.txt tl_options.txt.bak "

# A file that cannot be replaced (here a folder in its place) fails /S.
wine "$setup" /S && rm "$app/DSEG7Classic-Regular.ttf" && mkdir "$app/DSEG7Classic-Regular.ttf"
check "/S fails when a file cannot be replaced" sh -c "! wine '$setup' /S"

checks_done
