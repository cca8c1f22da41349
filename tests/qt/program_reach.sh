# Stored places nobody could reach: beyond each edge, on a monitor no longer
# there, at the 16-bit limit and beyond. The clock must be fully on the
# screen within 1 s of its start, and the file must then say where. Then a
# new window manager that knows nothing of the clock's "above" state: the
# clock asks for it again.
source "$(dirname "$0")/program-lib.sh"

# The work area the window manager publishes: x y width height.
read -r area_x area_y area_w area_h < <(xprop -root _NET_WORKAREA |
    sed -n 's/^[^=]*= //p' | tr -d ',' | awk '{print $1, $2, $3, $4}')

fully_inside() {  # x y width height
    [ "$1" -ge "$area_x" ] && [ "$2" -ge "$area_y" ] &&
        [ $(($1 + $3)) -le $((area_x + area_w)) ] && [ $(($2 + $4)) -le $((area_y + area_h)) ]
}

file_says() {  # x y: lines 8 and 9 hold the place, in twips at 96 dpi
    [ "$(option_line 8)" = $(($2 * 15)) ] && [ "$(option_line 9)" = $(($1 * 15)) ]
}

stop_program() {
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=""
}

while read -r what top left; do
    default_options "$top" "$left" 0 0 >"$options"
    start_program
    id=$(wait_window '^Talvorin V')
    started=$SECONDS
    sleep 1
    read -r x y w h < <(geometry "$id")
    fully_inside "$x" "$y" "$w" "$h" || fail "$what: the clock is at $x $y ${w}x$h"
    echo "ok: $what ($top, $left): fully on the screen at $x $y within 1 s"
    wait_until 3 file_says "$x" "$y" ||
        fail "$what: the file says $(option_line 8) $(option_line 9), the clock is at $x $y"
    echo "ok: $what: the file says $(option_line 8) $(option_line 9)"
    [ "$what" != at-491505 ] || screenshot clock-reach-491505.png "${w}x$h+$x+$y"
    stop_program
done <<'TABLE'
beyond-the-right 1500 60000
beyond-the-left 1500 -60000
beyond-the-top -60000 1500
beyond-the-bottom 60000 1500
on-a-removed-second-monitor 1500 25000
at-491505 491505 491505
at--491505 -491505 -491505
at-2^31-1 2147483647 2147483647
TABLE

# Partly over the right edge: left where the user put it.
default_options 1500 $(((1280 - 60) * 15)) 0 0 >"$options"
start_program
id=$(wait_window '^Talvorin V')
sleep 1
check "a clock partly over the edge stays" "1220 100" "$(geometry "$id" | cut -d' ' -f1,2)"
stop_program

# A panel takes the bottom 300 px while the clock stands there: the work
# area shrinks under it (as when a monitor goes or a task bar moves), and the
# clock comes back into what is left.
default_options $((870 * 15)) 1500 0 0 >"$options"
start_program
id=$(wait_window '^Talvorin V')
top_is() { [ "$(geometry "$id" | cut -d' ' -f2)" = "$1" ]; }
wait_until 3 top_is 870 || fail "not at 870: $(geometry "$id")"
xmessage -name talvorin-panel -geometry 300x40+0+0 panel &
panel=$!
panel_id=$(wait_window_class talvorin-panel)
xprop -id "$panel_id" -f _NET_WM_STRUT 32c -set _NET_WM_STRUT "0, 0, 0, 300"
above_panel() { read -r _ y _ h < <(geometry "$id") && [ $((y + h)) -le 724 ]; }
wait_until 2 above_panel || { kill "$panel"; fail "the clock stayed under the panel: $(geometry "$id")"; }
read -r x y w h < <(geometry "$id")
echo "ok: the clock moved out from under the panel to $x $y"
wait_until 3 file_says "$x" "$y" || { kill "$panel"; fail "the file says $(option_line 8) $(option_line 9)"; }
echo "ok: the file says $(option_line 8) $(option_line 9)"
kill "$panel"
stop_program

# A new window manager reads the states the clock's window has. Strip
# "above" from it first, as a window manager that never heard of it would
# see it: only the clock asking again makes it above.
default_options 1500 3000 1 0 >"$options"
start_program
id=$(wait_window '^Talvorin V')
wait_until 3 has_state "$id" _NET_WM_STATE_ABOVE || fail "not above at start"
xprop -id "$id" -remove _NET_WM_STATE
openbox --replace --sm-disable >/dev/null 2>&1 &
new_wm=$!
wait_until 5 has_state "$id" _NET_WM_STATE_ABOVE || {
    kill "$new_wm"
    fail "not above again after the window manager was replaced"
}
echo "ok: above again after the window manager was replaced"
kill "$new_wm"
