#!/usr/bin/env bash
# The desktop entry, the AppStream metainfo and the .ico pass their own
# validators, and they agree with each other and with the project: the
# metainfo launches the desktop entry that is shipped, the entry names the
# icon that is shipped, and the newest release is the version being built.
# The committed icons are what tools/make-icon.py draws now.
#   validate.sh <project version>
set -euo pipefail
source "$(dirname "$0")/../lib/tally.sh"

version=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$(cd "$(dirname "$0")/../.." && pwd)
packaging="$root/packaging"
desktop="$packaging/linux/talvorin.desktop"
metainfo=$(ls "$packaging"/linux/*.metainfo.xml)

# Validators that exit 0 on warnings: any output at all counts as a fault.
silent() {
    local out
    if out=$("$@" 2>&1) && [ -z "$out" ]; then return 0; fi
    echo "$out" >&2
    return 1
}
# appstreamcli passes with info and pedantic notes: only a bare success counts.
appstream_clean() {
    local out
    out=$(appstreamcli validate --no-net --pedantic --no-color "$1" 2>&1) || true
    [ "$(echo "$out" | grep -v '^$')" = "✔ Validation was successful." ] || { echo "$out" >&2; return 1; }
}
first_release() { grep -o '<release [^>]*version="[^"]*"' "$metainfo" | head -n1 | sed 's/.*version="//;s/"$//'; }
launchable() { sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo"; }
icon_name() { sed -n 's/^Icon=//p' "$desktop"; }

check "desktop-file-validate" silent desktop-file-validate "$desktop"
check "appstreamcli validate --pedantic" appstream_clean "$metainfo"
check "icotool decodes every image of the .ico" \
    silent icotool -x -o "$work" "$packaging/icons/talvorin.ico"
check "the icons are what tools/make-icon.py draws" \
    silent sh -c "python3 '$root/tools/make-icon.py' --out '$work/icons' && diff -r '$work/icons' '$packaging/icons'"
check "newest release in the metainfo is $version" test "$(first_release)" = "$version"
check "the metainfo launches the shipped desktop entry" test "$(launchable)" = "$(basename "$desktop")"
check "the desktop entry's icon is in the hicolor tree" \
    test -f "$packaging/icons/hicolor/scalable/apps/$(icon_name).svg"

checks_done
