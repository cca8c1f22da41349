#!/usr/bin/env bash
# Starts the Linux program built in build/linux. On a desktop (DISPLAY set,
# XWayland included) the clock runs until its prompt's "Oui". Without a
# display it runs for a few seconds on a virtual one, with a window manager,
# and leaves a screenshot of the clock; the path is printed.
set -euo pipefail
cd "$(dirname "$0")/.."

program=build/linux/src/programs/linux/talvorin
[ -x "$program" ] || { echo "No program at $program: run tools/run.sh" >&2; exit 1; }

if [ -n "${DISPLAY:-}" ]; then
    exec "$program"
fi

shot=$PWD/build/linux/talvorin-clock.png
export TALVORIN_PROGRAM=$PWD/$program TALVORIN_SHOT=$shot
WITH_WM=1 tools/with-xvfb.sh bash -c '
    set -euo pipefail
    "$TALVORIN_PROGRAM" 2>/dev/null &
    pid=$!
    trap "kill $pid 2>/dev/null || true" EXIT
    id=""
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^Talvorin V" 2>/dev/null | head -n1) || true
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || { echo "The clock did not open." >&2; exit 1; }
    sleep 2.5  # a couple of ticks, so the time is shown
    geometry=$(xwininfo -id "$id" | awk "/Absolute upper-left X/ {x=\$4} /Absolute upper-left Y/ {y=\$4}
        /^  Width/ {w=\$2} /^  Height/ {h=\$2} END {print w \"x\" h \"+\" x \"+\" y}")
    import -window root -crop "$geometry" +repage "$TALVORIN_SHOT"
'
echo "No display: the clock ran on a virtual one. Screenshot: $shot"
