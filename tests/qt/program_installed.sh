# Installed where the user cannot write: the program's folder is root's and the
# clock runs as nobody. A drag is kept across restarts in the user's own file,
# which starts from the administrator's file beside the program.
source "$(dirname "$0")/program-lib.sh"
[ "$(id -u)" -eq 0 ] || { echo "SKIP: running the program as another user needs root"; exit 77; }

chmod 755 "$work"
home="$work/home"
mkdir "$home"
chown nobody:nogroup "$home"
user_options="$home/.config/talvorin/tl_options.txt"
default_options 1500 3000 0 0 | sed '11s/^48\r$/30\r/' >"$options"
cp "$options" "$work/administrator.txt"

start_as_nobody() {
    (cd "$work" && exec setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env -i DISPLAY="$DISPLAY" HOME="$home" PATH=/usr/bin:/bin LANG=C ./talvorin \
        >"$work/stdout.log" 2>"$work/stderr.log") &
    pid=$!
}

start_as_nobody
id=$(wait_window '^Talvorin V')
read -r x y w h <<<"$(geometry "$id")"
check "digits from the administrator's file" "101 115" "$w $h"
[ -f "$user_options" ] || fail "no per-user file $user_options"
check "per-user folder private" 700 "$(stat -c %a "$(dirname "$user_options")")"

drag_by_steps $((x + 20)) $((y + 20)) 6
user_line() { sed -n "${1}p" "$user_options" | tr -d '\r'; }
saved() { [ "$(user_line 9)" = "$(((x + 60) * 15))" ]; }
wait_until 3 saved || fail "the drag was not saved in the per-user file: $(user_line 9)"
echo "ok: the drag is saved in $user_options"
kill "$pid"
wait "$pid" 2>/dev/null || true

start_as_nobody
id=$(wait_window '^Talvorin V')
check "the next start puts the clock where it was dragged" "$((x + 60)) $((y + 30)) $w $h" \
    "$(geometry "$id")"
cmp -s "$options" "$work/administrator.txt" || fail "the file beside the program changed"
echo "ok: the administrator's file is untouched"
