#!/usr/bin/env bash
# Mutation testing of the core suite: applies each fault of tools/mutations.tsv
# alone to a copy of the tree, rebuilds talvorin_core_tests incrementally and
# runs it. A fault the suite fails on is killed; one it passes survived. Rows
# marked `equivalent` cannot change behaviour and are left out of the kill rate;
# a row whose text no longer matches its file exactly once is stale.
#
#   tools/mutate.sh [ID...]        all rows, or only the given ones (line ids)
#
# MUTATE_DIR  the copy (default ${TMPDIR:-/tmp}/talvorin-mutate); kept between
#             runs so only the mutated object is rebuilt.
# MUTATE_SYNC=0 uses the copy as it stands (no files taken from the tree).
# MUTATE_USER run the suite as this user when started as root (default root;
#             some rows of the suite assume root today, see the notes).
# Not part of the test command: it takes ~10-20 s a fault on two cores.
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/.." && pwd)
list="$source_dir/tools/mutations.tsv"
copy=${MUTATE_DIR:-${TMPDIR:-/tmp}/talvorin-mutate}
user=${MUTATE_USER:-root}
build="$copy/build/linux"
suite="$build/tests/core/talvorin_core_tests"

# The copy takes the working tree as it is (committed or not); unchanged files
# keep their time stamps so ninja rebuilds only what differs.
sync_copy() {
    mkdir -p "$copy"
    (cd "$source_dir" && git ls-files -z --cached --others --exclude-standard) |
        while IFS= read -r -d '' f; do
            [[ -f "$source_dir/$f" ]] || continue
            if ! cmp -s "$source_dir/$f" "$copy/$f"; then
                mkdir -p "$copy/$(dirname "$f")"
                cp "$source_dir/$f" "$copy/$f"
            fi
        done
}

configure() {
    [[ -f "$build/build.ninja" ]] && return
    cmake -S "$copy" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTALVORIN_WERROR=ON -DTALVORIN_QT=OFF >"$copy/configure.log" 2>&1 ||
        { cat "$copy/configure.log" >&2; exit 1; }
}

build_suite() {
    timeout 900 cmake --build "$build" -j2 --target talvorin_core_tests >"$copy/build.log" 2>&1
}

run_suite() {
    local runner=()
    if [[ $(id -u) == 0 && "$user" != root ]]; then
        chmod -R a+rX "$build/tests/core"
        runner=(setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups env HOME=/tmp)
    fi
    (cd /tmp && timeout 180 "${runner[@]}" "$suite" --gtest_brief=1) >"$copy/run.log" 2>&1
}

# Applies row fields to the copy: exit 0 done, 3 stale (no single match).
apply() {
    python3 - "$copy/src/$1" "$2" "$3" <<'PY'
import re, sys
path, find, repl = sys.argv[1:4]
codes = {"\\": "\\", "n": "\n", "t": "\t"}
unescape = lambda s: re.sub(r"\\([\\nt])", lambda m: codes[m.group(1)], s)
find, repl = unescape(find), unescape(repl)
try:
    text = open(path, encoding="utf-8").read()
except OSError:
    sys.exit(3)
if text.count(find) != 1:
    sys.exit(3)
open(path, "w", encoding="utf-8").write(text.replace(find, repl))
PY
}

[[ ${MUTATE_SYNC:-1} == 0 ]] || sync_copy
configure
build_suite || { echo "mutate: the unmutated tree does not build" >&2; tail -20 "$copy/build.log" >&2; exit 1; }
run_suite || { echo "mutate: the core suite fails without any fault" >&2; tail -20 "$copy/run.log" >&2; exit 1; }

wanted=" $* "
killed=0 survived=0 equivalent=0 stale=0 unbuilt=0
# Fields split on a separator read keeps when empty (a tab would collapse).
rows() {
    python3 -c 'import sys
for n, line in enumerate(open(sys.argv[1], encoding="utf-8"), 1):
    f = line.rstrip("\n").split("\t")
    if n > 1 and len(f) == 5 and not f[0].startswith("#"):
        print("\x1f".join([str(n)] + f))' "$list"
}
while IFS=$'\x1f' read -r id file find replace mark why; do
    [[ $# -gt 0 && "$wanted" != *" $id "* ]] && continue
    pristine="$copy/.pristine"
    rm -f "$pristine"
    cp "$copy/src/$file" "$pristine" 2>/dev/null || true
    status=0
    apply "$file" "$find" "$replace" || status=$?
    if [[ $status == 3 ]]; then
        result=stale
        stale=$((stale + 1))
    elif ! build_suite; then
        result=unbuilt
        unbuilt=$((unbuilt + 1))
    elif run_suite; then
        if [[ "$mark" == equivalent ]]; then
            result=equivalent
            equivalent=$((equivalent + 1))
        else
            result=SURVIVED
            survived=$((survived + 1))
        fi
    else
        result=killed
        killed=$((killed + 1))
    fi
    [[ -f "$pristine" ]] && cp "$pristine" "$copy/src/$file"
    printf '%-10s %3d  %-34s %s\n' "$result" "$id" "$file" "$why"
done < <(rows)
# The last mutated object goes back to the tree's own.
build_suite || true

counted=$((killed + survived))
rate=$(awk -v k=$killed -v n=$counted 'BEGIN { printf "%.1f", n ? 100 * k / n : 0 }')
echo "killed $killed of $counted non-equivalent faults ($rate %); survived $survived;" \
    "equivalent $equivalent; stale $stale; not built $unbuilt"
