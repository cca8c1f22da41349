# Hostile options files through the real program, run as an unprivileged user
# (as root every file is readable): one table, one row per case. Each row
# prepares the program's folder, starts the clock and checks that its window
# shows within a second and that what the user had is still there, in the
# file or beside it as .bak, .bak1, ...
# Arguments: the program, the folder for screenshots (unused).
set -uo pipefail

program_built=$1
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: running the program as another user and mounting a full disk need root"
    exit 77
fi
user=nobody
group=nogroup
root=$(mktemp -d /tmp/talvorin-hostile.XXXXXX)
chmod 755 "$root"
pid=""
mounted=""
cleanup() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    [ -n "$mounted" ] && umount "$mounted" 2>/dev/null
    rm -rf "$root"
}
trap cleanup EXIT

as_user() { setpriv --reuid="$user" --regid="$group" --clear-groups "$@"; }

default_lines() {  # top left height
    printf '%s\r\n' "Transparence (10 - 255 ; defaut 127)" 127 \
        "Masque R G B (0 - 255 ; defaut 0 64 127)" 0 64 127 \
        "Position de la fenetre haut gauche" "${1:-1500}" "${2:-3000}" "Taille des chiffres" \
        "${3:-30}" "Fenetre de l'heure toujours devant (1 True ; 0 False) ; defaut 0" 0 \
        "Afficher les secondes (1 True , 0 False) ; defaut 0" 0
}
with_line() {  # number text: the default file with one line replaced
    default_lines | awk -v n="$1" -v t="$2" 'BEGIN{RS="\r\n"; ORS="\r\n"} NR==n{$0=t} {print}'
}

