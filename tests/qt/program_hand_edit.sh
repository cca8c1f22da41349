# A hand edit of the options file while the clock runs: the clock takes the
# new digit size within 2 s, and a later drag saves on top of the edit.
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
