# The clock as the window manager given in WITH_WM handles it: the place in
# the file is the frame's place as the user sees it, the same after three
# starts; where "show desktop" exists, the clock above stays in view; a
# colour key with no compositor shows the desktop between the digits. Asked
# for Wayland, with an X display there, it runs on X11 and says so.
source "$(dirname "$0")/program-lib.sh"

hsetroot -solid '#336699' >/dev/null
stop_program() { kill "$pid" && wait "$pid" 2>/dev/null || true; pid=""; }
# Opacity 300: outside 0-255, the background is the colour key.
default_options 1500 3000 1 0 | sed '2s/127/300/' >"$options"
export QT_QPA_PLATFORM=wayland
for start in 1 2 3; do
    start_program
    id=$(wait_window '^Talvorin V')
    sleep 1.5
    grep -q "^talvorin: QT_QPA_PLATFORM=wayland not followed: the clock runs on X11" "$work/stderr.log" ||
        fail "no word of the platform left aside"
    check "$WITH_WM start $start: lines 8-9" "1500 3000" "$(option_line 8) $(option_line 9)"
    [ $start = 3 ] || stop_program
done
read -r x y w h < <(geometry "$id")
check "$WITH_WM: no black box, the desktop between the digits" "srgb(51,102,153)" "$(pixel $((x + 2)) $((y + 2)))"
# The share of the window's pixels that are not the desktop: the texts only.
drawn=$(import -window root -crop "${w}x$h+$x+$y" +repage png:- | convert - -fill black \
    -opaque '#336699' -fill white +opaque black -format '%[fx:int(mean*100)]' info:)
[ "$drawn" -ge 5 ] && [ "$drawn" -le 50 ] || fail "$drawn % of the window drawn"
echo "ok: $WITH_WM: texts drawn on $drawn % of the window"
screenshot "clock-key-$WITH_WM.png" "230x150+$((x - 2))+$((y - 2))"
if wm_supports _NET_SHOWING_DESKTOP; then
    wmctrl -k on
    sleep 1
    check "$WITH_WM: the clock in view on show desktop" IsViewable "$(map_state "$id")"
    has_state "$id" _NET_WM_STATE_HIDDEN && fail "hidden on show desktop"
    wmctrl -k off
fi
kill -0 "$pid" || fail "the program ended"
