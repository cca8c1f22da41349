#!/usr/bin/env bash
# The portable tarball, unpacked where a blank is in the path: its launcher runs with a bare
# environment and leaves a valid desktop entry pointing back at it.  bundle.sh <src> <build> <version>
set -euo pipefail
work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT
tarball=$("$1/packaging/linux/bundle.sh" "$2" "$work" "$3")  # refuses a bundle that loads from outside
mkdir "$work/un pack" && tar -C "$work/un pack" -xzf "$tarball"
dir="$work/un pack/$(basename "$tarball" .tar.gz)"
[ "$(env -i "$dir/talvorin" --version)" = "Talvorin $3" ] || { echo "FAIL: launcher" >&2; exit 1; }
{ grep -qxF "Exec=\"$dir/talvorin\"" "$dir/talvorin.desktop" && desktop-file-validate "$dir/talvorin.desktop"; } ||
    { echo "FAIL: desktop entry $(grep Exec "$dir/talvorin.desktop")" >&2; exit 1; }
echo "ok: $(basename "$tarball"), $(du -h "$tarball" | cut -f1)"
