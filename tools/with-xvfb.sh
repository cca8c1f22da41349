#!/usr/bin/env bash
# Runs a command on a private virtual X display and stops the display after.
# Xvfb picks a free display number itself (-displayfd), so tests can run side
# by side and never touch a desktop. With WITH_WM=1 openbox manages the display.
# -noreset: by default Xvfb resets when its last client leaves, and refuses
# connections meanwhile; a test that starts one program after another would
# now and then find no display.
set -euo pipefail

fdfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fdfile" 2>/dev/null &
xvfb=$!
cleanup() {
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    rm -f "$fdfile"
}
trap cleanup EXIT

for _ in $(seq 100); do
    [ -s "$fdfile" ] && break
    sleep 0.05
done
display=$(head -n1 "$fdfile")
[ -n "$display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"

if [ "${WITH_WM:-0}" = 1 ]; then
    openbox --sm-disable >/dev/null 2>&1 &
    wm=$!
    sleep 0.5
fi

"$@"
