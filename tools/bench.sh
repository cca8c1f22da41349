#!/usr/bin/env bash
# Performance benchmark of the clock, beside other clocks, on virtual displays.
#
#   tools/bench.sh [-n LAUNCHES] [-i IDLE_SECONDS] [--linux-bin PATH] [--win-exe PATH] [--no-wine]
#   (or BENCH_N, BENCH_IDLE, TALVORIN_LINUX_BIN, TALVORIN_WIN_EXE; defaults 21 launches,
#   60 s; the programs are otherwise found under build/linux and build/windows)
#
# In one run, on its own Xvfb displays, without and then with openbox: the
# Linux clock, `xclock -digital -update 1`, `dclock -seconds` and a bare Qt 6
# QLabel clock (tools/bench/bare-qt, the toolkit's floor); then, under Wine in
# a fresh prefix with openbox, talvorin.exe beside a bare Win32 clock
# (tools/bench/bare-win32). Both clocks run from copies under build/bench with
# an options file that shows the seconds, so every second has something to time.
#
# How it measures (tools/bench/xwatch.c watches from outside, as a person would):
# - Start-up: xwatch forks the program and is told by the X server itself when
#   the window (or the window manager's frame holding it) is mapped, and, by a
#   DAMAGE object on the root window, of each rectangle drawn. "Painted" is the
#   first drawing after which the window is no longer one flat colour (the
#   server's own background fill on map does not count). The programs take
#   turns, N rounds after one uncounted warm-up round; median [min-max].
# - Tick lateness: for each wall-clock second, the time from the boundary until
#   the window's pixels next changed (read back with XGetImage on each drawing;
#   a redraw of identical pixels is no tick). A second with no change is
#   skipped. Event-driven, so the error is the event's trip to xwatch (<1 ms),
#   not a polling interval. Idle, then with one busy loop per core.
# - Over the idle phase, from /proc: CPU ms per minute (stat utime+stime),
#   wake-ups per minute (voluntary + nonvoluntary context switches of every
#   thread), bytes written (io write_bytes, and wchar which counts writes that
#   only reached the page cache), and at its end RSS and private memory
#   (smaps_rollup). Under Wine these are the program's own process only.
# Prints the tables and writes build/bench/bench.txt and build/bench/bench.png.
set -euo pipefail
cd "$(dirname "$0")/.."

# Start-up times under Wine swing by ±30 ms from one launch to the next on a
# 2-core machine: a median of 7 moved by 20 % between quiet runs, one of 21 is
# the firmer figure for the few seconds it adds.
launches=${BENCH_N:-21}
idle=${BENCH_IDLE:-60}
linux_bin=${TALVORIN_LINUX_BIN:-}
win_exe=${TALVORIN_WIN_EXE:-}
wine=1
while [ $# -gt 0 ]; do
    case $1 in
    -n) launches=$2; shift 2 ;;
    -i) idle=$2; shift 2 ;;
    --linux-bin) linux_bin=$2; shift 2 ;;
    --win-exe) win_exe=$2; shift 2 ;;
    --no-wine) wine=0; shift ;;
    *) sed -n '2,7p' "$0" >&2; exit 2 ;;
    esac
done

tools/deps.sh
tools/bench/deps.sh

[ -n "$linux_bin" ] || linux_bin=$(find build/linux -type f -name talvorin -perm -u+x 2>/dev/null | head -n1)
[ -n "$win_exe" ] || win_exe=$(find build/windows -type f -name talvorin.exe 2>/dev/null | head -n1)
[ -x "$linux_bin" ] || {
    echo "bench: no Linux program; build it (cmake --preset linux && cmake --build --preset linux) or set TALVORIN_LINUX_BIN" >&2
    exit 1
}
if [ "$wine" = 1 ] && [ ! -f "$win_exe" ]; then
    echo "bench: no talvorin.exe; build it (cmake --preset windows && cmake --build --preset windows) or set TALVORIN_WIN_EXE" >&2
    exit 1
fi

out=$PWD/build/bench
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
export BENCH_DATA=$out/data BENCH_N=$launches BENCH_IDLE=$idle XWATCH=$out/xwatch
rm -rf "$BENCH_DATA" "$out/app-linux" "$out/app-win"
mkdir -p "$BENCH_DATA" "$out/app-linux" "$out/app-win"

echo "bench: building the helpers into $out" >&2
gcc -O2 -Wall -o "$XWATCH" tools/bench/xwatch.c -lX11 -lXdamage -lXfixes -lm
cmake -S tools/bench/bare-qt -B "$out/bare-qt" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$out/bare-qt" -j2 >/dev/null
x86_64-w64-mingw32-g++-posix -O2 -static -municode -mwindows \
    -o "$out/app-win/bare-win32.exe" tools/bench/bare-win32/main.cpp

# The program reads its options beside itself: copies with seconds shown.
options() {
    printf '%s\r\n' 'Transparence (10 - 255 ; defaut 127)' 127 \
        'Masque R G B (0 - 255 ; defaut 0 64 127)' 0 64 127 \
        'Position de la fenetre haut gauche' 500 800 'Taille des chiffres' 48 \
        "Fenetre de l'heure toujours devant (1 True ; 0 False) ; defaut 0" 0 \
        'Afficher les secondes (1 True , 0 False) ; defaut 0' 1
}
cp "$linux_bin" "$out/app-linux/talvorin"
options >"$out/app-linux/tl_options.txt"
printf 'talvorin (Linux, %s)\t%s\n' "$linux_bin" "$(stat -c %s "$linux_bin")" >>"$BENCH_DATA/sizes.tsv"

WITH_WM=0 tools/with-xvfb.sh tools/bench/linux.sh no-wm "$out/app-linux/talvorin" "$out/bare-qt/bare-qt"
WITH_WM=1 tools/with-xvfb.sh tools/bench/linux.sh openbox "$out/app-linux/talvorin" "$out/bare-qt/bare-qt"
if [ "$wine" = 1 ]; then
    cp "$win_exe" "$out/app-win/"
    font="$(dirname "$win_exe")/DSEG7Classic-Regular.ttf"
    [ -f "$font" ] && cp "$font" "$out/app-win/"
    options >"$out/app-win/tl_options.txt"
    for exe in "$win_exe" "$out/app-win/bare-win32.exe"; do
        printf '%s\t%s\n' "$(basename "$exe")" "$(stat -c %s "$exe")" >>"$BENCH_DATA/sizes.tsv"
    done
    WITH_WM=1 tools/with-xvfb.sh tools/bench/wine.sh wine+openbox "$out/app-win"
fi

{
    echo "Machine: $(nproc) cores, Linux $(uname -r), $(lscpu | sed -n 's/^Model name: *//p')"
    # Other work on the machine shows in every figure: say how much there was.
    echo "Load average (1, 5, 15 min): $load_before before, $(cut -d' ' -f1-3 /proc/loadavg) after"
    echo "Launches: $launches; idle phase and busy phase: $idle s each"
    echo
    python3 tools/bench/report.py "$BENCH_DATA" "$out"
} | tee "$out/bench.txt"