# ---- the cases: each prepares $dir (the program's folder, the user's own) ----
# and sets `keep`: bytes (the file's bytes must survive somewhere), values (a
# good file: its values stay), entry (a non-file: it stays, maybe renamed),
# none (nothing of the user's to keep).
opts() { echo "$dir/tl_options.txt"; }
c_empty() { : >"$(opts)"; keep=bytes; }
c_binary() { head -c 300 /dev/urandom >"$(opts)"; keep=bytes; }
c_nuls() { head -c 293 /dev/zero >"$(opts)"; keep=bytes; }
c_nul_in_number() { with_line 11 $'3\x010' >"$(opts)"; keep=bytes; }
c_100mb() { head -c 100000000 /dev/zero | tr '\0' 'x' >"$(opts)"; keep=bytes; }
c_utf16() { default_lines | iconv -f UTF-8 -t UTF-16 >"$(opts)"; keep=bytes; }
c_utf8_bom() { { printf '\xef\xbb\xbf'; default_lines; } >"$(opts)"; keep=values; }
c_overlong_line() { { head -c 60000 /dev/zero | tr '\0' '7'; printf '\r\n'; } >"$(opts)"; keep=bytes; }
c_overlong_64k() { { default_lines; head -c 70000 /dev/zero | tr '\0' ' '; } >"$(opts)"; keep=bytes; }
c_exactly_64k() { { default_lines; head -c $((65536 - 285)) /dev/zero | tr '\0' ' '; } >"$(opts)"; keep=values; }
c_40_digits_line2() { with_line 2 1234567890123456789012345678901234567890 >"$(opts)"; keep=bytes; }
c_40_digits_line8() { with_line 8 1234567890123456789012345678901234567890 >"$(opts)"; keep=bytes; }
c_40_digits_line11() { with_line 11 -1234567890123456789012345678901234567890 >"$(opts)"; keep=bytes; }
c_exponent() { with_line 11 1e400 >"$(opts)"; keep=bytes; }
c_letters() { with_line 2 abc >"$(opts)"; keep=bytes; }
c_negative_size() { with_line 11 -1 >"$(opts)"; keep=bytes; }
c_huge_size() { with_line 11 10000 >"$(opts)"; keep=bytes; }
c_cr_only() { default_lines | tr -d '\n' >"$(opts)"; keep=values; }
c_lf_only() { default_lines | tr -d '\r' >"$(opts)"; keep=values; }
c_fourteen_lines() { default_lines | head -n 14 >"$(opts)"; keep=bytes; }
c_no_last_line_end() { default_lines | head -c -2 >"$(opts)"; keep=values; }
c_sixteen_lines() { { default_lines; printf 'extra\r\n'; } >"$(opts)"; keep=values; }
c_empty_lines() { for _ in $(seq 15); do printf '\r\n'; done >"$(opts)"; keep=bytes; }
c_only_line_ends() { head -c 2000 /dev/zero | tr '\0' '\n' >"$(opts)"; keep=bytes; }
c_tabs_around() { with_line 11 $'\t30\t' >"$(opts)"; keep=values; }
c_flag_words() { with_line 13 True >"$(opts)"; keep=values; }
c_latin1_header() { with_line 1 $'Transparence \xe9t\xe9' >"$(opts)"; keep=values; }
c_folder() { mkdir "$(opts)"; echo keep >"$(opts)/inside"; keep=entry; }
c_fifo() { mkfifo "$(opts)"; keep=entry; }
c_socket() { python3 -c "import socket,sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])" "$(opts)"; keep=entry; }
c_dev_zero() { ln -s /dev/zero "$(opts)"; keep=entry; }
c_dev_null() { ln -s /dev/null "$(opts)"; keep=entry; }
c_dev_urandom() { ln -s /dev/urandom "$(opts)"; keep=entry; }
c_link_loop() { ln -s tl_options.txt "$(opts)"; keep=entry; }
c_link_to_folder() { ln -s /etc "$(opts)"; keep=entry; }
c_dangling_link() { ln -s "$dir/dotfiles/tl_options.txt" "$(opts)"; mkdir "$dir/dotfiles"; keep=entry; }
c_link_to_good() {
    mkdir "$dir/dotfiles"; default_lines >"$dir/dotfiles/tl_options.txt"; ln -s dotfiles/tl_options.txt "$(opts)"; keep=values
}
c_link_to_bad() {
    mkdir "$dir/dotfiles"; with_line 2 abc >"$dir/dotfiles/tl_options.txt"; ln -s dotfiles/tl_options.txt "$(opts)"; keep=bytes
}
c_mode_000() { with_line 2 200 >"$(opts)"; chmod 000 "$(opts)"; keep=bytes; }
c_root_only() { with_line 2 200 >"$(opts)"; chmod 600 "$(opts)"; rootowned="$(opts)"; keep=bytes; }
c_read_only_good() { default_lines >"$(opts)"; chmod 444 "$(opts)"; keep=bytes; }
c_read_only_bad() { with_line 2 abc >"$(opts)"; chmod 444 "$(opts)"; keep=bytes; }
c_bak_folder() { with_line 2 abc >"$(opts)"; mkdir "$(opts).bak"; keep=bytes; }
c_bak_fifo() { with_line 2 abc >"$(opts)"; mkfifo "$(opts).bak"; keep=bytes; }
c_bak_link() { with_line 2 abc >"$(opts)"; ln -s /etc/hostname "$(opts).bak"; keep=bytes; }
c_bak_older_file() { with_line 2 abc >"$(opts)"; echo older >"$(opts).bak"; keep=bytes; }
c_bak_of_another_user() {
    # A shared folder (sticky, like /tmp) where an old .bak is root's.
    with_line 2 abc >"$(opts)"; echo older >"$(opts).bak"; rootowned="$(opts).bak"; sticky=1; keep=bytes
}
c_no_free_bak() {
    with_line 2 abc >"$(opts)"
    local i
    for i in "" $(seq 99); do mkdir "$(opts).bak$i"; done
    keep=bytes
}
c_leftover_temporaries() { default_lines >"$(opts)"; echo x >"$(opts).tmp999999-0"; keep=values; }
c_read_only_folder_good() { default_lines 1500 3000 40 >"$(opts)"; readonly_folder=1; keep=bytes; }
c_read_only_folder_bad() { with_line 2 abc >"$(opts)"; readonly_folder=1; keep=bytes; }
c_read_only_folder_none() { readonly_folder=1; keep=none; }
c_read_only_folder_fifo() { mkfifo "$(opts)"; readonly_folder=1; keep=entry; }
c_read_only_folder_config_a_file() {
    with_line 2 abc >"$(opts)"; readonly_folder=1; : >"$home/.config"; keep=bytes
}
c_full_disk_bad() { disk=full; with_line 2 abc >"$(opts)"; keep=bytes; }
c_full_disk_good() { disk=full; default_lines >"$(opts)"; keep=values; }
c_full_disk_none() { disk=full; keep=none; }
c_nearly_full_disk_bad() { disk=nearly; with_line 11 abc >"$(opts)"; keep=bytes; }
c_non_ascii_folder_bad() { with_line 2 abc >"$(opts)"; keep=bytes; }
c_non_ascii_folder_good() { default_lines >"$(opts)"; keep=values; }
# The extras file beside it is only read at start: whatever it is stays as it is.
exts() { echo "$dir/tl_extras.txt"; }
c_extras_binary() { head -c 300 /dev/urandom >"$(exts)"; keep=bytes; }
c_extras_100mb() { head -c 100000000 /dev/zero | tr '\0' 'x' >"$(exts)"; keep=bytes; }
c_extras_bad_lines() { printf 'survol_discret=oui\r\n=1\r\n\xff\xfe\r\n' >"$(exts)"; keep=bytes; }
c_extras_fifo() { mkfifo "$(exts)"; keep=entry; }
c_extras_folder() { mkdir "$(exts)"; keep=entry; }
c_extras_mode_000() { echo clics_traversants=1 >"$(exts)"; chmod 000 "$(exts)"; keep=bytes; }
c_extras_read_only() { echo clics_traversants=1 >"$(exts)"; chmod 444 "$(exts)"; keep=bytes; }
c_extras_leftover_temporaries() { : >"$(exts)"; echo x >"$(exts).tmp999999-0"; keep=bytes; }
# Started from elsewhere: the file beside the program, not one in the working folder.
c_non_utf8_folder_good() { default_lines 1500 3000 40 >"$(opts)"; keep=values; start_in=$home; }

