#!/usr/bin/env bash
# talvorin.exe and a bare Win32 clock under Wine, in a fresh prefix in a
# temporary folder, on the display tools/with-xvfb.sh gives. No Mono or Gecko
# installer runs and a crash starts no debugger, as in the project's tests.
#   wine.sh CONFIG APP_FOLDER   (talvorin.exe, its font and options, bare-win32.exe)
set -euo pipefail
. "$(dirname "$0")/measure.sh"
BENCH_CONFIG=$1
app=$2

work=$(mktemp -d "${TMPDIR:-/tmp}/talvorin-bench-wine.XXXXXX")
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winedbg.exe="
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT

wineboot -i >/dev/null 2>&1
wineserver -w
# One wineserver for every launch: a start then times the program and Wine's
# loader, not the boot of the server (the uncounted first round warms it up).
wineserver -p

add_program talvorin.exe wine "$app/talvorin.exe"
add_program bare-win32 wine "$app/bare-win32.exe"
measure_all
. "$(dirname "$0")/wine-requests.sh"
count_requests talvorin.exe "$app/talvorin.exe"
count_requests bare-win32 "$app/bare-win32.exe"
