# The clock started without an options file: the default file created, then
# rewritten by the first tick with the place the window manager chose; a drag
# moves the window (and is no click), and the next tick saves the new place.
source "$(dirname "$0")/program-lib.sh"

# The first tick comes just after the next second boundary: start early in
# a second so the file can be read as created, before that tick rewrites it.
early_in_second() { [ "$(date +%N)" -lt 200000000 ]; }
wait_until 3 early_in_second
start_program
created="$work/created.txt"
until [ -s "$options" ]; do
    kill -0 "$pid" 2>/dev/null || fail "the program ended"
    sleep 0.01
done
cp "$options" "$created"
check "created file" "$(default_options 500 800 0 0 | od -c)" "$(od -c <"$created")"
echo "ok: created file of $(stat -c %s "$created") bytes"
id=$(wait_window '^Talvorin V')

check "opacity 127/255" $((127 * 0x01010101)) "$(property "$id" _NET_WM_WINDOW_OPACITY)"
has_state "$id" _NET_WM_STATE_ABOVE && fail "above although line 13 is 0"
read -r x y w h <<<"$(geometry "$id")"
check "default size" "154 143" "$w $h"

saved() { [ "$(option_line 8) $(option_line 9)" = "$1" ]; }
wait_until 3 saved "$((y * 15)) $((x * 15))" || fail "first tick did not save the place: $(option_line 8) $(option_line 9) for $x $y"
check "first tick saved the place" "$(default_options $((y * 15)) $((x * 15)) 0 0 | od -c)" "$(od -c <"$options")"
screenshot clock-defaults.png "${w}x${h}+$x+$y"

# Press on the time, move in steps well past the drag distance, release.
drag_by_steps $((x + 60)) $((y + 70)) 8
moved() { [ "$(geometry "$id")" = "$((x + 80)) $((y + 40)) $w $h" ]; }
wait_until 3 moved || fail "drag: window at $(geometry "$id"), expected $((x + 80)) $((y + 40))"
echo "ok: dragged to $((x + 80)) $((y + 40))"
sleep 0.5
no_window '^Quitter Talvorin' || fail "a drag opened the prompt"
echo "ok: a drag is not a click"
wait_until 3 saved "$(((y + 40) * 15)) $(((x + 80) * 15))" || fail "the tick did not save the dragged place: $(option_line 8) $(option_line 9)"
echo "ok: the next tick saved $(option_line 8) $(option_line 9)"
kill -0 "$pid" || fail "the program ended"

# A drag just after a tick, then logout's SIGTERM before the next tick: the
# move is saved on the way out, and no temporary is left.
read -r x y _ <<<"$(geometry "$id")"
wait_until 3 early_in_second
xdotool mousemove --sync $((x + 60)) $((y + 70)) mousedown 1 mousemove --sync $((x + 90)) $((y + 70))
xdotool mousemove --sync $((x + 120)) $((y + 70)) mouseup 1
kill -TERM "$pid"
wait "$pid" || true
check "place saved by SIGTERM" "$((y * 15)) $(((x + 60) * 15))" "$(option_line 8) $(option_line 9)"
check "temporaries left" "" "$(ls "$work" | grep '\.tmp' || true)"
