#!/usr/bin/env bash
# Runs the Linux clock under the desktops users run it on, each on its own
# virtual display, and checks from outside what the user would see: the
# place in the file over three starts, above a window that opens over it, on
# every workspace, in view on "show desktop", its icon in a panel's tray, and
# its translucency blended under a compositor. Prints a table and leaves a
# screenshot per desktop in build/linux/desktops/. Not part of the test
# command: the window managers are Debian packages, installed when missing
# (as root).
#   tools/desktops.sh [desktop...]   default: all of them
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
program=$root/build/linux/src/programs/linux/talvorin
out=$root/build/linux/desktops
all=(openbox+picom xfwm4 icewm fluxbox i3 kwin_x11 mutter weston)
declare -A packages=(
    [openbox+picom]="openbox picom" [xfwm4]=xfwm4 [icewm]=icewm [fluxbox]=fluxbox [i3]=i3-wm
    [kwin_x11]=kwin-x11 [mutter]=mutter [weston]="weston xwayland")
common="xvfb xdotool x11-utils imagemagick wmctrl hsetroot tint2 dbus"

# ---- one desktop, run on its display (DISPLAY set) ----------------------------
blend_of() {  # srgb(r,g,b) under the window -> what opacity 127 of (0,64,127) gives
    local r g b
    IFS=, read -r r g b <<<"$(tr -d 'srgb()' <<<"$1")"
    echo "srgb($(((r * 128 + 127) / 255)),$(((64 * 127 + g * 128 + 127) / 255)),$(((127 * 127 + b * 128 + 127) / 255)))"
}
near() {  # two srgb() colours within 3 per channel
    local a b
    a=$(tr -d 'srgb()' <<<"$1" | tr , ' ')
    b=$(tr -d 'srgb()' <<<"$2" | tr , ' ')
    paste <(tr ' ' '\n' <<<"$a") <(tr ' ' '\n' <<<"$b") | awk '{d=$1-$2; if (d<-3||d>3) bad=1} END {exit bad}'
}

inside() {
    local desktop=$1
    set -- "$program" "$out"
    source "$root/tests/qt/program-lib.sh"
    local helpers=()
    trap 'kill "${helpers[@]}" 2>/dev/null || true; cleanup' EXIT
    hsetroot -solid '#336699' >/dev/null
    case "$desktop" in
        openbox+picom) picom --backend xrender >/dev/null 2>&1 & helpers+=($!) ;;
    esac
    # icewm and fluxbox bring their own tray; the others get tint2's.
    case "$desktop" in
        icewm | fluxbox) ;;
        *) tint2 >/dev/null 2>&1 & helpers+=($!) ;;
    esac
    sleep 1

    local place=ok starts=""
    default_options 1500 3000 1 0 >"$options"
    for start in 1 2 3; do
        start_program
        id=$(wait_window '^Talvorin V' 15)
        sleep 2
        starts+="$(option_line 8)/$(option_line 9) "
        [ "$(option_line 8) $(option_line 9)" = "1500 3000" ] || place="moved"
        [ $start = 3 ] || { kill "$pid"; wait "$pid" 2>/dev/null || true; }
    done
    place="$place (${starts% })"

    read -r x y w h < <(geometry "$id")
    # Opacity 127 of the background (0,64,127) over what the desktop shows
    # beside the window (a compositor may draw its own desktop, not the root's).
    local blend seen under expected
    # XWayland's root window has no image to read: no pixel, no screenshot.
    seen=$(pixel $((x + 2)) $((y + 2))) || seen="unreadable"
    under=$(pixel $((x - 3)) $((y + 2))) || under="srgb(0,0,0)"
    expected=$(blend_of "$under")
    if [ "$seen" = unreadable ]; then
        blend="no screen image to read"
    elif [ "$seen" = "srgb(0,64,127)" ]; then
        blend="no compositor"
    elif near "$seen" "$expected"; then
        blend="ok $seen"
    else
        blend="wrong $seen, expected $expected"
    fi

    local above=no
    xmessage -name talvorin-over -geometry "300x200+$((x - 20))+$((y - 20))" over >/dev/null 2>&1 &
    helpers+=($!)
    over=$(wait_window_class talvorin-over)
    sleep 1
    # Seen above: the clock's background, not the window's white, where both lie.
    if has_state "$id" _NET_WM_STATE_ABOVE && [ "$(pixel $((x + 2)) $((y + h - 3)) || echo none)" != "srgb(255,255,255)" ]; then
        above=ok
        wm_supports _NET_CLIENT_LIST_STACKING && ! stacked_above "$id" "$over" && above="seen, not in the stacking list"
    fi

    local sticky=no
    { [ "$(property "$id" _NET_WM_DESKTOP)" = 4294967295 ] || has_state "$id" _NET_WM_STATE_STICKY; } &&
        sticky=ok

    local shown="no show desktop"
    if wm_supports _NET_SHOWING_DESKTOP; then
        wmctrl -k on
        sleep 1
        shown=hidden
        [ "$(map_state "$id")" = IsViewable ] && ! has_state "$id" _NET_WM_STATE_HIDDEN && shown=ok
        wmctrl -k off
        sleep 0.5
    fi

    # The icon: a window named as the program, with its class, embedded in a panel.
    local tray=no icon
    for icon in $(xwininfo -root -tree | awk '$2 == "\"talvorin\":" && $3 == "(\"talvorin\"" {print $1}'); do
        [ "$(map_state "$icon")" = IsViewable ] && tray="ok ($(geometry "$icon" | cut -d' ' -f1,2))"
    done

    if [ "$desktop" = weston ]; then
        (cd "$out" && timeout 10 weston-screenshooter >/dev/null 2>&1 && mv -f wayland-screenshot-*.png weston.png) || true
    else
        screenshot "$desktop.png" >/dev/null
    fi
    printf '%s|%s|%s|%s|%s|%s|%s\n' "$desktop" "$place" "$above" "$sticky" "$shown" "$tray" "$blend"
}

