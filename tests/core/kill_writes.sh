# Kills a writer of the options file at random moments, mostly in the middle of
# a write: the file must always be there, whole, with one of the two contents,
# and the next start must leave no temporary file behind.
# Arguments: the write loop program, the number of kills, the file's name.
set -uo pipefail

writer=$1
kills=${2:-300}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
name=${3:-tl_options.txt}
file="$folder/$name"
{ head -c 293 /dev/zero | tr '\0' a; printf '\r\n'; } >"$folder/a"
head -c 4000 /dev/zero | tr '\0' b >"$folder/b"

"$writer" "$file" &
sleep 0.05
kill -9 $! 2>/dev/null
wait $! 2>/dev/null
# Builtins only in the loop, so that it runs at the writer's pace.
IFS= read -r -d '' want_a <"$folder/a"
IFS= read -r -d '' want_b <"$folder/b"
exec {never}<> <(:)
bad=0
for i in $(seq "$kills"); do
    "$writer" "$file" &
    writer_pid=$!
    # From under a millisecond to a few: inside the first writes and later ones.
    read -r -t "0.00$((RANDOM % 9 + 1))" -u "$never"
    kill -9 "$writer_pid" 2>/dev/null
    wait "$writer_pid" 2>/dev/null
    got=""
    [ -e "$file" ] && IFS= read -r -d '' got <"$file"
    if [ "$got" != "$want_a" ] && [ "$got" != "$want_b" ]; then
        bad=$((bad + 1))
        echo "kill $i: the file holds ${#got} bytes, neither content"
    fi
done
left_max=$(find "$folder" -name "$name.tmp*" | wc -l)
"$writer" "$file" --start-only
left=$(find "$folder" -name "$name.tmp*" | wc -l)
echo "$name, $kills kills: $bad missing, empty or torn files; $left_max temporary files left by the last kill; $left after the next start"
[ "$bad" -eq 0 ] && [ "$left" -eq 0 ]
