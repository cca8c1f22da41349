# Shared by the real-program tests: a private copy of the program in a temp
# folder (so the test owns the options file beside it), and checks made from
# outside, as the X server and the window manager see the windows.
# Arguments of every test: the program, the folder for screenshots.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../lib/checks.sh"

program_built=$1
shots=$2
mkdir -p "$shots"
work=$(mktemp -d)
cp "$program_built" "$work/talvorin"
options="$work/tl_options.txt"
pid=""

cleanup() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid" 2>/dev/null || true; fi
    [ -n "$pid" ] && wait "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

start_program() {
    (cd "$work" && exec ./talvorin >"$work/stdout.log" 2>"$work/stderr.log") &
    pid=$!
}

visible_window() {  # name pattern -> id of a mapped window
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1
}

wait_window() {  # name pattern [seconds]
    local id=""
    local deadline=$((SECONDS + ${2:-10}))
    while [ -z "$id" ]; do
        [ $SECONDS -lt $deadline ] || fail "no window named '$1'"
        sleep 0.1
        id=$(visible_window "$1")
    done
    echo "$id"
}

wait_window_class() {  # class name -> id of a mapped window
    local id=""
    local deadline=$((SECONDS + 10))
    while [ -z "$id" ]; do
        [ $SECONDS -lt $deadline ] || fail "no window of class '$1'"
        sleep 0.1
        id=$(xdotool search --onlyvisible --classname "$1" 2>/dev/null | head -n1)
    done
    echo "$id"
}

no_window() { [ -z "$(visible_window "$1")" ]; }

# "x y width height" of a window's client area on the screen.
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /^  Width/ {w=$2} /^  Height/ {h=$2} END {print x, y, w, h}'
}

map_state() { xwininfo -id "$1" | awk '/Map State/ {print $3}'; }
# Conditions for wait_until, which runs them again each time (an argument
# like "$(map_state ...)" would be read once, before the wait).
mapped_as() { [ "$(map_state "$1")" = "$2" ]; }

property() {  # id name -> the value after " = "
    # A UTF-8 locale, or xprop escapes the accented letters.
    LC_ALL=C.UTF-8 xprop -id "$1" "$2" | sed -n 's/^[^=]*= //p'
}

has_state() { property "$1" _NET_WM_STATE | tr -d ' ' | tr ',' '\n' | grep -qx "$2"; }

# Whether window $1 lies above window $2 in the window manager's stacking order.
stacked_above() {
    local order a b
    order=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/^[^#]*# //' | tr -d ',' | tr ' ' '\n')
    a=$(grep -n -x "$(printf '0x%x' "$1")" <<<"$order" | cut -d: -f1)
    b=$(grep -n -x "$(printf '0x%x' "$2")" <<<"$order" | cut -d: -f1)
    [ -n "$a" ] && [ -n "$b" ] && [ "$a" -gt "$b" ]
}

wm_supports() { xprop -root _NET_SUPPORTED | tr -d ' ' | tr ',=' '\n\n' | grep -qx "$1"; }

# The options file's line $1 without its CR LF.
option_line() { sed -n "${1}p" "$options" | tr -d '\r'; }
line_is() { [ "$(option_line "$1")" = "$2" ]; }

write_options() {  # the 15 lines
    printf '%s\r\n' "$@" >"$options"
}

# The default file, the 293 bytes the program writes when it has none, with
# the given top and left.
default_options() {
    printf '%s\r\n' "Transparence (10 - 255 ; defaut 127)" 127 \
        "Masque R G B (0 - 255 ; defaut 0 64 127)" 0 64 127 \
        "Position de la fenetre haut gauche" "$1" "$2" "Taille des chiffres" 48 \
        "Fenetre de l'heure toujours devant (1 True ; 0 False) ; defaut 0" "$3" \
        "Afficher les secondes (1 True , 0 False) ; defaut 0" "$4"
}

# The colour of one screen pixel, as ImageMagick names it: srgb(r,g,b).
pixel() {
    import -window root -crop "1x1+$1+$2" +repage -format '%[pixel:p{0,0}]' info:- 2>/dev/null
}

screenshot() {  # file, optional crop geometry
    if [ -n "${2:-}" ]; then
        import -window root -crop "$2" +repage "$shots/$1"
    else
        import -window root "$shots/$1"
    fi
    echo "screenshot: $shots/$1"
}

click_at() {
    # No --sync: it waits for a motion, and there is none when the pointer is
    # already there.
    xdotool mousemove "$1" "$2"
    sleep 0.1
    xdotool click 1
}

press_on() {  # window keys...: the keys, with the window active (or at least focused)
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus "$1" 2>/dev/null || true
    sleep 0.3
    xdotool key "${@:2}"
}

# Presses at $1,$2, moves in $3 steps of 10 right and 5 down, each synced
# with the server, and releases: a drag well past the drag distance.
drag_by_steps() {
    local step
    xdotool mousemove --sync "$1" "$2"
    xdotool mousedown 1
    for step in $(seq "$3"); do
        xdotool mousemove --sync $(($1 + step * 10)) $(($2 + step * 5))
        sleep 0.05
    done
    xdotool mouseup 1
}

# tl_extras.txt beside the options file, replaced as an editor saves it.
extras_edit() { printf '%s\r\n' "$@" >"$work/x.new" && mv "$work/x.new" "$work/tl_extras.txt"; }

ms_until() {  # seconds command...: the milliseconds it took to hold
    local start=$(date +%s%N)
    wait_until "$@" && echo $((($(date +%s%N) - start) / 1000000))
}