# ---- weston: the clock on XWayland, weston's own X window manager -------------
on_weston() {
    local runtime log
    runtime=$(mktemp -d)
    chmod 700 "$runtime"
    log=$runtime/weston.log
    XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --xwayland --debug \
        --socket=talvorin-wayland --width=1280 --height=1024 >"$log" 2>&1 &
    local weston=$!
    local display=""
    for _ in $(seq 100); do
        display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$log" | head -n1)
        [ -n "$display" ] && break
        sleep 0.1
    done
    if [ -z "$display" ]; then
        echo "weston|no XWayland display ($(tail -n1 "$log"))|-|-|-|-|-"
    else
        DISPLAY=$display XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=talvorin-wayland "$0" --inside weston || echo "weston|failed|-|-|-|-|-"
    fi
    kill "$weston" 2>/dev/null || true
    wait "$weston" 2>/dev/null || true
    rm -rf "$runtime"
}

if [ "${1:-}" = --inside ]; then
    inside "$2"
    exit
fi

[ -x "$program" ] || { echo "No program at $program: build the linux preset" >&2; exit 1; }
desktops=("$@")
[ ${#desktops[@]} -gt 0 ] || desktops=("${all[@]}")
missing=()
for d in "${desktops[@]}"; do
    for p in ${packages[$d]:?unknown desktop $d} $common; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}" >&2
    apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
mkdir -p "$out"
rows=()
for d in "${desktops[@]}"; do
    echo "== $d" >&2
    case "$d" in
        weston) rows+=("$(on_weston)") ;;
        *) wm=${d%%+*}
           rows+=("$(WITH_WM=$wm LANG=C.UTF-8 dbus-run-session -- tools/with-xvfb.sh "$0" --inside "$d" |
               tail -n1 || echo "$d|failed|-|-|-|-|-")") ;;
    esac
done
{
    echo "desktop|place over 3 starts (lines 8/9)|above|all workspaces|show desktop|tray icon|blend 127"
    printf '%s\n' "${rows[@]}"
} | column -t -s '|'
echo "screenshots: $out"