cases=$(declare -F | awk '{print $3}' | grep '^c_' | sed 's/^c_//')

# ---- checks -----------------------------------------------------------------
# Lines 2, 4, 5, 6, 11 and 13 as the clock reads them, whatever the line ends.
values() {
    sed -e 's/^\xef\xbb\xbf//' -e 's/\r$//' "$1" 2>/dev/null | tr '\r' '\n' |
        sed -n '2p;4p;5p;6p;11p;13p' | tr -d ' \t' | tr '\n' ' '
}
# The user's names: the options file and what it may have been moved to.
kept_names() {
    local f
    for f in "$dir"/tl_options.txt "$dir"/tl_options.txt.bak* "$dir"/dotfiles/* "$dir"/tl_extras.txt; do
        [ -e "$f" ] || [ -L "$f" ] && printf '%s\n' "$f"
    done
}

survived() {
    case $keep in
    bytes)
        while read -r f; do
            [ -f "$f" ] && [ "$(sha256sum <"$f")" = "$before" ] && return 0
        done < <(kept_names)
        return 1 ;;
    values)
        while read -r f; do
            [ -f "$f" ] && [ "$(values "$f")" = "$before" ] && return 0
        done < <(kept_names)
        return 1 ;;
    entry)
        while read -r f; do
            [ "$(stat -c %F "$f")" = "$before" ] && return 0
        done < <(kept_names)
        return 1 ;;
    none) return 0 ;;
    esac
}

start_clock() {
    started=$(date +%s%N)
    (cd "${start_in:-$dir}" && exec setpriv --reuid="$user" --regid="$group" --clear-groups \
        env -i DISPLAY="$DISPLAY" HOME="$home" PATH=/usr/bin:/bin LANG=C "$dir/talvorin" \
        >"$root/stdout.log" 2>"$root/stderr.log") &
    pid=$!
    shown=""
    while [ -z "$shown" ] && [ $((($(date +%s%N) - started) / 1000000)) -lt 3000 ]; do
        shown=$(xdotool search --onlyvisible --pid "$pid" --name '^Talvorin V' 2>/dev/null | head -n1)
        [ -z "$shown" ] && sleep 0.05
    done
    ms=$((($(date +%s%N) - started) / 1000000))
    [ -n "$shown" ] && sleep 1.1  # the first tick, which saves the place
    size=$([ -n "$shown" ] && xwininfo -id "$shown" | awk '/^  Width|^  Height/ {printf "%s ", $2}')
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    pid=""
}

ok=0
bad=0
n=0
for name in $cases; do
    n=$((n + 1))
    keep="" start_in="" rootowned="" sticky="" readonly_folder="" disk="" before="" target=""
    base="$root/case$n"
    home="$root/home$n"
    mkdir -p "$home"
    chown "$user:$group" "$home"
    case $name in
    non_ascii*) base="$root/case$n Talvorin été 時計" ;;
    non_utf8*) base="$root/case$n caf$(printf '\xe9')" ;;
    esac
    dir=$base
    mkdir -p "$dir"
    if [ "${name#full_disk}" != "$name" ] || [ "${name#nearly}" != "$name" ]; then
        size=$(( $(stat -c %s "$program_built") / 1024 + 64 ))
        mount -t tmpfs -o "size=${size}k" talvorin-hostile "$dir" || { echo "SKIP $name: cannot mount"; continue; }
        mounted=$dir
    fi
    cp "$program_built" "$dir/talvorin"
    case $name in extras_*) target=$(exts) ;; *) target=$(opts) ;; esac
    "c_$name"
    if [ -n "$disk" ]; then
        # Fill the disk, leaving nothing (full) or a few bytes (nearly).
        head -c 100000000 /dev/zero >"$dir/filler" 2>/dev/null
        [ "$disk" = nearly ] && truncate -s -100 "$dir/filler"
    fi
    chown -R "$user:$group" "$dir" 2>/dev/null
    [ -n "$rootowned" ] && chown root:root "$rootowned"
    if [ -n "$sticky" ]; then chown root:root "$dir"; chmod 1777 "$dir"; fi
    [ -n "$readonly_folder" ] && { chown root:root "$dir"; chmod 755 "$dir"; }
    case $keep in
    bytes) before=$(sha256sum <"$target") ;;
    values) before=$(values "$target") ;;
    entry) before=$(stat -c %F "$target") ;;
    esac

    start_clock
    # A display that turned a client away is the test machine's fault, not
    # the clock's: try once more.
    if [ -z "$shown" ] && grep -q "could not connect to display" "$root/stderr.log"; then
        echo "     (display refused the connection, started again)"
        start_clock
    fi
    problem=""
    [ -n "$shown" ] || problem="no window within 3 s"
    [ -z "$problem" ] && [ "$ms" -gt 1000 ] && problem="window after $ms ms"
    [ -z "$problem" ] && ! survived && problem="the user's $keep did not survive"
    if [ -z "$problem" ] && [ -n "$readonly_folder" ] && [ "$name" != read_only_folder_config_a_file ]; then
        [ -f "$home/.config/talvorin/tl_options.txt" ] || problem="no per-user file"
    fi
    if [ -z "$problem" ] && [ "${name#extras_}" != "$name" ] && ! grep -q "extras" "$root/stderr.log" &&
        [ "$name" != extras_leftover_temporaries ] && [ "$name" != extras_read_only ]; then
        problem="no trace line for the extras file"
    fi
    if [ -z "$problem" ] && [ "${name%leftover_temporaries}" != "$name" ] && [ -e "$target.tmp999999-0" ]; then
        problem="the leftover of a killed writer is still there"
    fi
    if [ -z "$problem" ] && [ "$name" = non_utf8_folder_good ] && [ "$size" != "131 131 " ]; then
        problem="the file beside the program was not read: window $size"
    fi
    if [ -z "$problem" ] && [ "$name" = read_only_folder_good ]; then
        # The administrator's file beside the program seeds the user's.
        [ "$(values "$home/.config/talvorin/tl_options.txt")" = "$(values "$(opts)")" ] ||
            problem="the per-user file was not seeded from the one beside the program"
    fi
    if [ -z "$problem" ]; then
        ok=$((ok + 1))
        printf 'ok   %-34s window %4d ms, %s kept\n' "$name" "$ms" "$keep"
    else
        bad=$((bad + 1))
        printf 'FAIL %-34s %s\n' "$name" "$problem"
        ls -la "$dir" | sed 's/^/     /'
        sed 's/^/     program: /' "$root/stderr.log"
    fi
    if [ -n "$mounted" ]; then umount "$mounted"; mounted=""; fi
    chmod -R u+rwx "$dir" 2>/dev/null
    rm -rf "$dir" "$home"
done
echo "hostile options files: $n cases, $ok ok, $bad failed"
[ "$bad" -eq 0 ]
