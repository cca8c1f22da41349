#!/usr/bin/env bash
# Runs a command on a private virtual X display and stops the display after.
# Xvfb picks a free display number itself (-displayfd), so tests can run side
# by side and never touch a desktop. With WITH_WM=1 (or openbox) openbox manages
# the display; WITH_WM may also name i3, icewm, fluxbox, xfwm4, kwin_x11 or mutter.
# -noreset: by default Xvfb resets when its last client leaves, and refuses
# connections meanwhile; a test that starts one program after another would
# now and then find no display.
set -euo pipefail

fdfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fdfile" 2>/dev/null &
xvfb=$!
cleanup() {
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
    [ -n "${wm_config:-}" ] && rm -f "$wm_config"
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

# The window manager's own defaults, but no wizard, bar or session of its own.
start_wm() {
    case "$1" in
        1 | openbox) openbox --sm-disable ;;
        i3) i3 -c "$wm_config" ;;
        icewm) icewm ;;
        fluxbox) fluxbox ;;
        xfwm4) xfwm4 ;;
        kwin_x11) kwin_x11 ;;
        mutter) mutter --x11 --replace ;;
        *) echo "unknown window manager: $1" >&2; return 1 ;;
    esac
}

# Waits until a window manager has said so on the root window (EWMH).
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

if [ "${WITH_WM:-0}" != 0 ]; then
    wm_config=$(mktemp)
    printf '# i3 config file (v4)\nfont pango:monospace 8\n' >"$wm_config"
    start_wm "$WITH_WM" >/dev/null 2>&1 &
    wm=$!
    for _ in $(seq 100); do
        wm_ready && break
        sleep 0.1
    done
    sleep 0.3
fi

"$@"
