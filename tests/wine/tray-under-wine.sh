#!/usr/bin/env bash
# The Windows program's notification-area icon for real under Wine, in an
# XEmbed tray (trayer) that Wine's shell docks its icons into: the icon docks,
# the menu opens on the right button, and each item does what it says; Enter
# on the focused clock opens its prompt, Enter on a focused button presses it.
#   tray-under-wine.sh <talvorin.exe> <screenshot folder>
set -euo pipefail
source "$(dirname "$0")/../lib/wine-prefix.sh"
source "$(dirname "$0")/../lib/checks.sh"
source "$(dirname "$0")/../lib/tray.sh"

talvorin_exe=$1
shots=$2
mkdir -p "$shots"
pid=""
test_cleanup() { stop_tray_host; }

app="$work/app"
mkdir -p "$app"
cp "$talvorin_exe" "$app/"
font="$(dirname "$talvorin_exe")/DSEG7Classic-Regular.ttf"
[ -f "$font" ] && cp "$font" "$app/"
new_prefix

start_tray_host
sleep 1

# The clock away from the default place, so that applying the defaults shows.
options="$app/tl_options.txt"
printf '%s\r\n' "Transparence (10 - 255 ; defaut 127)" 127 \
    "Masque R G B (0 - 255 ; defaut 0 64 127)" 0 64 127 \
    "Position de la fenetre haut gauche" 1500 3000 "Taille des chiffres" 48 \
    "Fenetre de l'heure toujours devant (1 True ; 0 False) ; defaut 0" 0 \
    "Afficher les secondes (1 True , 0 False) ; defaut 0" 0 >"$options"
option_line() { sed -n "${1}p" "$options" | tr -d '\r'; }

(cd "$app" && exec "${french[@]}" wine "$app/talvorin.exe" 2>"$work/stderr.log") &
pid=$!

clock_window() { xdotool search --onlyvisible --name '^Talvorin V' 2>/dev/null | head -n1; }
clock_shown() { [ -n "$(clock_window)" ]; }
wait_until 30 clock_shown || fail "the clock did not show"
clock=$(clock_window)

# Wine's shell docks the icon: its window is explorer.exe's.
icon_docked() { [ -n "$(docked_icon explorer.exe)" ]; }
wait_until 20 icon_docked || fail "the icon did not dock in the tray"
icon=$(docked_icon explorer.exe)
read -r ix iy iw ih <<<"$(xwininfo -id "$icon" | awk '/Absolute upper-left X/ {x=$4}
    /Absolute upper-left Y/ {y=$4} /^  Width/ {w=$2} /^  Height/ {h=$2} END {print x, y, w, h}')"
echo "ok: icon docked at $ix,$iy ${iw}x$ih ($SECONDS s)"

# The popup menu: an override-redirect window of the program's other than the clock.
menu_window() {
    local w
    for w in $(xdotool search --onlyvisible --class '^talvorin.exe$' 2>/dev/null); do
        [ "$w" = "$clock" ] && continue
        xwininfo -id "$w" | grep -q 'Override Redirect State: yes' && { echo "$w"; return; }
    done
}
menu_open() { [ -n "$(menu_window)" ]; }
menu_closed() { ! menu_open; }
menu_item() {  # 1-based, separators skipped
    xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2))
    sleep 0.3
    xdotool click 3
    wait_until 5 menu_open || fail "the menu did not open"
    if [ "${2:-}" = shot ]; then
        sleep 0.3
        import -window root "$shots/wine-tray-menu.png"
    fi
    sleep 0.3
    # Wine's menu does not take the keyboard from a hidden owner: the item is
    # clicked, at its share of the menu's height (nine items, two separators).
    local mx my mw mh
    read -r mx my mw mh <<<"$(xwininfo -id "$(menu_window)" | awk '/Absolute upper-left X/ {x=$4}
        /Absolute upper-left Y/ {y=$4} /^  Width/ {w=$2} /^  Height/ {h=$2} END {print x, y, w, h}')"
    local shares=(0 5 16 27 39 50 61 72 82 95)  # percent of the height, item centres
    xdotool mousemove $((mx + mw / 2)) $((my + mh * ${shares[$1]} / 100))
    sleep 0.3
    xdotool click 1
    wait_until 3 menu_closed || fail "the menu did not close"
}
map_state() { xwininfo -id "$clock" | awk '/Map State/ {print $3}'; }
clock_state_is() { [ "$(map_state)" = "$1" ]; }

