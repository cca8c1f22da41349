# The clock started on a prepared options file: its caption, outer place and
# size, desktop states, opacity and colour as the X server has them, and the
# file rewritten by the first tick.
source "$(dirname "$0")/program-lib.sh"

# Hand-edited headers; opacity 200; colour 10 20 30; top 1500, left 3000
# (100 and 200 pixels at 96 dpi); digits 48 points; on top; seconds shown.
write_options "entete" 200 "" 10 20 30 "-" 1500 3000 "" 48 "" 1 "" 1
start_program
id=$(wait_window '^Talvorin V')

check "caption" "\"Talvorin V${TALVORIN_VERSION:?set by CTest}\"" "$(property "$id" _NET_WM_NAME)"
# 3368 x 2152 twips: 224.5 and 143.5 pixels, rounded to the nearest.
check "outer place and size" "200 100 225 143" "$(geometry "$id")"
extents=$(property "$id" _NET_FRAME_EXTENTS)
[ -z "$extents" ] || check "no frame around the clock" "0, 0, 0, 0" "$extents"
wait_until 3 has_state "$id" _NET_WM_STATE_ABOVE || fail "not above with line 13 = 1"
echo "ok: above"
for state in _NET_WM_STATE_SKIP_TASKBAR _NET_WM_STATE_SKIP_PAGER; do
    has_state "$id" "$state" || fail "$state missing"
    echo "ok: $state"
done
check "on all desktops" 4294967295 "$(property "$id" _NET_WM_DESKTOP)"
if wm_supports _NET_WM_STATE_STICKY; then
    has_state "$id" _NET_WM_STATE_STICKY || fail "not sticky"
fi
check "opacity 200/255" $((200 * 0x01010101)) "$(property "$id" _NET_WM_WINDOW_OPACITY)"

# The first tick stores the real position and rewrites the whole file.
expected=$(mktemp)
printf '%s\r\n' "Transparence (10 - 255 ; defaut 127)" 200 \
    "Masque R G B (0 - 255 ; defaut 0 64 127)" 10 20 30 \
    "Position de la fenetre haut gauche" 1500 3000 "Taille des chiffres" 48 \
    "Fenetre de l'heure toujours devant (1 True ; 0 False) ; defaut 0" 1 \
    "Afficher les secondes (1 True , 0 False) ; defaut 0" 1 >"$expected"
wait_until 3 cmp -s "$options" "$expected" || {
    cat -A "$options" >&2
    fail "options file not rewritten by the first tick"
}
echo "ok: options file rewritten, $(stat -c %s "$options") bytes"
rm -f "$expected"

# No compositor here: the background shows at full strength, texts over it.
check "background colour" "srgb(10,20,30)" "$(pixel 202 102)"
screenshot clock-start.png "225x143+200+100"
kill -0 "$pid" || fail "the program ended"

# A 12-hour and an Arabic locale: the digits in the LCD face, and the day-half
# marker in a window made wider for it (the French width holds the digits).
lit() { import -window root -crop "$1" txt:- | grep -c '#E0E0E0' || true; }
for row in "en_US.UTF-8 297" "ar_EG.UTF-8 282"; do
    read -r lang width <<<"$row"
    kill "$pid" && wait "$pid" || true
    LANG=$lang start_program
    id=$(wait_window '^Talvorin V')
    check "$lang width" "$width" "$(geometry "$id" | cut -d' ' -f3)"
    sleep 1.2  # the first tick draws the time
    [ "$(lit 225x80+200+130)" -gt 100 ] || fail "$lang: no digits drawn"
    [ "$(lit $((width - 225))x80+425+130)" -gt 20 ] || fail "$lang: no marker drawn"
    screenshot "clock-$lang.png" "${width}x143+200+100"
done
