#!/usr/bin/env bash
# Two package builds of one commit give the same bytes: HEAD is cloned twice,
# into folders of different names and depths, tools/package.sh runs in each,
# the second a minute after the first, and every artefact is compared.
# Slow (two Release builds of both programs); the packaging tests run it
# under the label "slow".
#   tools/reproducible.sh <repository> [work folder]
# With a work folder, clones from an earlier run are updated and rebuilt.
set -euo pipefail

repo=$(realpath "$1")
work=${2:-}
if [ -z "$work" ]; then
    work=$(mktemp -d "${TMPDIR:-/tmp}/talvorin-repro.XXXXXX")
    trap 'rm -rf "$work"' EXIT
fi
commit=$(git -C "$repo" rev-parse HEAD)
first="$work/a"
second="$work/second/clone-b"

build() {  # build <clone folder>
    [ -d "$1/.git" ] || git clone -q --no-hardlinks "$repo" "$1"
    git -C "$1" fetch -q "$repo" "$commit"
    git -C "$1" checkout -q --detach "$commit"
    "$1/tools/package.sh" >"$1.log" 2>&1 || { echo "FAIL: package.sh in $1 (log $1.log)" >&2; exit 1; }
}
build "$first"
sleep 60
build "$second"

failures=0
for made in "$first"/build/packages/* "$first/build/package-windows/stage/talvorin.exe"; do
    name=${made#"$first"/}
    if cmp -s "$made" "$second/$name"; then
        echo "same: $name $(sha256sum <"$made" | cut -d' ' -f1)"
    else
        echo "FAIL: $name differs between the two builds" >&2
        failures=$((failures + 1))
    fi
done
for kind in '*.deb' '*.exe'; do
    compgen -G "$first/build/packages/$kind" >/dev/null || { echo "FAIL: no $kind built" >&2; failures=$((failures + 1)); }
done
[ "$failures" -eq 0 ] || exit 1
