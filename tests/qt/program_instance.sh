# The command line and one clock per options file, on the real program:
# --version, --help and a wrong option answer at once and touch nothing; with
# no display the program says so in one line; a second start on the same file
# shows the running clock and ends; a killed clock does not block the next.
source "$(dirname "$0")/program-lib.sh"

run() {  # expected status, then the arguments; output in $work/out, $work/err
    local expected=$1
    shift
    local status=0
    (cd "$work" && timeout 5 ./talvorin "$@" >"$work/out" 2>"$work/err") || status=$?
    check "status of talvorin $*" "$expected" "$status"
}

# No display is needed to answer.
run 0 --version
check "--version output" "Talvorin 1.1.8" "$(cat "$work/out")"
check "--version stderr" "" "$(cat "$work/err")"
DISPLAY= run 0 --help
check "--help first line" "Utilisation : talvorin [--help | --version]" "$(head -n1 "$work/out")"
grep -q -- "--version  affiche la version et quitte" "$work/out" || fail "--help lacks --version"
check "--help stderr" "" "$(cat "$work/err")"
run 2 --bogus
check "wrong option: stdout" "" "$(cat "$work/out")"
check "wrong option: first line" "talvorin: option inconnue « --bogus »" "$(head -n1 "$work/err")"
grep -q "^Utilisation : talvorin" "$work/err" || fail "no usage after a wrong option"
run 2 --version --bogus
check "a wrong option wins" "" "$(cat "$work/out")"

# No display to open: one line and status 1, not Qt's abort.
for display in unset ":4000"; do
    if [ "$display" = unset ]; then
        (unset DISPLAY QT_QPA_PLATFORM; run 1) || exit 1
    else
        (unset QT_QPA_PLATFORM; DISPLAY=$display run 1) || exit 1
    fi
    check "no display ($display): lines on stderr" 1 "$(wc -l <"$work/err")"
    grep -q "^talvorin: .* ; l'horloge a besoin d'un serveur X11 ou de XWayland$" "$work/err" || fail "no display: $(cat "$work/err")"
done
[ ! -e "$options" ] || fail "tl_options.txt created without a clock"
[ -z "$(visible_window '^Talvorin V')" ] || fail "a window opened"
echo "ok: no options file, no window"

clocks() { xdotool search --onlyvisible --name '^Talvorin V' 2>/dev/null | wc -l; }
one_clock() { [ "$(clocks)" = 1 ]; }

second_start() {  # what; the second start must end with 0 within a second
    local begin=$(date +%s%N) status=0
    (cd "$work" && timeout 5 ./talvorin >"$work/out2" 2>"$work/err2") || status=$?
    local ms=$((($(date +%s%N) - begin) / 1000000))
    check "$1: second start's status" 0 "$status"
    [ "$ms" -lt 1000 ] || fail "$1: second start took $ms ms"
    echo "ok: $1: second start ended in $ms ms"
    ! grep "^talvorin" "$work/err2" || fail "$1: second start reported an error"
}

start_program
id=$(wait_window '^Talvorin V')
second_start "clock shown"
sleep 0.3
check "clocks after a second start" 1 "$(clocks)"

# Hidden behind its back, the clock comes back at the next start.
xdotool windowunmap "$id"
wait_until 3 no_window '^Talvorin V' || fail "clock still mapped"
second_start "clock unmapped"
wait_until 2 one_clock || fail "the running clock did not show again"
check "the same clock shows again" "$id" "$(visible_window '^Talvorin V')"
kill -0 "$pid" || fail "the first clock ended"

# Killed without warning, the clock leaves no claim behind.
kill -9 "$pid" || fail "the first clock ended before the kill"
wait "$pid" 2>/dev/null || true
wait_until 3 no_window '^Talvorin V' || fail "the killed clock's window stays"
start_program
# Called in a command substitution, where a search that finds nothing yet does
# not end the script.
id=$(wait_window '^Talvorin V')
check "clocks after a start following a kill" 1 "$(clocks)"
echo "ok: a new clock runs after kill -9"
# The dead clock's socket file is gone too: the new clock hears a later start.
second_start "after a kill"
check "clocks after a second start following a kill" 1 "$(clocks)"

# One clock per file whatever the runtime folder: another user's (the lock
# goes to the user's own cache folder instead) or one too long for a socket's name.
for case in other long; do
    [ "$case" = other ] && [ "$(id -u)" != 0 ] && continue
    kill "$pid" && wait "$pid" 2>/dev/null || true
    runtime="$work/run-$case"
    [ "$case" = long ] && runtime="$work/$(printf 'r%.0s' $(seq 110))"
    mkdir -p -m 0700 "$runtime" "$work/home"
    [ "$case" = other ] && chown nobody "$runtime"
    export XDG_RUNTIME_DIR=$runtime HOME=$work/home
    start_program
    id=$(wait_window '^Talvorin V')
    second_start "$case runtime folder"
    check "clocks with the $case runtime folder" 1 "$(clocks)"
done
