# The Linux program from the keyboard and through a screen reader's eyes
# (AT-SPI on a private D-Bus session): the clock takes the focus and Enter
# opens its prompt; the dialog is a dialog whose every field is named by its
# label; Enter on a focused button presses it.
source "$(dirname "$0")/program-lib.sh"
# The system Python: pyatspi is a Debian package.
atspi() { /usr/bin/python3 "$(dirname "$0")/atspi_tree.py" "$@"; }
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

write_options "" 127 "" 0 64 127 "" 1500 3000 "" 48 "" 0 "" 0
start_program
clock=$(wait_window '^Talvorin V')
sleep 1.5  # past the first tick: the clock shows the time
atspi check-clock || fail "the clock is not a window named by the time"
echo "ok: the clock is a window named by the time"

# Enter on the focused clock: the prompt. Escape ("Annuler"): the dialog.
press_on "$clock" Return
box=$(wait_window '^Quitter Talvorin$')
echo "ok: Enter on the clock opens the prompt"
press_on "$box" Escape
dialog=$(wait_window '^Talvorin - Param')
sleep 0.5

atspi dump | tee "$shots/atspi-dialog.txt"
atspi check-dialog || fail "a field of the dialog has no name, or the dialog is not a dialog"
echo "ok: the dialog and every field are named"

# Space on the clock gives the prompt too; "Non" (Tab, Space) closes it.
press_on "$clock" space
box=$(wait_window '^Quitter Talvorin$')
echo "ok: Space on the clock opens the prompt"
press_on "$box" Tab space
wait_until 3 no_window '^Quitter Talvorin$' || fail "prompt still open after Non"

# Enter on a focused button presses it: "Par défaut" fills in the default
# place, "Valider !" applies it (the file says 500, 800 instead of 1500, 3000).
# The clock, shown again after the prompt, may take the focus back once more.
focus_in_dialog() {
    xdotool windowactivate --sync "$dialog" 2>/dev/null || true
    sleep 0.3
    atspi focus "$1"
    [ "$(atspi focused)" = "$1" ]
}
press_with_enter() {
    wait_until 5 focus_in_dialog "$1" || fail "cannot focus '$1': '$(atspi focused)' has the focus"
    echo "ok: '$1' has the focus"
    xdotool key Return
    sleep 0.5
}
press_with_enter "Par défaut"
check "file line 8 before Valider" 1500 "$(option_line 8)"
press_with_enter "Valider !"
# Within a pixel: the tick after the apply saves the place the window really has.
near() { [ $(($1 - $2)) -le 15 ] && [ $(($2 - $1)) -le 15 ]; }
top_saved() { near "$(option_line 8)" 500; }
wait_until 5 top_saved || fail "Enter on the focused Valider ! did not apply the defaults"
near "$(option_line 9)" 800 || fail "left not applied: $(option_line 9)"
echo "ok: Enter on Valider ! applied: lines 8 and 9 = $(option_line 8) $(option_line 9)"
