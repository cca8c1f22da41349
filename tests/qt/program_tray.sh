# The notification-area icon for real, in an XEmbed tray (trayer): it docks,
# its menu opens on the right button, and each item does what it says. Then
# the same program on a desktop without a tray: no icon, no error, a clock.
source "$(dirname "$0")/program-lib.sh"

export XDG_CONFIG_HOME="$work/config"
entry="$XDG_CONFIG_HOME/autostart/talvorin.desktop"

source "$(dirname "$0")/../lib/tray.sh"
trap 'stop_tray_host; cleanup' EXIT

# Opacity 0: the clock cannot be seen, the tray is the way back. The tray
# host starts after the clock, as a panel at login may.
write_options "" 0 "" 0 64 127 "" 1500 3000 "" 48 "" 0 "" 0
start_program
clock=$(wait_window '^Talvorin V')
sleep 0.5
start_tray_host

# Polled: each call looks again.
icon_docked() { [ -n "$(docked_icon talvorin)" ]; }
program_gone() { ! kill -0 "$pid" 2>/dev/null; }

wait_until 10 icon_docked || fail "the icon did not dock in the tray"
icon=$(docked_icon talvorin)
read -r ix iy iw ih <<<"$(geometry "$icon")"
sleep 0.5
screenshot tray-icon.png "160x40+$((ix - 130))+$((iy - 4))"
echo "ok: icon docked at $ix,$iy ${iw}x$ih ($SECONDS s)"

# Opens the menu and picks item $1 (1-based, separators skipped) from the keyboard.
menu_item() {
    xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2))
    sleep 0.2
    xdotool click 3
    wait_until 5 menu_open || fail "the menu did not open"
    [ "${2:-}" = shot ] && { sleep 0.3; screenshot tray-menu.png; }
    # Off the menu: an item under the pointer would be where Down starts from.
    xdotool mousemove 10 10
    sleep 0.3
    for _ in $(seq "$1"); do
        xdotool key Down
        sleep 0.2
    done
    xdotool key Return
    wait_until 3 menu_closed || fail "the menu did not close"
}
# The menu is the program's one override-redirect window on screen besides
# the clock, the icon and the icon's tooltip.
menu_open() {
    local w
    for w in $(xdotool search --onlyvisible --class '^talvorin$' 2>/dev/null); do
        [ "$w" = "$clock" ] || [ "$w" = "$((icon))" ] && continue
        xwininfo -id "$w" | grep -q 'Override Redirect State: yes' || continue
        xprop -id "$w" _NET_WM_WINDOW_TYPE | grep -q TOOLTIP || return 0
    done
    return 1
}
menu_closed() { ! menu_open; }
opacity() { xprop -id "$clock" _NET_WM_WINDOW_OPACITY | sed -n 's/.* = //p'; }

# The tooltip: the day, the date and the time without seconds (looked at).
xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2))
sleep 1.5
screenshot tray-tooltip.png "400x80+$((ix - 360))+$((iy - 60))"
xdotool mousemove 10 10
check "opacity of the clock from its file" 0 "$(opacity)"

# "Afficher l'horloge" on an iconified clock: back, at opacity 10, file unchanged.
before=$(md5sum <"$options")
xdotool windowminimize "$clock"
wait_until 3 mapped_as "$clock" IsUnMapped || fail "clock not iconified"
menu_item 1 shot
wait_until 3 mapped_as "$clock" IsViewable || fail "Afficher did not show the clock"
check "opacity after Afficher (10/255 of 0xffffffff)" $((10 * 0xffffffff / 255)) "$(opacity)"
check "options file after Afficher" "$before" "$(md5sum <"$options")"

# A left click on the icon does the same.
xdotool windowminimize "$clock"
wait_until 3 mapped_as "$clock" IsUnMapped || fail "clock not iconified"
click_at $((ix + iw / 2)) $((iy + ih / 2))
wait_until 3 mapped_as "$clock" IsViewable || fail "a click on the icon did not show the clock"
echo "ok: a left click on the icon shows the clock"

# The clock shown from the tray has the keyboard: Enter gives its prompt,
# which "Non" (Tab, Space) closes.
prompt_open() { [ -n "$(visible_window '^Quitter Talvorin$')" ]; }
prompt_closed() { ! prompt_open; }
sleep 0.3
xdotool key Return
wait_until 5 prompt_open || fail "Enter after Afficher did not reach the clock"
echo "ok: the clock shown from the tray takes the keyboard"
xdotool windowactivate --sync "$(visible_window '^Quitter Talvorin$')" 2>/dev/null || true
xdotool key Tab space
wait_until 5 prompt_closed || fail "the prompt did not close on Non"
wait_until 3 mapped_as "$clock" IsViewable || fail "clock not back after Non"

# "Paramètres…": the settings dialog.
menu_item 2
dialog=$(wait_window '^Talvorin - Param')
check "dialog title" '"Talvorin - Paramètres"' "$(property "$dialog" _NET_WM_NAME)"
xdotool windowclose "$dialog" 2>/dev/null || xdotool key --window "$dialog" Escape
wait_until 3 no_window '^Talvorin - Param' || true

# "Lancer à l'ouverture de session": the autostart entry comes and goes.
menu_item 3
wait_until 3 test -f "$entry" || fail "no autostart entry at $entry"
check "autostart Exec" "Exec=\"$work/talvorin\"" "$(grep '^Exec=' "$entry")"
menu_item 3
wait_until 3 test ! -e "$entry" || fail "the autostart entry is still there"
echo "ok: autostart entry written then removed"

# "Afficher les secondes" and "Verrouiller la position": line 15 and tl_extras.txt.
menu_item 4
menu_item 6
wait_until 3 grep -q '^position_verrouillee=1' "$work/tl_extras.txt" || fail "lock not saved"
check "seconds from the tray" 1 "$(option_line 15)"

# "Quitter": the program ends, with status 0.
menu_item 9
wait_until 5 program_gone || fail "Quitter did not end the program"
status=0
wait "$pid" || status=$?
pid=""
check "exit status after Quitter" 0 "$status"
grep -v -e XDG_RUNTIME_DIR -e 'defaults used' "$work/stderr.log" && fail "unexpected error lines"

# No tray host: the clock starts and ticks as before, and says nothing.
stop_tray_host
sleep 0.3
start_program
clock=$(wait_window '^Talvorin V')
sleep 1.5
[ -z "$(docked_icon talvorin)" ] || fail "an icon without a tray host"
check "clock mapped without a tray" IsViewable "$(map_state "$clock")"
kill -0 "$pid" || fail "the program ended without a tray host"
grep -v XDG_RUNTIME_DIR "$work/stderr.log" && fail "error lines without a tray host"
echo "ok: no tray host, no icon, no error"
