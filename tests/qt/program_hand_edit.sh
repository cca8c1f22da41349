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

drag_by_steps $((x + 20)) $((y + 20)) 6
saved() { [ "$(option_line 9)" = "$(((x + 60) * 15))" ]; }
wait_until 3 saved || fail "the drag was not saved: line 9 is $(option_line 9)"
check "the edit survives the drag" 30 "$(option_line 11)"
kill -0 "$pid" || fail "the program ended"

# ---- tl_extras.txt ------------------------------------------------------------
read -r x y w h <<<"$(geometry "$id")"
at=("$((x + 5))" "$((y + 5))")
clock_colour=$(pixel "${at[@]}")
extras_edit "# à la main" position_verrouillee=1
sleep 1.2
drag_by_steps $((x + 30)) $((y + 30)) 6
sleep 1.5
check "locked: place and lines 8-9" "$x $y $((y * 15)) $((x * 15))" \
    "$(geometry "$id" | cut -d' ' -f1-2) $(option_line 8) $(option_line 9)"
no_window '^Quitter Talvorin' || fail "a locked drag opened the prompt"

# A window below the clock, another one active: a click must reach the one below.
xterm -geometry 40x20+$((x - 20))+$((y - 20)) -title below &
xterms=$!
below=$(wait_window '^below$')
extras_edit clics_traversants=1
unmanaged() { xwininfo -id "$id" | grep -q 'Override Redirect State: yes' && [ "$(map_state "$id")" = IsViewable ]; }
ms=$(ms_until 2 unmanaged) || fail "still managed"
echo "ok: unmanaged after $ms ms"
check "place kept, above the window below" "$x $y $clock_colour" "$(geometry "$id" | cut -d' ' -f1-2) $(pixel "${at[@]}")"
xterm -geometry 20x5+600+400 -title other &
xterms="$xterms $!"
xdotool windowactivate --sync "$(wait_window '^other$')"
click_at "${at[@]}"
wait_until 2 test "$(xdotool getactivewindow)" = "$below" || fail "the click did not reach the window below"
sleep 0.5
no_window '^Quitter Talvorin' || fail "the click opened the prompt"
echo "ok: the click went through to the window below"

extras_edit masquer_plein_ecran=1
sleep 1.2
xdotool windowactivate --sync "$below"
state_is() { [ "$(map_state "$id")" = "$1" ]; }
wmctrl -i -r "$below" -b add,fullscreen
ms=$(ms_until 2 state_is IsUnMapped) || fail "not hidden over a full-screen window"
wmctrl -i -r "$below" -b remove,fullscreen
echo "ok: hidden $ms ms after full screen, back $(ms_until 2 state_is IsViewable || echo never) ms after"
state_is IsViewable || fail "not back"

kill $xterms  # the desktop under the clock: black
picom --backend xrender >/dev/null 2>&1 &
extras_edit survol_discret=1
xdotool mousemove --sync 5 5 sleep 1.5
away=$(pixel "${at[@]}")
xdotool mousemove --sync "${at[@]}" sleep 0.5
over=$(pixel "${at[@]}")
screenshot hover-faded.png "${w}x${h}+$x+$y"
desktop=$(pixel $((x + w + 50)) $((y + h + 50)))
kill $!
red() { sed 's/srgba*(\([0-9]*\).*/\1/' <<<"$1"; }
near() { [ $(($(red "$1") - $(red "$2"))) -lt "$3" ] && [ $(($(red "$2") - $(red "$1"))) -lt "$3" ]; }
near "$over" "$desktop" 20 && ! near "$away" "$desktop" 40 || fail "not faded: $away away, $over over $desktop"
echo "ok: $away with the pointer away, $over under it, over the desktop's $desktop"
kill -0 "$pid" || fail "the program ended"
