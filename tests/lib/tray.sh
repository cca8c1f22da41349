# Sourced by the notification-area tests: an XEmbed tray (trayer) docked at
# the bottom right of the display, and the icon a program docks in it.
tray_host=""

start_tray_host() {
    trayer --edge bottom --align right --widthtype pixel --width 120 --heighttype pixel \
        --height 32 --SetDockType true --transparent false --tint 0x303030 >/dev/null 2>&1 &
    tray_host=$!
}

stop_tray_host() {
    [ -n "$tray_host" ] || return 0
    kill "$tray_host" 2>/dev/null || true
    wait "$tray_host" 2>/dev/null || true
}

docked_icon() {  # the name of the program's window -> its icon window in trayer's panel
    local panel
    panel=$(xdotool search --classname '^panel$' 2>/dev/null | head -n1)
    [ -n "$panel" ] || return 0
    xwininfo -tree -id "$panel" | awk -v name="\"$1\"" '$0 ~ name {print $1; exit}'
}