# "Paramètres…": the settings dialog, which takes the focus from the clock.
dialog_window() { xdotool search --onlyvisible --name '^Talvorin - Param' 2>/dev/null | head -n1; }
dialog_shown() { [ -n "$(dialog_window)" ]; }
sleep 1
menu_item 2 shot
wait_until 10 dialog_shown || fail "Paramètres did not open the dialog"
echo "ok: Paramètres opens the dialog"
dialog=$(dialog_window)

# "Afficher l'horloge" brings the clock to the front. (Wine
# leaves a frameless window that the window manager iconified unmapped
# whatever the program asks, so the clock is behind the dialog here instead.)
active_is() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
# The clock above the dialog in the window manager's stacking order.
stacking() { xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //' | tr -d ' ' | tr ',' '\n'; }
clock_above_dialog() {
    local order
    order=$(stacking | while read -r w; do echo $((w)); done)
    [ "$(echo "$order" | grep -nx "$clock" | cut -d: -f1)" -gt \
        "$(echo "$order" | grep -nx "$dialog" | cut -d: -f1)" ]
}
xdotool windowactivate "$dialog" 2>/dev/null || true
wait_until 5 active_is "$dialog" || fail "the dialog is not active"
clock_above_dialog && fail "the clock is above the dialog already"
menu_item 1
wait_until 5 clock_above_dialog || fail "Afficher did not bring the clock to the front"
echo "ok: Afficher l'horloge raises the clock (active window: $(xdotool getactivewindow getwindowname))"

# A left click on the icon does the same.
xdotool windowraise "$dialog"
sleep 0.5
clock_above_dialog && fail "the dialog did not come above the clock"
xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2))
sleep 0.3
xdotool click 1
wait_until 5 clock_above_dialog || fail "a click on the icon did not bring the clock to the front"
echo "ok: a left click on the icon raises the clock"

# "Lancer à l'ouverture de session": the Run value comes and goes.
run_value() {
    wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v Talvorin 2>/dev/null |
        tr -d '\r' | awk '/Talvorin/ {sub(/.*REG_SZ[ \t]+/, ""); print}'
}
menu_item 3
has_run_value() { [ -n "$(run_value)" ]; }
wait_until 10 has_run_value || fail "no Run value"
check "Run value" '"Z:'"${app//\//\\}"'\talvorin.exe"' "$(run_value)"
menu_item 3
no_run_value() { [ -z "$(run_value)" ]; }
wait_until 10 no_run_value || fail "the Run value is still there"
echo "ok: Run value written then removed"

# Enter on a focused button presses it: Shift+Tab twice from the first field
# reaches "Par défaut" (the defaults, 500 and 800), Tab then "Valider !".
xdotool windowactivate --sync "$dialog" 2>/dev/null || true
sleep 0.5
check "file line 8 before the buttons" 1500 "$(option_line 8)"
xdotool key shift+Tab
sleep 0.2
xdotool key shift+Tab
sleep 0.2
xdotool key Return
sleep 0.5
xdotool key Tab
sleep 0.2
xdotool key Return
near() { [ $(($1 - $2)) -le 15 ] && [ $(($2 - $1)) -le 15 ]; }
top_saved() { near "$(option_line 8)" 500; }
wait_until 5 top_saved || fail "Enter on the focused buttons did not apply the defaults: $(option_line 8)"
echo "ok: Enter pressed the focused buttons: lines 8 and 9 = $(option_line 8) $(option_line 9)"

# Enter on the focused clock: its prompt, as a click. Escape ("Annuler")
# closes it and shows the dialog again.
prompt_window() { xdotool search --onlyvisible --name '^Quitter Talvorin$' 2>/dev/null | head -n1; }
prompt_shown() { [ -n "$(prompt_window)" ]; }
prompt_gone() { [ -z "$(prompt_window)" ]; }
xdotool windowactivate --sync "$clock" 2>/dev/null || true
sleep 0.5
xdotool key Return
wait_until 5 prompt_shown || fail "Enter on the clock did not open the prompt"
echo "ok: Enter on the focused clock opens the prompt"
xdotool windowactivate --sync "$(prompt_window)" 2>/dev/null || true
sleep 0.3
xdotool key Escape
wait_until 5 prompt_gone || fail "the prompt did not close on Escape"

# "Quitter": the program ends with status 0.
menu_item 4  # "Afficher les secondes"
wait_until 3 test "$(option_line 15)" = 1 || fail "seconds not saved from the tray"
menu_item 9
gone() { ! kill -0 "$pid" 2>/dev/null; }
wait_until 10 gone || fail "Quitter did not end the program"
status=0
wait "$pid" || status=$?
check "exit status after Quitter" 0 "$status"
