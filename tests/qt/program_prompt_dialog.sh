# The prompt and the settings dialog driven for real with the keyboard and the
# mouse: "Non" goes back to the clock, "Annuler" opens the dialog, "Valider !"
# moves the clock and sets or clears its place above the others, "Oui" ends
# the program.
source "$(dirname "$0")/program-lib.sh"

write_options "" 127 "" 0 64 127 "" 1500 3000 "" 48 "" 0 "" 0
start_program
clock=$(wait_window '^Talvorin V')
read -r x y w h <<<"$(geometry "$clock")"
check "clock place" "200 100" "$x $y"
sleep 1.5  # past the first tick, so the clock shows the time

prompt() {
    # The dialog may cover the clock once it is no longer above the others.
    xdotool windowactivate "$clock" 2>/dev/null || true
    sleep 0.2
    local cx cy cw ch
    read -r cx cy cw ch <<<"$(geometry "$clock")"
    click_at $((cx + cw / 2)) $((cy + ch / 2))
    box=$(wait_window '^Quitter Talvorin$')
    check "prompt title" '"Quitter Talvorin"' "$(property "$box" _NET_WM_NAME)"
    wait_until 3 mapped_as "$clock" IsUnMapped || fail "clock not hidden during the prompt"
    xdotool windowactivate --sync "$box" 2>/dev/null || true
}

# "Non": the buttons are Oui, Non, Annuler with the focus on Oui.
prompt
screenshot prompt.png
xdotool key Tab space
wait_until 3 no_window '^Quitter Talvorin$' || fail "prompt still open after Non"
wait_until 3 mapped_as "$clock" IsViewable || fail "clock not back after Non"
no_window '^Talvorin - Param' || fail "Non opened the dialog"
check "clock place after Non" "$x $y $w $h" "$(geometry "$clock")"

# "Annuler" (Escape): the dialog.
prompt
xdotool key Escape
dialog=$(wait_window '^Talvorin - Param')
wait_until 3 mapped_as "$clock" IsViewable || fail "clock not back after Annuler"
check "dialog title" '"Talvorin - Paramètres"' "$(property "$dialog" _NET_WM_NAME)"
read -r dx dy dw dh <<<"$(geometry "$dialog")"
check "dialog client size" "334 377" "$dw $dh"
has_state "$dialog" _NET_WM_STATE_SKIP_TASKBAR && fail "the dialog is out of the task bar"
[ "$(property "$dialog" _NET_FRAME_EXTENTS)" != "0, 0, 0, 0" ] || fail "the dialog has no frame"
echo "ok: framed dialog with a task-bar entry"
sleep 0.3
screenshot dialog.png
# Keep a grab of the dialog with a margin for its frame.
screenshot dialog-window.png "$((dw + 20))x$((dh + 40))+$((dx - 10))+$((dy - 30))"

# Focus starts on txtB; the tab order is txtB txtG txtR txtTransp txtTop
# txtLeft chkVis txtTaille chkSecondes cmdDefaut cmdOk.
xdotool windowactivate --sync "$dialog"
xdotool key Tab Tab Tab Tab ctrl+a
xdotool type 3000
xdotool key Tab ctrl+a
xdotool type 4500
xdotool key Tab space Tab Tab Tab Tab space
at_new_place() { [ "$(geometry "$clock")" = "300 200 $w $h" ]; }
wait_until 3 at_new_place || fail "Valider ! did not move the clock: $(geometry "$clock")"
echo "ok: Valider ! moved the clock to 300 200"
wait_until 3 has_state "$clock" _NET_WM_STATE_ABOVE || fail "not above after ticking chkVis"
echo "ok: above after the apply"
# The clock never covers its own dialog: the dialog joins its band, on top.
wait_until 3 has_state "$dialog" _NET_WM_STATE_ABOVE || fail "the dialog is not above with the clock"
wait_until 3 stacked_above "$dialog" "$clock" || fail "the topmost clock covers the dialog"
echo "ok: the dialog above the topmost clock"
check "saved top left flag" "3000 4500 1" "$(option_line 8) $(option_line 9) $(option_line 13)"
screenshot dialog-applied.png

# Untick chkVis (four back from cmdOk, which kept the focus) and apply again.
xdotool windowactivate --sync "$dialog"
xdotool key shift+Tab shift+Tab shift+Tab shift+Tab space Tab Tab Tab Tab space
not_above() { ! has_state "$clock" _NET_WM_STATE_ABOVE; }
wait_until 3 not_above || fail "still above after clearing chkVis"
echo "ok: no longer above"
wait_until 3 line_is 13 0 || fail "line 13 not cleared"
check "place kept" "300 200 $w $h" "$(geometry "$clock")"

# "Oui" (Enter, the default button) ends the program, dialog and all.
prompt
xdotool key Return
ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_until 3 ended || fail "the program did not end after Oui"
wait "$pid" && status=0 || status=$?
pid=""
check "exit status" 0 "$status"
