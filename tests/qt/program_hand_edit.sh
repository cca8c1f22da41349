# Hand edits while the clock runs: the options file (the new digit size within
# 2 s, a later drag saves on top of the edit), then tl_extras.txt, each key
# checked from outside under openbox: a locked clock stays put, clicks go
# through to the window below, a full-screen window hides the clock, and with
# a compositor the clock fades under the pointer.
source "$(dirname "$0")/program-lib.sh"

default_options 1500 3000 0 0 >"$options"
start_program
id=$(wait_window '^Talvorin V')
read -r x y w h <<<"$(geometry "$id")"
check "size from the file" "154 143" "$w $h"
sleep 1.2  # past the first tick, which saves the place

# As an editor saves: a new file renamed over the old one.
default_options 1500 3000 0 0 | sed '11s/^48\r$/30\r/' >"$work/edited"
mv "$work/edited" "$options"
edited_at=$SECONDS
resized() { [ "$(geometry "$id" | cut -d' ' -f3-)" != "$w $h" ]; }
wait_until 2 resized || fail "the clock kept its size 2 s after the edit: $(geometry "$id")"
read -r x y w h <<<"$(geometry "$id")"
echo "ok: resized to $w x $h within $((SECONDS - edited_at)) s"

xdotool mousemove --sync $((x + 20)) $((y + 20))
xdotool mousedown 1
for step in 1 2 3 4 5 6; do
    xdotool mousemove --sync $((x + 20 + step * 10)) $((y + 20 + step * 5))
    sleep 0.05
done
xdotool mouseup 1
saved() { [ "$(option_line 9)" = "$(((x + 60) * 15))" ]; }
wait_until 3 saved || fail "the drag was not saved: line 9 is $(option_line 9)"
check "the edit survives the drag" 30 "$(option_line 11)"
kill -0 "$pid" || fail "the program ended"

# ---- tl_extras.txt ------------------------------------------------------------
read -r x y w h <<<"$(geometry "$id")"
clock_colour=$(pixel $((x + 5)) $((y + 5)))
extras_edit "# à la main" position_verrouillee=1
sleep 1.2
drag_from $((x + 20)) $((y + 20))
sleep 1.5
check "locked: the clock stays" "$x $y" "$(geometry "$id" | cut -d' ' -f1-2)"
check "locked: lines 8-9 kept" "$((y * 15)) $((x * 15))" "$(option_line 8) $(option_line 9)"
no_window '^Quitter Talvorin' || fail "a locked drag opened the prompt"

# A window below the clock, another one active elsewhere; a click on the
# clock must reach the one below.
xterm -geometry 40x20+$((x - 20))+$((y - 20)) -title below &
below=$(wait_window '^below$')
extras_edit "# à la main" clics_traversants=1
unmanaged() { xwininfo -id "$id" | grep -q 'Override Redirect State: yes' && [ "$(map_state "$id")" = IsViewable ]; }
echo "ok: unmanaged and shown again after $(ms_until 2 unmanaged || fail "not unmanaged") ms"
check "place kept" "$x $y" "$(geometry "$id" | cut -d' ' -f1-2)"
check "the clock covers the window below" "$clock_colour" "$(pixel $((x + 5)) $((y + 5)))"
xterm -geometry 20x5+600+400 -title other &
other=$(wait_window '^other$')
xdotool windowactivate --sync "$other"
click_at $((x + 5)) $((y + 5))
below_active() { [ "$(xdotool getactivewindow)" = "$below" ]; }
wait_until 2 below_active || fail "the click did not reach the window below"
sleep 0.5
no_window '^Quitter Talvorin' || fail "the click opened the prompt"
echo "ok: the click went through to the window below"

extras_edit masquer_plein_ecran=1
sleep 1.2
[ "$(map_state "$id")" = IsViewable ] || fail "hidden without a full-screen window"
wmctrl -i -r "$below" -b add,fullscreen
echo "ok: hidden $(ms_until 2 test "$(map_state "$id")" = IsUnMapped || fail "not hidden") ms after full screen"
wmctrl -i -r "$below" -b remove,fullscreen
echo "ok: back $(ms_until 2 test "$(map_state "$id")" = IsViewable || fail "not back") ms after it"
check "place kept" "$x $y" "$(geometry "$id" | cut -d' ' -f1-2)"

kill "$below" "$other" 2>/dev/null || true
picom --backend xrender >/dev/null 2>&1 &
compositor=$!
extras_edit survol_discret=1
sleep 1.5
xdotool mousemove --sync 5 5
sleep 0.3
normal=$(pixel $((x + 5)) $((y + 5)))
xdotool mousemove --sync $((x + 5)) $((y + 5))
sleep 0.5
faded=$(pixel $((x + 5)) $((y + 5)))
screenshot hover-faded.png "${w}x${h}+$x+$y"
kill "$compositor"
blue() { sed 's/.*,\([0-9.]*\))/\1/' <<<"$1" | cut -d. -f1; }
[ "$(blue "$faded")" -lt 20 ] && [ "$(blue "$normal")" -gt 40 ] ||
    fail "not faded under the pointer: $normal away, $faded over it"
echo "ok: $normal with the pointer away, $faded under it"
kill -0 "$pid" || fail "the program ended"
